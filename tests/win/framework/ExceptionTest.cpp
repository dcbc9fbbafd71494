// Exceptions that escape handlers of window messages go to the installed exception handler, never across the
// window system's frames; the framework's own handler turns their messages into text.

#include <gtest/gtest.h>

#include <stdexcept>

#include "ExceptionHandling.h"
#include "RecordingHandler.h"
#include "Registry.h"
#include "StdCtrls.h"
#include "TestControls.h"
#include "WinText.h"

namespace {

class HandlerTest : public ::testing::Test {
 protected:
  TRecordingHandler handler;
};

TEST_F(HandlerTest, ExceptionInAButtonsOnClickReachesTheHandler) {
  TStage stage(200, 100);
  auto* button = new TButton(&stage.Owner);
  button->SetParent(&stage.Form);
  int later = 0;
  button->OnClick = [](TObject*) { throw std::runtime_error("Klick fehlgeschlagen: Größe"); };
  button->ClickButton();
  EXPECT_EQ(handler.Messages(), (std::vector<std::u16string>{u"Klick fehlgeschlagen: Größe"}));
  button->OnClick = [&](TObject*) { ++later; };
  button->ClickButton();
  EXPECT_EQ(later, 1) << "the window goes on working";
}

TEST_F(HandlerTest, ExceptionInAGraphicControlsClickNamesTheWindowedControl) {
  TStage stage(200, 100);
  auto* box = new TTestBox(&stage.Owner);
  box->SetBounds(10, 10, 50, 50);
  box->SetParent(&stage.Form);
  box->OnClick = [](TObject*) { throw std::logic_error("box"); };
  SendMessageW(stage.Form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(20, 20));
  SendMessageW(stage.Form.Handle(), WM_LBUTTONUP, 0, PointToLParam(20, 20));
  ASSERT_EQ(handler.Handled.size(), 1u);
  EXPECT_EQ(handler.Handled[0].Sender, &stage.Form);
  EXPECT_EQ(handler.Handled[0].Message, u"box");
}

// A box whose painting fails.
class TFailingBox : public TGraphicControl {
 public:
  explicit TFailingBox(TComponent* owner) : TGraphicControl(owner) {}

 protected:
  void Paint() override { throw std::runtime_error("paint"); }
};

TEST_F(HandlerTest, FailedPaintIsReportedAndTheWindowIsStillValidated) {
  TStage stage(200, 100);
  auto* box = new TFailingBox(&stage.Owner);
  box->SetBounds(10, 10, 50, 50);
  box->SetParent(&stage.Form);
  handler.Handled.clear();
  stage.Form.Repaint();
  EXPECT_EQ(handler.Messages(), (std::vector<std::u16string>{u"paint"}));
  EXPECT_FALSE(GetUpdateRect(stage.Form.Handle(), nullptr, FALSE))
      << "EndPaint was skipped: it would paint forever";
}

struct TMessageCase {
  const char* What;
  std::exception_ptr Error;
  std::u16string Expected;
};

class ExceptionMessageTest : public ::testing::TestWithParam<TMessageCase> {};

TEST_P(ExceptionMessageTest, TextOfTheException) {
  EXPECT_EQ(ExceptionMessage(GetParam().Error), GetParam().Expected) << GetParam().What;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ExceptionMessageTest,
    ::testing::Values(
        TMessageCase{"UTF-8 what()", std::make_exception_ptr(std::runtime_error("Größe")), u"Größe"},
        TMessageCase{"ANSI what()",
                     std::make_exception_ptr(std::runtime_error("Gr\xF6\xDF"
                                                                "e")),
                     AnsiToUnicode("Gr\xF6\xDF"
                                   "e")},
        TMessageCase{"UTF-16 message", std::make_exception_ptr(EUnicodeException(u"Schl\u00FCssel \u263A")),
                     u"Schl\u00FCssel \u263A"},
        TMessageCase{"registry error",
                     std::make_exception_ptr(ERegistryException(u"Fehler beim Setzen der Daten für 'X'")),
                     u"Fehler beim Setzen der Daten für 'X'"},
        TMessageCase{"not an std::exception", std::make_exception_ptr(42), u"Unknown exception"},
        TMessageCase{"nothing", std::exception_ptr(), u"Unknown exception"}),
    [](const auto& testInfo) { return std::to_string(testInfo.index); });

TEST(DefaultHandlerTest, RunThreadReturnsTheExceptionThatEscapedTheRoutine) {
  IExceptionHandler* installed = SetExceptionHandler(nullptr);
  bool ran = false;
  const std::exception_ptr none = ExceptionHandler().RunThread([&] { ran = true; });
  const std::exception_ptr escaped = ExceptionHandler().RunThread([] { throw std::runtime_error("worker"); });
  SetExceptionHandler(installed);
  EXPECT_TRUE(ran);
  EXPECT_FALSE(none);
  ASSERT_TRUE(escaped);
  EXPECT_EQ(ExceptionMessage(escaped), u"worker");
}

TEST(DefaultHandlerTest, InstallingAndRestoring) {
  TRecordingHandler mine{TRecordingHandler::TNotInstalled{}};
  IExceptionHandler* before = SetExceptionHandler(&mine);
  EXPECT_EQ(&ExceptionHandler(), &mine);
  EXPECT_EQ(SetExceptionHandler(before), &mine);
  EXPECT_EQ(&ExceptionHandler(), before);
}

}  // namespace
