// The temporary directory taken from TEMP, the long-name conversion of paths, and the short form of a
// directory that the ANSI code page cannot spell, on a scratch tree of real directories below the temporary
// directory.

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "AnsiText.h"
#include "Handles.h"
#include "UnitOvanta.h"
#include "WinText.h"

namespace {

std::u16string LongPath(const std::u16string& path) {
  wchar_t buffer[MAX_PATH] = {};
  return GetLongPathNameW(WideText(path), buffer, MAX_PATH) ? FromWide(buffer) : std::u16string();
}

std::u16string ShortPath(const std::u16string& path) {
  wchar_t buffer[MAX_PATH] = {};
  return GetShortPathNameW(WideText(path), buffer, MAX_PATH) ? FromWide(buffer) : std::u16string();
}

// The drive and its delimiter as the full-path conversion spells them.
std::u16string FullPathHead(const std::u16string& path) {
  wchar_t buffer[MAX_PATH] = {};
  GetFullPathNameW(WideText(path), MAX_PATH, buffer, nullptr);
  return FromWide(buffer).substr(0, 3);
}

std::u16string AsciiLowerCase(std::u16string text) {
  for (char16_t& c : text) {
    if (c >= u'A' && c <= u'Z')
      c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return text;
}

bool CreateAnsiFile(const std::string& name) {
  const TFileHandle file(
      CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  return static_cast<bool>(file);
}

void RemoveTree(const std::u16string& directory) {
  WIN32_FIND_DATAW entry;
  const TFindHandle search(FindFirstFileW(WideText(directory + u"\\*"), &entry));
  if (search) {
    do {
      const std::u16string name = FromWide(entry.cFileName);
      if (name == u"." || name == u"..")
        continue;
      const std::u16string path = directory + u"\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        DeleteFileW(WideText(path));
      }
    } while (FindNextFileW(search.Get(), &entry));
  }
  RemoveDirectoryW(WideText(directory));
}

std::optional<std::u16string> Variable(const wchar_t* name) {
  const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0)
    return std::nullopt;
  std::u16string value(size, u'\0');
  value.resize(GetEnvironmentVariableW(name, reinterpret_cast<wchar_t*>(value.data()), size));
  return value;
}

void SetVariable(const wchar_t* name, const std::optional<std::u16string>& value) {
  SetEnvironmentVariableW(name, value ? WideText(*value) : nullptr);
}

std::string Readable(const std::u16string& text) {
  return UnicodeToUtf8(text);
}

// The scratch tree, made once: Root\Long Directory Name\Deeper Child Directory, and a plain file in Root.
class TempDirTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    wchar_t temp[MAX_PATH] = {};
    ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
    Root =
        LongPath(FromWide(temp)) + u"Ovanta Scratch " + Utf8ToUnicode(std::to_string(GetCurrentProcessId()));
    LongDir = Root + u"\\Long Directory Name";
    DeepDir = LongDir + u"\\Deeper Child Directory";
    PlainFile = Root + u"\\Plain File.txt";
    for (const std::u16string& directory : {Root, LongDir, DeepDir}) {
      ASSERT_TRUE(CreateDirectoryW(WideText(directory), nullptr)) << Readable(directory);
    }
    ASSERT_TRUE(CreateAnsiFile(UnicodeToAnsi(PlainFile)));
  }
  static void TearDownTestSuite() { RemoveTree(Root); }

  void SetUp() override {
    FSavedTemp = Variable(L"TEMP");
    FSavedDirectory = QueryCurrentDirectory();
  }
  void TearDown() override {
    SetVariable(L"TEMP", FSavedTemp);
    SetCurrentDirectoryW(WideText(FSavedDirectory));
  }

  static std::u16string QueryCurrentDirectory() {
    wchar_t buffer[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, buffer);
    return FromWide(buffer);
  }

  static inline std::u16string Root, LongDir, DeepDir, PlainFile;

 private:
  std::optional<std::u16string> FSavedTemp;
  std::u16string FSavedDirectory;
};

TEST_F(TempDirTest, GetTempDirSpellsAnExistingDirectoryInFullOrFallsBackToDriveC) {
  const std::u16string shortDeepDir = ShortPath(DeepDir);
  ASSERT_NE(shortDeepDir, DeepDir) << "the volume gives no short names, so the conversion is not exercised";
  const std::u16string lowerDeepDir = AsciiLowerCase(DeepDir);
  ASSERT_NE(lowerDeepDir, DeepDir);

  struct TCase {
    const char* Name;
    std::optional<std::u16string> Temp;
    std::u16string Expected;
  };
  const std::vector<TCase> cases = {
      {"short names", shortDeepDir, DeepDir + u"\\"},
      {"blanks and control characters around", u" \t " + DeepDir + u"\t\r\n ", DeepDir + u"\\"},
      {"trailing delimiter", DeepDir + u"\\", DeepDir + u"\\"},
      {"lower case", lowerDeepDir, FullPathHead(lowerDeepDir) + DeepDir.substr(3) + u"\\"},
      {"missing directory", DeepDir + u"\\Not There", u"C:\\"},
      {"a file, not a directory", PlainFile, u"C:\\"},
      {"blanks only", u" \t ", u"C:\\"},
      {"undefined", std::nullopt, u"C:\\"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    SetVariable(L"TEMP", c.Temp);
    EXPECT_EQ(Readable(TForm1::GetTempDir()), Readable(c.Expected));
  }
}

// The first 259 characters of this value name the deep directory followed by blanks; the whole value names
// nothing. Either reading is sound; anything else (or a crash) is not.
TEST_F(TempDirTest, GetTempDirWithAValueLongerThanItsBufferGivesAnExistingDirectoryOrDriveC) {
  std::u16string temp = DeepDir + u"\\";
  temp.resize(259, u' ');
  temp += u"Beyond The Buffer";
  SetVariable(L"TEMP", temp);
  const std::u16string result = TForm1::GetTempDir();
  EXPECT_TRUE(result == u"C:\\" || result == DeepDir + u"\\") << Readable(result);
}

TEST_F(TempDirTest, ExpandToLongPathResolvesWhatExistsAndKeepsTheRest) {
  ASSERT_TRUE(SetCurrentDirectoryW(WideText(Root)));
  const std::u16string lowerLongDir = AsciiLowerCase(LongDir);
  const std::u16string resolvedLongDir = FullPathHead(lowerLongDir) + LongDir.substr(3);
  struct TCase {
    const char* Name;
    std::u16string Path;
    std::u16string Expected;
  };
  const std::vector<TCase> cases = {
      {"relative to the current directory", u"long directory name\\deeper child directory", DeepDir},
      {"missing tail", lowerLongDir + u"\\Not There\\nor HERE.txt",
       resolvedLongDir + u"\\Not There\\nor HERE.txt"},
      {"trailing delimiter", lowerLongDir + u"\\", resolvedLongDir + u"\\"},
      {"longer than MAX_PATH", lowerLongDir + u"\\" + std::u16string(300, u'x'),
       resolvedLongDir + u"\\" + std::u16string(300, u'x')},
      {"network path", u"\\\\server\\share\\temp", u"\\\\server\\share\\temp"},
      {"empty path", u"", u""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(Readable(ExpandToLongPath(c.Path)), Readable(c.Expected));
  }
}

TEST_F(TempDirTest, AnsiSpellableDirectoryKeepsWhatTheCodePageSpellsOrHasNoShortForm) {
  for (const std::u16string& directory : {DeepDir, Root + u"\\Нет такой папки", Root + u"\\缺少的目录"}) {
    SCOPED_TRACE(Readable(directory));
    EXPECT_EQ(Readable(AnsiSpellableDirectory(directory)), Readable(directory));
  }
}

TEST_F(TempDirTest, AnsiSpellableDirectoryGivesTheShortFormOfANameTheCodePageLacks) {
  for (const char16_t* name : {u"Временная папка", u"临时文件夹"}) {
    const std::u16string directory = Root + u"\\" + name;
    SCOPED_TRACE(Readable(directory));
    ASSERT_TRUE(CreateDirectoryW(WideText(directory), nullptr));
    bool lossless = true;
    const std::string lossyName = UnicodeToAnsi(directory, &lossless);
    ASSERT_FALSE(lossless) << "the ANSI code page spells the name, so there is nothing to mend";
    EXPECT_FALSE(CreateAnsiFile(lossyName + "\\lossy.bin"));

    const std::u16string spellable = AnsiSpellableDirectory(directory);
    const std::string ansiName = UnicodeToAnsi(spellable, &lossless);
    EXPECT_TRUE(lossless) << Readable(spellable);
    EXPECT_EQ(Readable(LongPath(spellable)), Readable(directory));
    EXPECT_TRUE(CreateAnsiFile(ansiName + "\\quillonVV.exe"));
    EXPECT_NE(GetFileAttributesW(WideText(directory + u"\\quillonVV.exe")), INVALID_FILE_ATTRIBUTES);
  }
}

}  // namespace
