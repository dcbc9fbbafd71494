#include <gtest/gtest.h>

#include "Resources.h"

namespace {

TEST(Resources, LoadsTheBytesOfAnRcDataResource) {
  const auto data = LoadResourceData(nullptr, u"SMALLFORM");
  ASSERT_TRUE(data.has_value());
  ASSERT_GE(data->size(), 4u);
  EXPECT_EQ(std::string(data->begin(), data->begin() + 4), "TPF0");
  EXPECT_FALSE(LoadResourceData(nullptr, u"NOSUCHRESOURCE").has_value());
}

TEST(Resources, ParsesAStoredDescription) {
  const TStreamObject form = LoadDescription(nullptr, u"SMALLFORM");
  EXPECT_EQ(form.ClassName, "TForm1");
  EXPECT_EQ(form.Name, "Form1");
  ASSERT_EQ(form.Properties.size(), 2u);
  EXPECT_EQ(form.Properties[0].Name, "Caption");
  EXPECT_EQ(form.Properties[0].Value.Type, TValueType::vaString);
  EXPECT_EQ(form.Properties[0].Value.Bytes, "Hello");
  EXPECT_EQ(form.Properties[1].Name, "Left");
  EXPECT_EQ(form.Properties[1].Value.Integer, 300);
  ASSERT_EQ(form.Children.size(), 1u);
  EXPECT_EQ(form.Children[0].ClassName, "TTimer");
  EXPECT_EQ(form.Children[0].Name, "Timer1");
  ASSERT_EQ(form.Children[0].Properties.size(), 1u);
  EXPECT_EQ(form.Children[0].Properties[0].Name, "Interval");
  EXPECT_EQ(form.Children[0].Properties[0].Value.Integer, 10);
}

TEST(Resources, AMissingDescriptionRaisesNamingIt) {
  try {
    LoadDescription(nullptr, u"NOSUCHFORM");
    FAIL() << "no error for a missing resource";
  } catch (const EStreamError& e) {
    EXPECT_STREQ(e.what(), "Resource NOSUCHFORM not found");
  }
}

TEST(Resources, AMalformedDescriptionRaises) {
  EXPECT_THROW(LoadDescription(nullptr, u"BADSIGNATURE"), EStreamError);
}

}  // namespace
