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

// Without a window for the hand-over (as when the application window could not be made) the wake-up goes to
// the main thread's own queue, and the application's loop runs the calls for it.
TEST(ThreadSynchronize, TheApplicationsLoopRunsTheCallsWithoutASynchronizeWindow) {
  const HWND applicationWindow = Application()->Handle();
  ASSERT_NE(applicationWindow, nullptr);
  SetSynchronizeWindow(nullptr);
  std::atomic<DWORD> ranOn{0};
  TLambdaThread worker([&](TLambdaThread& self) { self.Synchronize([&] { ranOn = GetCurrentThreadId(); }); });
  worker.Start();
  {
    const TWatchdog watchdog("the application's loop with the wake-up in the thread's queue");
    // The call runs inside the loop; until it has run, its wake-up is still to come and ends the wait.
    while (!ranOn) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
      Application()->ProcessMessages();
    }
  }
  SetSynchronizeWindow(applicationWindow);
  worker.WaitFor();
  EXPECT_EQ(ranOn, GetCurrentThreadId());
}

}  // namespace
