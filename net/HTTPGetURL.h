#pragma once
// Splitting a download address into host name, object path and the secure flag.

#include <string>
#include <string_view>

struct THTTPGetURL {
  std::string HostName;
  // From the first "/" after the host to the end, query string included.
  std::string ObjectPath;
  bool Secure = false;
};

// "http://" or "https://" in any letter case is removed (the latter sets Secure); anything else is host and
// path without a scheme. No port, user name or password is taken out: a colon stays part of the host name.
// Without a "/" the host name is empty and the whole rest is the object path.
THTTPGetURL ParseURL(std::string_view url);
