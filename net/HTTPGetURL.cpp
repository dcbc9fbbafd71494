#include "HTTPGetURL.h"

#include "AsciiCase.h"

namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return SameIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

THTTPGetURL ParseURL(std::string_view url) {
  constexpr std::string_view kHttp = "http://";
  constexpr std::string_view kHttps = "https://";
  THTTPGetURL parts;
  if (StartsWithIgnoringCase(url, kHttp)) {
    url.remove_prefix(kHttp.size());
  } else if (StartsWithIgnoringCase(url, kHttps)) {
    url.remove_prefix(kHttps.size());
    parts.Secure = true;
  }
  const std::size_t slash = url.find('/');
  if (slash == std::string_view::npos) {
    parts.ObjectPath = std::string(url);
    return parts;
  }
  parts.HostName = std::string(url.substr(0, slash));
  parts.ObjectPath = std::string(url.substr(slash));
  return parts;
}
