#include <gtest/gtest.h>

#include "HTTPGetURL.h"

namespace {

struct TURLCase {
  const char* URL;
  const char* HostName;
  const char* ObjectPath;
  bool Secure;
};

class ParseURLTest : public testing::TestWithParam<TURLCase> {};

TEST_P(ParseURLTest, SplitsHostPathAndScheme) {
  const TURLCase& c = GetParam();
  const THTTPGetURL parts = ParseURL(c.URL);
  EXPECT_EQ(parts.HostName, c.HostName);
  EXPECT_EQ(parts.ObjectPath, c.ObjectPath);
  EXPECT_EQ(parts.Secure, c.Secure);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, ParseURLTest,
    testing::Values(TURLCase{"http://Host.Example/Path/File.EXE", "Host.Example", "/Path/File.EXE", false},
                    TURLCase{"HTTP://host/a", "host", "/a", false},
                    TURLCase{"Http://host/a", "host", "/a", false},
                    TURLCase{"https://host/a?b=c/d", "host", "/a?b=c/d", true},
                    TURLCase{"HTTPS://Host/A", "Host", "/A", true},
                    TURLCase{"host.example/x", "host.example", "/x", false},
                    TURLCase{"http://host:8080/x", "host:8080", "/x", false},
                    TURLCase{"http://user:pw@host/x", "user:pw@host", "/x", false},
                    TURLCase{"http://host", "", "host", false}, TURLCase{"https://", "", "", true},
                    TURLCase{"ftp://host/x", "ftp:", "//host/x", false}, TURLCase{"", "", "", false}));

}  // namespace
