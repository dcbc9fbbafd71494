// The demo installer of the Quillon full version. It only tells where it was started from: in a message box,
// or, when the environment variable OVANTA_INSTALLER_RECORD names a file, by writing its own full path
// (UTF-8) into that file, so that a test can see which file the download started. Exit status 0; 1 when the
// record cannot be written.

#include <windows.h>

#include <string>

#include "Handles.h"

namespace {

constexpr wchar_t kRecordVariable[] = L"OVANTA_INSTALLER_RECORD";

std::wstring OwnPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

// The value of the record variable, empty when it is not set.
std::wstring RecordFileName() {
  const DWORD needed = GetEnvironmentVariableW(kRecordVariable, nullptr, 0);
  if (needed == 0)
    return {};
  std::wstring name(needed, L'\0');
  const DWORD length = GetEnvironmentVariableW(kRecordVariable, name.data(), needed);
  name.resize(length < needed ? length : 0);
  return name;
}

std::string Utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string result(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr,
                      nullptr);
  return result;
}

bool WriteRecord(const std::wstring& fileName, const std::wstring& path) {
  const TFileHandle file(CreateFileW(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file)
    return false;
  const std::string text = Utf8(path);
  DWORD written = 0;
  return WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
         written == text.size();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::wstring path = OwnPath();
  const std::wstring record = RecordFileName();
  if (!record.empty())
    return WriteRecord(record, path) ? 0 : 1;
  const std::wstring text =
      L"This is the demo installer of the Quillon full version.\r\n\r\nIt was started from:\r\n" + path;
  MessageBoxW(nullptr, text.c_str(), L"Quillon Setup", MB_OK | MB_ICONINFORMATION);
  return 0;
}
