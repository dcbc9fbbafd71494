// The product configuration header is generated from the OVANTA_* cache variables: every value must arrive
// unchanged, in its UTF-16 and in its 8-bit form.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "ProductConfig.h"

namespace {

struct ConfiguredValue {
  const char* cacheVariable;
  std::u16string_view utf16;
  std::string_view ansi;
  std::string_view expected;
};

const ConfiguredValue kConfiguredValues[] = {
    {"OVANTA_DOWNLOAD_HOST", ProductConfig::kDownloadHost, ProductConfig::kDownloadHostAnsi,
     OVANTA_EXPECTED_DOWNLOAD_HOST},
    {"OVANTA_SIGNUP_HOST_DE", ProductConfig::kSignupHostDe, ProductConfig::kSignupHostDeAnsi,
     OVANTA_EXPECTED_SIGNUP_HOST_DE},
    {"OVANTA_SIGNUP_HOST_EN", ProductConfig::kSignupHostEn, ProductConfig::kSignupHostEnAnsi,
     OVANTA_EXPECTED_SIGNUP_HOST_EN},
    {"OVANTA_CAMPAIGN", ProductConfig::kCampaign, ProductConfig::kCampaignAnsi, OVANTA_EXPECTED_CAMPAIGN},
};

// The build accepts ASCII values only, so widening byte by byte is exact.
std::u16string WidenAscii(std::string_view text) {
  return std::u16string(text.begin(), text.end());
}

TEST(ProductConfigTest, GeneratedValuesEqualTheCacheVariables) {
  for (const ConfiguredValue& value : kConfiguredValues) {
    SCOPED_TRACE(value.cacheVariable);
    EXPECT_FALSE(value.expected.empty());
    EXPECT_EQ(value.ansi, value.expected);
    EXPECT_EQ(value.utf16, WidenAscii(value.expected));
  }
}

}  // namespace
