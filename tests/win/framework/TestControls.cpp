#include "TestControls.h"

#include <gtest/gtest.h>

#include <optional>

#include "AnsiText.h"
#include "Pixels.h"
#include "RecordingHandler.h"

namespace {

// An exception that escapes a handler fails the running test; the framework's own handler would open a modal
// message box that nobody closes.
class TFailingHandler final : public TRecordingHandler {
 public:
  void HandleException(TObject* sender, std::exception_ptr error, const TExceptionDisplay& display) override {
    TRecordingHandler::HandleException(sender, error, display);
    ADD_FAILURE() << "unexpected exception: " << UnicodeToUtf8(Handled.back().Message);
  }
};

class TFailOnEscapingExceptions final : public ::testing::Environment {
 public:
  void SetUp() override { FHandler.emplace(); }
  void TearDown() override { FHandler.reset(); }

 private:
  std::optional<TFailingHandler> FHandler;
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
  return ClientPixel(control.Handle(), POINT{x, y});
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
