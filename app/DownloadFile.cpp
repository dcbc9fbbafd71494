#include "DownloadFile.h"

#include <windows.h>

#include "FileSystem.h"
#include "WinText.h"

std::string DownloadFileName(std::string_view url) {
  const std::size_t lastSlash = url.rfind('/');
  return std::string(lastSlash == std::string_view::npos ? url : url.substr(lastSlash + 1));
}

void DeleteEarlierDownload(const std::u16string& fileName) {
  const DWORD target = AttributesFollowingLinks(fileName);
  if (target == INVALID_FILE_ATTRIBUTES || (target & FILE_ATTRIBUTE_DIRECTORY) != 0)
    return;
  const wchar_t* name = WideText(fileName);
  if (DeleteFileW(name))
    return;
  const DWORD error = GetLastError();
  const DWORD attributes = GetFileAttributesW(name);
  constexpr DWORD kDirectoryLink = FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY;
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & kDirectoryLink) == kDirectoryLink)
    RemoveDirectoryW(name);
  else
    SetLastError(error);
}
