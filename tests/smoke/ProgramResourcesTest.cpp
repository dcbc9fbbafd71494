// Every program of the project carries the application manifest and the version resource; this test program
// carries them the same way as Ovanta.exe does.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

// The manifest's dependency on common controls 6 makes the loader take comctl32 from that side-by-side
// assembly (the one with visual styles) instead of the system directory.
TEST(ProgramResourcesTest, ManifestSelectsCommonControlsVersion6) {
  EXPECT_NE(FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)), nullptr);

  HMODULE comctl32 = LoadLibraryW(L"comctl32.dll");
  ASSERT_NE(comctl32, nullptr);
  wchar_t path[MAX_PATH];
  ASSERT_GT(GetModuleFileNameW(comctl32, path, MAX_PATH), 0u);
  FreeLibrary(comctl32);
  std::wstring loadedFrom = CharLowerW(path);
  EXPECT_NE(loadedFrom.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6."), std::wstring::npos)
      << "comctl32 loaded from " << std::string(loadedFrom.begin(), loadedFrom.end());
}

class VersionResourceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    ASSERT_GT(size, 0u) << "no version resource, error " << GetLastError();
    data_.resize(size);
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, data_.data()));
  }

  // The value of a string in the U.S. English, Unicode block; names are ASCII.
  std::wstring StringValue(std::string_view name) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring query = L"\\StringFileInfo\\040904B0\\" + std::wstring(name.begin(), name.end());
    if (!VerQueryValueW(data_.data(), query.c_str(), &value, &length) || length == 0) {
      return L"<missing>";
    }
    return std::wstring(static_cast<const wchar_t*>(value), length - 1);
  }

  std::vector<unsigned char> data_;
};

TEST_F(VersionResourceTest, FixedVersionIsTheProjectVersion) {
  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(data_.data(), L"\\", &value, &length));
  ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS, OVANTA_EXPECTED_VERSION_MS);
  EXPECT_EQ(fixed->dwFileVersionLS, OVANTA_EXPECTED_VERSION_LS);
  EXPECT_EQ(fixed->dwProductVersionMS, OVANTA_EXPECTED_VERSION_MS);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST_F(VersionResourceTest, StringsNameVendorProductAndFile) {
  const std::string version = OVANTA_EXPECTED_VERSION;
  const struct {
    const char* name;
    std::wstring expected;
  } kStrings[] = {
      {"CompanyName", L"VELTRA"},
      {"ProductName", L"Ovanta"},
      {"FileVersion", std::wstring(version.begin(), version.end())},
      {"ProductVersion", std::wstring(version.begin(), version.end())},
      {"OriginalFilename", L"smoke_windows.exe"},
  };
  for (const auto& entry : kStrings) {
    SCOPED_TRACE(entry.name);
    EXPECT_EQ(StringValue(entry.name), entry.expected);
  }
}

}  // namespace
