#include <gtest/gtest.h>

#include "Handles.h"
#include "Registry.h"

namespace {

constexpr wchar_t kTestKey[] = L"Software\\OvantaTest";

// Every test starts and ends without HKCU\Software\OvantaTest.
class RegistryTest : public testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }
};

TEST_F(RegistryTest, WritesAndReadsStringValues) {
  const std::u16string longValue(300, u'x');  // more than a first read takes
  const std::u16string values[] = {u"1234567890", u"", u"Grüße €", longValue};
  TRegistry registry;
  EXPECT_EQ(registry.GetRootKey(), HKEY_CURRENT_USER);
  ASSERT_TRUE(registry.OpenKey(u"\\Software\\OvantaTest", true));
  for (const auto& value : values) {
    registry.WriteString(u"Value", value);
    EXPECT_EQ(registry.ReadString(u"Value"), value);
  }
  EXPECT_TRUE(registry.ValueExists(u"Value"));
  EXPECT_TRUE(registry.DeleteValue(u"Value"));
  EXPECT_FALSE(registry.ValueExists(u"Value"));
  EXPECT_EQ(registry.ReadString(u"Value"), u"");
  EXPECT_FALSE(registry.DeleteValue(u"Value"));
}

TEST_F(RegistryTest, StoresRegSzWithTheTerminatingNull) {
  {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(u"\\Software\\OvantaTest", true));
    registry.WriteString(u"CustomerID", u"ABCDEFGHIJ");
  }
  HKEY opened = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kTestKey, 0, KEY_READ, &opened), ERROR_SUCCESS);
  const TRegistryKey key(opened);
  DWORD type = 0;
  wchar_t data[32] = {};
  DWORD size = sizeof(data);
  const LSTATUS status =
      RegQueryValueExW(key.Get(), L"CustomerID", nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  ASSERT_EQ(status, ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(size, 11 * sizeof(wchar_t));
  EXPECT_STREQ(data, L"ABCDEFGHIJ");
}

TEST_F(RegistryTest, RelativeAndAbsoluteKeyPaths) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(u"\\Software\\OvantaTest", true));
  ASSERT_TRUE(registry.OpenKey(u"Inner", true));  // relative to the open key
  registry.WriteString(u"Where", u"inner");
  ASSERT_TRUE(registry.OpenKey(u"\\Software\\OvantaTest", false));  // from RootKey again
  EXPECT_FALSE(registry.ValueExists(u"Where"));
  ASSERT_TRUE(registry.OpenKey(u"Inner", false));
  EXPECT_EQ(registry.ReadString(u"Where"), u"inner");
  registry.CloseKey();
  EXPECT_EQ(registry.CurrentKey(), nullptr);
  ASSERT_TRUE(registry.OpenKey(u"Software\\OvantaTest\\Inner", false));  // no open key: from RootKey
  EXPECT_EQ(registry.ReadString(u"Where"), u"inner");
}

TEST_F(RegistryTest, OpeningAMissingKeyWithoutCreatingFails) {
  TRegistry registry;
  EXPECT_FALSE(registry.OpenKey(u"\\Software\\OvantaTest\\Missing", false));
  EXPECT_EQ(registry.CurrentKey(), nullptr);
  HKEY key = nullptr;
  EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, kTestKey, 0, KEY_READ, &key), ERROR_SUCCESS)
      << "nothing created";
}

TEST_F(RegistryTest, ANonStringValueReadsAsEmpty) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(u"\\Software\\OvantaTest", true));
  const DWORD number = 42;
  ASSERT_EQ(RegSetValueExW(registry.CurrentKey(), L"Number", 0, REG_DWORD,
                           reinterpret_cast<const BYTE*>(&number), sizeof(number)),
            ERROR_SUCCESS);
  EXPECT_TRUE(registry.ValueExists(u"Number"));
  EXPECT_EQ(registry.ReadString(u"Number"), u"");
}

TEST_F(RegistryTest, AFailedWriteRaisesTheMessageWithTheValueName) {
  {
    TRegistry writer;
    ASSERT_TRUE(writer.OpenKey(u"\\Software\\OvantaTest", true));
  }
  TRegistry reader(KEY_READ);
  ASSERT_TRUE(reader.OpenKey(u"\\Software\\OvantaTest", false));
  try {
    reader.WriteString(u"CustomerID", u"ABCDEFGHIJ");
    FAIL() << "a write to a read-only key succeeded";
  } catch (const ERegistryException& e) {
    EXPECT_EQ(e.Message(), u"Fehler beim Setzen der Daten für 'CustomerID'");
    EXPECT_STREQ(e.what(), "Fehler beim Setzen der Daten f\xC3\xBCr 'CustomerID'");
  }
  EXPECT_FALSE(reader.ValueExists(u"CustomerID"));
}

TEST_F(RegistryTest, AWriteWithoutAnOpenKeyRaises) {
  TRegistry registry;
  EXPECT_THROW(registry.WriteString(u"CustomerID", u"x"), ERegistryException);
}

}  // namespace
