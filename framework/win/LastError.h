#pragma once
// Turning a failed Win32 call into an exception that carries the call's error code.

#include <windows.h>

#include <system_error>

// Throws std::system_error with GetLastError() and `what`, the name of the call that failed.
[[noreturn]] inline void RaiseLastError(const char* what) {
  throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}
