// The harness runs Windows tests under wine64 on a real X display, with the locale the test asks for.

#include <windows.h>

#include <gtest/gtest.h>

#include "Handles.h"
#include "Pixels.h"

namespace {

constexpr COLORREF kClientColor = RGB(12, 160, 92);

// A top-level window whose client area is filled with kClientColor by its class background brush.
class TopLevelWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    brush_.Reset(CreateSolidBrush(kClientColor));
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = brush_.Get();
    windowClass.lpszClassName = kClassName;
    ASSERT_NE(RegisterClassExW(&windowClass), 0) << "error " << GetLastError();
    window_ = CreateWindowExW(0, kClassName, L"Harness smoke window", WS_OVERLAPPEDWINDOW, 100, 100, 320, 240,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window_, nullptr) << "error " << GetLastError();
  }

  void TearDown() override {
    if (window_ != nullptr) {
      EXPECT_TRUE(DestroyWindow(window_));
    }
    UnregisterClassW(kClassName, GetModuleHandleW(nullptr));
  }

  // The colour the display shows at the centre of the window's client area.
  COLORREF ScreenColorAtClientCentre() const {
    RECT client{};
    GetClientRect(window_, &client);
    POINT centre{client.right / 2, client.bottom / 2};
    ClientToScreen(window_, &centre);
    return ClientPixel(nullptr, centre);
  }

  // Dispatches messages until the display shows the client colour; false if it does not within 10 s.
  bool PumpUntilClientColorOnScreen() const {
    const ULONGLONG deadline = GetTickCount64() + 10000;
    while (GetTickCount64() < deadline) {
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
      if (ScreenColorAtClientCentre() == kClientColor) {
        return true;
      }
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return false;
  }

  static constexpr const wchar_t* kClassName = L"OvantaHarnessSmokeWindow";
  TBrushHandle brush_;
  HWND window_ = nullptr;
};

TEST_F(TopLevelWindowTest, ShownWindowAppearsOnTheDisplay) {
  EXPECT_FALSE(IsWindowVisible(window_));
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  EXPECT_TRUE(IsWindowVisible(window_));
  EXPECT_TRUE(PumpUntilClientColorOnScreen()) << "screen shows 0x" << std::hex << ScreenColorAtClientCentre();
}

// The test registration sets LC_ALL=de_DE.UTF-8; Wine derives the system language from it.
TEST(HarnessLocaleTest, SystemDefaultLanguageFollowsLcAll) {
  const LANGID language = GetSystemDefaultLangID();
  EXPECT_EQ(language, 0x0407) << "0x" << std::hex << language;
  EXPECT_EQ(PRIMARYLANGID(language), LANG_GERMAN);
}

}  // namespace
