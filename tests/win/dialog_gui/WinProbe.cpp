// Looks at another program's windows the way a user's tools would, for the end-to-end tests:
//   winprobe window TITLE SECONDS   waits for a visible top-level window titled TITLE and prints
//                                   "<client left> <client top> <client width> <client height>" (screen pixels)
//   winprobe focus TITLE            prints "<class>|<text>" of the window holding the keyboard focus in the
//                                   thread of the window titled TITLE
// Exit status 1 when the window is not there.

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::wstring Widen(const char* text) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  std::wstring result(static_cast<std::size_t>(length > 0 ? length - 1 : 0), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text, -1, result.data(), length);
  return result;
}

std::string Narrow(const std::wstring& text) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(length > 0 ? length - 1 : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, result.data(), length, nullptr, nullptr);
  return result;
}

HWND FindVisible(const std::wstring& title) {
  HWND wnd = FindWindowW(nullptr, title.c_str());
  return wnd && IsWindowVisible(wnd) ? wnd : nullptr;
}

int Window(const std::wstring& title, int seconds) {
  HWND wnd = nullptr;
  for (int i = 0; i < seconds * 10 && !(wnd = FindVisible(title)); ++i) Sleep(100);
  if (!wnd) return 1;
  RECT client{};
  GetClientRect(wnd, &client);
  POINT origin{0, 0};
  ClientToScreen(wnd, &origin);
  std::printf("%ld %ld %ld %ld\n", origin.x, origin.y, client.right - client.left, client.bottom - client.top);
  return 0;
}

int Focus(const std::wstring& title) {
  HWND wnd = FindVisible(title);
  if (!wnd) return 1;
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(wnd, nullptr), &info) || !info.hwndFocus) {
    std::printf("|\n");
    return 0;
  }
  wchar_t className[128] = {};
  GetClassNameW(info.hwndFocus, className, 128);
  wchar_t text[512] = {};
  SendMessageTimeoutW(info.hwndFocus, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                      nullptr);
  std::printf("%s|%s\n", Narrow(className).c_str(), Narrow(text).c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 4 && std::string(argv[1]) == "window") return Window(Widen(argv[2]), std::atoi(argv[3]));
  if (argc >= 3 && std::string(argv[1]) == "focus") return Focus(Widen(argv[2]));
  std::fprintf(stderr, "usage: winprobe window TITLE SECONDS | winprobe focus TITLE\n");
  return 2;
}
