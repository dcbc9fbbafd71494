#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

#include "TestSupport.h"
#include "Thread.h"

namespace {

TEST(ThreadSynchronize, RunsTheMethodOnTheMainThreadWhileTheWorkerWaits) {
  TSyncWindow window;
  std::atomic<DWORD> methodThread{0};
  std::atomic<bool> methodReturned{false};
  std::atomic<bool> workerWentOnTooEarly{false};
  std::atomic<bool> workerIsMain{true};
  TLambdaThread worker([&](TLambdaThread& self) {
    workerIsMain = IsMainThread();
    self.Synchronize([&] {
      methodThread = GetCurrentThreadId();
      methodReturned = true;
    });
    workerWentOnTooEarly = !methodReturned;
  });
  worker.Start();
  ASSERT_TRUE(PumpMessagesUntil([&] { return worker.Finished(); }));
  worker.WaitFor();

  EXPECT_TRUE(IsMainThread());
  EXPECT_FALSE(workerIsMain);
  EXPECT_EQ(methodThread, GetCurrentThreadId());
  EXPECT_FALSE(workerWentOnTooEarly);
  EXPECT_GT(window.WakeUps(), 0) << "the call ran without WM_NULL reaching the synchronize window";
  EXPECT_FALSE(worker.FatalException());
}

TEST(ThreadSynchronize, WithoutASynchronizeWindowWakesThePlainMessageLoop) {
  SetSynchronizeWindow(nullptr);
  const int wakeUpsBefore = ThreadWakeUps();
  std::atomic<bool> ran{false};
  TLambdaThread worker([&](TLambdaThread& self) { self.Synchronize([&] { ran = true; }); });
  worker.Start();
  ASSERT_TRUE(PumpMessagesUntil([&] { return worker.Finished(); }));
  worker.WaitFor();
  EXPECT_TRUE(ran);
  EXPECT_GT(ThreadWakeUps(), wakeUpsBefore);
}

TEST(ThreadSynchronize, OnTheMainThreadRunsAtOnce) {
  bool ran = false;
  TThread::Synchronize(nullptr, [&] { ran = true; });
  EXPECT_TRUE(ran);
  EXPECT_FALSE(CheckSynchronize()) << "nothing was queued";
}

TEST(ThreadSynchronize, AnExceptionOfTheMethodReachesTheWorkerAfterTheHandler) {
  TSyncWindow window;
  TRecordingHandler handler;
  std::string caught;
  TLambdaThread worker([&](TLambdaThread& self) {
    try {
      self.Synchronize([] { throw std::runtime_error("sync failure"); });
    } catch (const std::runtime_error& e) {
      caught = e.what();
    }
  });
  worker.Start();
  ASSERT_TRUE(PumpMessagesUntil([&] { return worker.Finished(); }));
  worker.WaitFor();

  EXPECT_EQ(caught, "sync failure");
  ASSERT_EQ(handler.SyncFailures.size(), 1u);
  EXPECT_EQ(handler.SyncFailures[0].Thread, &worker);
  EXPECT_EQ(handler.SyncFailures[0].Message, u"sync failure");
  EXPECT_EQ(handler.SyncFailures[0].ThreadId, GetCurrentThreadId());
  EXPECT_FALSE(worker.FatalException()) << "the worker handled it";
}

TEST(ThreadWaitFor, RunsTheCallsOfASynchronizingThread) {
  SetSynchronizeWindow(nullptr);
  int calls = 0;
  TLambdaThread worker([&](TLambdaThread& self) {
    for (int i = 0; i < 3; ++i)
      self.Synchronize([&] { ++calls; });
  });
  worker.Start();
  {
    TWatchdog watchdog("WaitFor of a thread that synchronizes");
    worker.WaitFor();
  }
  EXPECT_TRUE(worker.Finished());
  EXPECT_EQ(calls, 3);
}

TEST(ThreadWaitFor, DestroyingARunningThreadStopsItAndWaits) {
  TSyncWindow window;
  std::atomic<int> calls{0};
  std::atomic<bool> executeEnded{false};
  auto* worker = new TLambdaThread([&](TLambdaThread& self) {
    while (!self.Terminated())
      self.Synchronize([&] { ++calls; });
    executeEnded = true;
  });
  worker->Start();
  ASSERT_TRUE(PumpMessagesUntil([&] { return calls > 0; }));
  {
    TWatchdog watchdog("destroying a thread that synchronizes");
    delete worker;
  }
  EXPECT_TRUE(executeEnded);
}

struct TThreadEnd {
  std::atomic<bool> Destroyed{false};
  std::atomic<bool> DestroyedBeforeOnTerminate{false};
  std::atomic<bool> OnTerminateRan{false};
  DWORD OnTerminateThread = 0;
  TObject* OnTerminateSender = nullptr;
};

class TFlaggedThread : public TLambdaThread {
 public:
  TFlaggedThread(TThreadEnd& end, std::function<void(TLambdaThread&)> body)
      : TLambdaThread(std::move(body)), FEnd(end) {}
  ~TFlaggedThread() override { FEnd.Destroyed = true; }

 private:
  TThreadEnd& FEnd;
};

TEST(ThreadFreeOnTerminate, FreesTheThreadAfterOnTerminate) {
  TSyncWindow window;
  TThreadEnd end;
  auto* worker = new TFlaggedThread(end, [](TLambdaThread&) {});
  worker->SetFreeOnTerminate(true);
  worker->OnTerminate = [&end](TObject* sender) {
    end.DestroyedBeforeOnTerminate = end.Destroyed.load();
    end.OnTerminateThread = GetCurrentThreadId();
    end.OnTerminateSender = sender;
    end.OnTerminateRan = true;
  };
  TObject* const expectedSender = worker;
  worker->Start();
  ASSERT_TRUE(PumpMessagesUntil([&] { return end.Destroyed.load(); }));

  EXPECT_TRUE(end.OnTerminateRan);
  EXPECT_FALSE(end.DestroyedBeforeOnTerminate);
  EXPECT_EQ(end.OnTerminateThread, GetCurrentThreadId());
  EXPECT_EQ(end.OnTerminateSender, expectedSender);
}

TEST(ThreadFatalException, TheDefaultHandlerKeepsWhatEscapedExecute) {
  IExceptionHandler* previous = SetExceptionHandler(nullptr);
  TLambdaThread worker([](TLambdaThread&) { throw std::runtime_error("execute failure"); });
  worker.Start();
  worker.WaitFor();
  SetExceptionHandler(previous);

  EXPECT_TRUE(worker.Finished());
  EXPECT_EQ(MessageOf(worker.FatalException()), "execute failure");
}

}  // namespace
