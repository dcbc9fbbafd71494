// The temporary directory the download is written to: found from the environment, spelt with long names and
// ending in "\"; and the short form that the ANSI code page can spell when the long one has characters it
// lacks.

#include <windows.h>

#include <cstddef>

#include "AnsiText.h"
#include "FileSystem.h"
#include "Handles.h"
#include "UnitOvanta.h"
#include "WinText.h"

namespace {

// Room for 259 characters and the terminating zero.
constexpr std::size_t kTempValueBufferLength = 260;

// Calls a Win32 function of the form f(input, buffer, size) that returns the length it wrote, or the size it
// needs (terminating zero included) when the buffer is too small, or 0 on failure. Gives an empty string on
// failure.
template <typename Query>
std::u16string QueryPath(Query query) {
  std::u16string buffer;
  DWORD needed = query(nullptr, 0);
  while (needed > buffer.size()) {
    buffer.assign(needed, u'\0');
    needed = query(reinterpret_cast<wchar_t*>(buffer.data()), static_cast<DWORD>(buffer.size()));
  }
  buffer.resize(needed);
  return buffer;
}

std::u16string FullPath(const std::u16string& path) {
  return QueryPath([&path](wchar_t* buffer, DWORD size) {
    return GetFullPathNameW(WideText(path), size, buffer, nullptr);
  });
}

std::u16string ShortPath(const std::u16string& path) {
  return QueryPath(
      [&path](wchar_t* buffer, DWORD size) { return GetShortPathNameW(WideText(path), buffer, size); });
}

std::u16string TrimmedBlanks(const std::u16string& text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && text[begin] <= u' ')
    ++begin;
  while (end > begin && text[end - 1] <= u' ')
    --end;
  return text.substr(begin, end - begin);
}

bool IsAnsiLossless(const std::u16string& text) {
  bool lossless = false;
  UnicodeToAnsi(text, &lossless);
  return lossless;
}

}  // namespace

std::u16string ExpandToLongPath(const std::u16string& path) {
  // A path without a full form (an empty one, for instance) gives an empty result.
  std::u16string rest = FullPath(path);

  std::u16string result;
  const std::size_t headEnd = rest.find(u'\\');
  if (headEnd != std::u16string::npos) {
    result = rest.substr(0, headEnd + 1);
    rest.erase(0, headEnd + 1);
  }
  while (!rest.empty()) {
    const std::size_t delimiter = rest.find(u'\\');
    const bool moreFollow = delimiter != std::u16string::npos;
    const std::u16string component = rest.substr(0, delimiter);
    WIN32_FIND_DATAW entry;
    const TFindHandle search(FindFirstFileW(WideText(result + component), &entry));
    if (!search) {
      result += rest;
      break;
    }
    result += FromWide(entry.cFileName);
    if (moreFollow)
      result += u'\\';
    rest.erase(0, moreFollow ? delimiter + 1 : rest.size());
  }
  return result;
}

std::u16string TForm1::GetTempDir() {
  wchar_t value[kTempValueBufferLength] = {};
  ExpandEnvironmentStringsW(L"%temp%", value, kTempValueBufferLength);
  // A longer value leaves the buffer's content undefined, possibly without its terminating zero.
  value[kTempValueBufferLength - 1] = L'\0';

  std::u16string directory = ExpandToLongPath(TrimmedBlanks(FromWide(value)));
  const DWORD attributes = AttributesFollowingLinks(directory);
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
    return u"C:\\";
  if (directory.back() != u'\\')
    directory += u'\\';
  return directory;
}

std::u16string AnsiSpellableDirectory(const std::u16string& directory) {
  if (IsAnsiLossless(directory))
    return directory;
  const std::u16string shortForm = ShortPath(directory);
  return !shortForm.empty() && IsAnsiLossless(shortForm) ? shortForm : directory;
}
