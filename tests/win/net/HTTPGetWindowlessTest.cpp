// The download component in a program that never makes the application window: the workers' hand-over of
// progress and completion wakes the main thread through its own queue, and the waits and loops run it.

#include <gtest/gtest.h>

#include <windows.h>

#include "MessagePump.h"
#include "NetTestSupport.h"

namespace {

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

class HTTPGetWindowlessTest : public testing::Test {
 protected:
  void SetUp() override {
    int windows = 0;
    EnumThreadWindows(GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&windows));
    ASSERT_EQ(windows, 0) << "the test thread owns a window";
  }

  THTTPGet Get{nullptr};
  TEventLog Log{Get};
};

TEST_F(HTTPGetWindowlessTest, AWaitingGetFileReturnsWithTheOutcomeAndTheProgressArrives) {
  std::int32_t lastReaded = 0;
  Get.OnProgress = [&](TObject*, std::int32_t, std::int32_t readed) { lastReaded = readed; };
  Get.SetWaitThread(true);
  Get.SetURL(kServer + "/bytes/3000");
  Get.SetFileName(ScratchFile("windowless.bin"));
  {
    const TWatchdog watchdog("a waiting GetFile without the application window");
    Get.GetFile();
  }
  EXPECT_EQ(Log.DoneFiles, 1);
  EXPECT_EQ(Log.FileSize, 3000);
  EXPECT_EQ(lastReaded, 3000);
  EXPECT_FALSE(Get.Busy());
}

TEST_F(HTTPGetWindowlessTest, AStringTransferCompletesThroughThePlainMessageLoop) {
  Get.SetURL(kServer + "/bytes/2000");
  Get.GetString();
  ASSERT_TRUE(PumpMessagesUntil([&] { return Log.Outcomes() == 1; }));
  EXPECT_EQ(Log.DoneStrings, 1);
  EXPECT_EQ(Log.Text, Pattern(2000));
}

}  // namespace
