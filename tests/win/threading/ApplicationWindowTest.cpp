#include <gtest/gtest.h>

#include <atomic>

#include "Forms.h"
#include "TestSupport.h"
#include "Thread.h"

namespace {

// The application registers its window for the hand-over when it creates it.
TEST(ThreadSynchronize, TheApplicationWindowRunsTheCalls) {
  const HWND applicationWindow = Application()->Handle();
  ASSERT_NE(applicationWindow, nullptr);
  const int threadWakeUpsBefore = ThreadWakeUps();
  std::atomic<bool> ran{false};
  TLambdaThread worker([&](TLambdaThread& self) { self.Synchronize([&] { ran = true; }); });
  worker.Start();
  ASSERT_TRUE(PumpMessagesUntil([&] { return worker.Finished(); }));
  worker.WaitFor();
  EXPECT_TRUE(ran);
  EXPECT_EQ(ThreadWakeUps(), threadWakeUpsBefore) << "the call went past the application window";
}

}  // namespace
