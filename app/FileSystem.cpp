#include "FileSystem.h"

#include "Handles.h"
#include "WinText.h"

DWORD AttributesFollowingLinks(const std::u16string& path) {
  const DWORD attributes = GetFileAttributesW(WideText(path));
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
    return attributes;
  const TFileHandle target(CreateFileW(WideText(path), FILE_READ_ATTRIBUTES,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!target)
    return INVALID_FILE_ATTRIBUTES;
  BY_HANDLE_FILE_INFORMATION information;
  const bool known = GetFileInformationByHandle(target.Get(), &information);
  return known ? information.dwFileAttributes : INVALID_FILE_ATTRIBUTES;
}
