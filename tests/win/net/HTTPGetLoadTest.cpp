#include <gtest/gtest.h>

#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include "Forms.h"
#include "NetTestSupport.h"

namespace {

struct TProcessUsage {
  DWORD Handles = 0;
  SIZE_T PrivateBytes = 0;
};

TProcessUsage CurrentUsage() {
  TProcessUsage usage;
  GetProcessHandleCount(GetCurrentProcess(), &usage.Handles);
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof(counters);
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                       sizeof(counters));
  usage.PrivateBytes = counters.PrivateUsage;
  return usage;
}

class HTTPGetLoadTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(Application()->Handle(), nullptr);
    Get.SetWaitThread(true);
    Get.SetFileName(ScratchFile("load.bin"));
    // The first transfer loads WinInet and its caches; growth is measured after it.
    Get.SetURL(kServer + "/bytes/5000");
    Get.GetFile();
    ASSERT_EQ(Log.DoneFiles, 1);
  }

  void ExpectNoGrowth(const TProcessUsage& before) {
    const TProcessUsage after = CurrentUsage();
    EXPECT_LE(after.Handles, before.Handles + 8) << "handles before " << before.Handles;
    EXPECT_LE(after.PrivateBytes, before.PrivateBytes + 8u * 1024 * 1024)
        << "private bytes before " << before.PrivateBytes;
  }

  THTTPGet Get{nullptr};
  TEventLog Log{Get};
};

TEST_F(HTTPGetLoadTest, FiftyDownloadsOneAfterTheOtherLeaveNoHandlesOrMemoryBehind) {
  const TProcessUsage before = CurrentUsage();
  for (int i = 0; i < 50; ++i)
    Get.GetFile();
  EXPECT_EQ(Log.DoneFiles, 51);
  EXPECT_EQ(Log.Errors, 0);
  ExpectNoGrowth(before);
}

TEST_F(HTTPGetLoadTest, FiftyMegabytesArriveWhole) {
  constexpr int kSize = 50 * 1024 * 1024;
  const TProcessUsage before = CurrentUsage();
  Get.SetURL(kServer + "/bytes/" + std::to_string(kSize));
  Get.GetFile();
  ASSERT_EQ(Log.DoneFiles, 2);
  EXPECT_EQ(Log.FileSize, kSize);
  EXPECT_TRUE(FileContents(Get.GetFileName()) == Pattern(kSize));
  ExpectNoGrowth(before);
}

}  // namespace
