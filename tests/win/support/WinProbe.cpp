// Looks at another program's windows the way a user's tools would, for the end-to-end tests:
//   winprobe window TITLE SECONDS   waits for a visible top-level window titled TITLE and prints
//                                   "<client left> <client top> <client width> <client height>" (screen
//                                   pixels)
//   winprobe focus TITLE            prints "<class>|<text>" of the window holding the keyboard focus in the
//                                   thread of the window titled TITLE
//   winprobe children TITLE         prints "<class>|<text>|<left> <top> <width> <height>" (screen pixels)
//                                   for each child window of the window titled TITLE; backslash, carriage
//                                   return and line feed in a text are written as \\, \r and \n
//   winprobe cursor                 prints the cursor shown now (GetCursorInfo): "hand", "arrow" or "ibeam"
//                                   when it is the probe's own system cursor of that kind, else its handle
//                                   ("0x..."; under Wine each process loads the system cursors anew)
//   winprobe hold FILE SECONDS      keeps FILE open for reading, sharing neither writing nor deletion,
//                                   prints "held", and closes it after SECONDS or as soon as its standard
//                                   input ends
// Exit status 1 when the window or file is not there.

#include <windows.h>

#include <cstdio>
#include <string>

#include "Handles.h"

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
  HWND wnd = FindVisible(title);
  for (int i = 0; i < seconds * 10 && !wnd; ++i) {
    Sleep(100);
    wnd = FindVisible(title);
  }
  if (!wnd)
    return 1;
  RECT client{};
  GetClientRect(wnd, &client);
  POINT origin{0, 0};
  ClientToScreen(wnd, &origin);
  std::printf("%ld %ld %ld %ld\n", origin.x, origin.y, client.right - client.left,
              client.bottom - client.top);
  return 0;
}

int Focus(const std::wstring& title) {
  HWND wnd = FindVisible(title);
  if (!wnd)
    return 1;
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

std::string Escaped(const std::string& text) {
  std::string result;
  for (const char c : text) {
    if (c == '\r')
      result += "\\r";
    else if (c == '\n')
      result += "\\n";
    else if (c == '\\')
      result += "\\\\";
    else
      result += c;
  }
  return result;
}

std::string WindowText(HWND wnd) {
  wchar_t text[2048] = {};
  SendMessageTimeoutW(wnd, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
  return Narrow(text);
}

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
  wchar_t className[128] = {};
  GetClassNameW(child, className, 128);
  RECT rect{};
  GetWindowRect(child, &rect);
  std::printf("%s|%s|%ld %ld %ld %ld\n", Narrow(className).c_str(), Escaped(WindowText(child)).c_str(),
              rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  return TRUE;
}

int Children(const std::wstring& title) {
  HWND wnd = FindVisible(title);
  if (!wnd)
    return 1;
  EnumChildWindows(wnd, PrintChild, 0);
  return 0;
}

int Cursor() {
  CURSORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetCursorInfo(&info))
    return 1;
  const struct {
    const wchar_t* Id;
    const char* Name;
  } known[] = {{IDC_HAND, "hand"}, {IDC_ARROW, "arrow"}, {IDC_IBEAM, "ibeam"}};
  for (const auto& cursor : known) {
    if (info.hCursor == LoadCursorW(nullptr, cursor.Id)) {
      std::printf("%s\n", cursor.Name);
      return 0;
    }
  }
  std::printf("%p\n", static_cast<void*>(info.hCursor));
  return 0;
}

// Reads standard input until it ends.
DWORD WINAPI DrainInput(void*) {
  char buffer[256];
  DWORD read = 0;
  while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof(buffer), &read, nullptr) && read > 0) {
  }
  return 0;
}

int Hold(const std::wstring& name, int seconds) {
  TFileHandle file(CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    std::printf("cannot open the file: error %lu\n", GetLastError());
    return 1;
  }
  std::printf("held\n");
  std::fflush(stdout);
  const TKernelHandle input(CreateThread(nullptr, 0, DrainInput, nullptr, 0, nullptr));
  WaitForSingleObject(input.Get(), static_cast<DWORD>(seconds) * 1000);
  file.Reset();
  std::printf("released\n");
  std::fflush(stdout);
  // The input thread may still be reading: the process ends without waiting for it.
  ExitProcess(0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 4 && std::string(argv[1]) == "window")
    return Window(Widen(argv[2]), std::atoi(argv[3]));
  if (argc >= 3 && std::string(argv[1]) == "focus")
    return Focus(Widen(argv[2]));
  if (argc >= 3 && std::string(argv[1]) == "children")
    return Children(Widen(argv[2]));
  if (argc >= 2 && std::string(argv[1]) == "cursor")
    return Cursor();
  if (argc >= 4 && std::string(argv[1]) == "hold")
    return Hold(Widen(argv[2]), std::atoi(argv[3]));
  std::fprintf(stderr,
               "usage: winprobe window TITLE SECONDS | winprobe focus TITLE | winprobe children TITLE | "
               "winprobe cursor | winprobe hold FILE SECONDS\n");
  return 2;
}
