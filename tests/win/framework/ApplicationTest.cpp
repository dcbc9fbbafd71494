// The application's message loop as the program runs it: the main form shown with the focus on its first
// control, exceptions of handlers reported while the loop goes on, calls handed over by a worker thread run
// on WM_NULL, and the close box of the main form ending the loop. One Run per process: this is its own
// program.

#include <gtest/gtest.h>

#include <stdexcept>

#include "Forms.h"
#include "RecordingHandler.h"
#include "StdCtrls.h"
#include "Thread.h"

namespace {

// Hands one call to the main thread and ends.
class THandOver : public TThread {
 public:
  explicit THandOver(std::function<void()> call) : TThread(true), FCall(std::move(call)) {}

 protected:
  void Execute() override { Synchronize(FCall); }

 private:
  std::function<void()> FCall;
};

TEST(ApplicationRunTest, RunsUntilTheMainFormIsClosed) {
  const TRecordingHandler handler;
  TApplication* application = Application();
  application->Initialize();
  application->SetMainFormOnTaskBar(true);
  application->SetTitle(u"Ovanta");

  TForm* mainForm = nullptr;
  application->CreateForm(mainForm);
  ASSERT_EQ(application->MainForm(), mainForm);
  TForm* second = nullptr;
  application->CreateForm(second);
  EXPECT_EQ(application->MainForm(), mainForm) << "only the first form becomes the main form";

  mainForm->SetClientSize(300, 200);
  auto* failing = new TButton(mainForm);
  failing->SetParent(mainForm);
  failing->SetTabStop(false);
  failing->OnClick = [](TObject*) { throw std::runtime_error("handler failed"); };
  auto* counting = new TButton(mainForm);
  counting->SetBounds(100, 0, 75, 25);
  counting->SetParent(mainForm);
  int clicks = 0;
  counting->OnClick = [&](TObject*) { ++clicks; };

  bool focusedOnStart = false;
  bool handedOverOnMainThread = false;
  THandOver worker([&] {
    handedOverOnMainThread = IsMainThread();
    focusedOnStart = counting->Focused();
    PostMessageW(failing->Handle(), BM_CLICK, 0, 0);
    PostMessageW(counting->Handle(), BM_CLICK, 0, 0);
    PostMessageW(mainForm->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box
  });
  worker.Start();
  application->Run();
  worker.WaitFor();

  EXPECT_TRUE(application->Terminated());
  EXPECT_TRUE(handedOverOnMainThread);
  EXPECT_TRUE(focusedOnStart) << "the first control in tab order that is a tab stop gets the focus";
  EXPECT_EQ(handler.Messages(), (std::vector<std::u16string>{u"handler failed"}));
  EXPECT_EQ(clicks, 1) << "the loop went on after the exception";

  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(mainForm->Handle(), GWL_EXSTYLE));
  EXPECT_TRUE(exStyle & WS_EX_APPWINDOW);
  EXPECT_EQ(GetWindow(mainForm->Handle(), GW_OWNER), nullptr);
  wchar_t title[32] = {};
  GetWindowTextW(application->Handle(), title, 32);
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(title)), u"Ovanta");
  EXPECT_FALSE(IsWindowVisible(application->Handle()));

  // Alt+F4 on another form closes (hides) just that form.
  second->Show();
  SendMessageW(second->Handle(), WM_SYSKEYDOWN, VK_F4, static_cast<LPARAM>(KF_ALTDOWN) << 16);
  application->ProcessMessages();
  EXPECT_FALSE(second->GetVisible());
  EXPECT_EQ(GetWindow(second->Handle(), GW_OWNER), mainForm->Handle());
}

}  // namespace
