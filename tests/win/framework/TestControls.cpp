#include "TestControls.h"

#include <gtest/gtest.h>

#include "AnsiText.h"
#include "ExceptionHandling.h"

namespace {

// An exception that escapes a handler fails the running test; the framework's own handler would open a modal
// message box that nobody closes.
class TFailingHandler final : public IExceptionHandler {
 public:
  void HandleException(TObject*, std::exception_ptr error, const TExceptionDisplay&) override {
    ADD_FAILURE() << "unexpected exception: " << UnicodeToUtf8(ExceptionMessage(error));
  }
  std::exception_ptr RunThread(const std::function<void()>& execute) override {
    execute();
    return nullptr;
  }
  void SynchronizeFailed(TObject*, std::exception_ptr) override {}
};

class TFailOnEscapingExceptions final : public ::testing::Environment {
 public:
  void SetUp() override { SetExceptionHandler(&FHandler); }
  void TearDown() override { SetExceptionHandler(nullptr); }

 private:
  TFailingHandler FHandler;
};

[[maybe_unused]] ::testing::Environment* const kFailOnEscapingExceptions =
    ::testing::AddGlobalTestEnvironment(new TFailOnEscapingExceptions);

}  // namespace

const TClassInfo& TTestPanel::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTestPanel>("TTestPanel", &TCustomControl::StaticClass()).Creatable().Build();
  return info;
}

void TTestPanel::WndProc(TMessage& message) {
  if (message.Msg == WM_GETDLGCODE && DialogCode != 0) {
    message.Result = DialogCode;
    return;
  }
  TCustomControl::WndProc(message);
}

const TClassInfo& TTestBox::StaticClass() {
  static const TClassInfo info = TClassBuilder<TTestBox>("TTestBox", &TGraphicControl::StaticClass()).Build();
  return info;
}

void TTestBox::Paint() {
  Canvas().Brush().SetColor(Fill);
  Canvas().FillRect(RECT{-500, -500, 1000, 1000});
  Canvas().Brush().SetColor(Marker);
  Canvas().FillRect(RECT{0, 0, 2, 2});
}

void TTestBox::MouseDown(TMouseButton, TShiftState, int x, int y) {
  Log.push_back("down " + std::to_string(x) + "," + std::to_string(y));
}
void TTestBox::MouseMove(TShiftState, int x, int y) {
  Log.push_back("move " + std::to_string(x) + "," + std::to_string(y));
}
void TTestBox::MouseUp(TMouseButton, TShiftState, int x, int y) {
  Log.push_back("up " + std::to_string(x) + "," + std::to_string(y));
}
void TTestBox::Click() {
  Log.push_back("click");
  TGraphicControl::Click();
}
void TTestBox::MouseEnter() {
  Log.push_back("enter");
}
void TTestBox::MouseLeave() {
  Log.push_back("leave");
}

COLORREF PaintedPixel(TWinControl& control, int x, int y) {
  control.Repaint();
  HDC dc = GetDC(control.Handle());
  const COLORREF color = GetPixel(dc, x, y);
  ReleaseDC(control.Handle(), dc);
  return color;
}

TForm& SharedForm(int clientWidth, int clientHeight) {
  static TForm* form = [] {
    auto* created = new TForm(nullptr);
    created->SetBounds(40, 40, created->GetWidth(), created->GetHeight());
    created->Show();
    SetForegroundWindow(created->Handle());
    return created;
  }();
  form->SetClientSize(clientWidth, clientHeight);
  form->SetActiveControl(nullptr);
  PumpMessages();
  return *form;
}
