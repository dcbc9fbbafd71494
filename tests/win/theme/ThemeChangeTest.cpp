// The application's theme-change broadcast: which windows hear of it, and in which order.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Forms.h"
#include "MessagePump.h"
#include "ThemeServices.h"
#include "Themes.h"

namespace {

// One line per message heard: "<name> family" or "<name> themechanged".
std::vector<std::string>& Heard() {
  static std::vector<std::string> heard;
  return heard;
}

void Record(const std::string& name, const TMessage& message) {
  if (message.Msg == CM_EXTHEMECHANGED)
    Heard().push_back(name + " family");
  else if (message.Msg == WM_THEMECHANGED)
    Heard().push_back(name + " themechanged");
}

class TListeningForm : public TForm {
 public:
  using TForm::TForm;
  void WndProc(TMessage& message) override {
    Record(GetName(), message);
    TForm::WndProc(message);
  }
};

class TListeningControl : public TWinControl {
 public:
  using TWinControl::TWinControl;
  void WndProc(TMessage& message) override {
    Record(GetName(), message);
    TWinControl::WndProc(message);
  }
};

class ThemeChange : public testing::Test {
 protected:
  ThemeChange() {
    Heard().clear();
    FForm->SetName("Form");
    FForm->SetBorderStyle(TFormBorderStyle::bsNone);
    FForm->SetBounds(0, 0, 200, 200);
  }
  ~ThemeChange() override { ThemeApplication().SetUseXPThemesFamilyOnly(false); }

  TListeningControl* Add(const char* name, TWinControl* parent) {
    auto* control = new TListeningControl(FForm.get());
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(0, 0, 20, 20);
    return control;
  }

  // Owned by the application, as the program's forms are, so that the broadcast finds it.
  std::unique_ptr<TListeningForm> FForm = std::make_unique<TListeningForm>(Application());
};

TEST_F(ThemeChange, ReachesWindowedDescendantsDepthFirstThenTheForm) {
  TListeningControl* a = Add("A", FForm.get());
  Add("A1", a);
  Add("A2", a);
  Add("B", FForm.get());
  FForm->Show();
  PumpMessages();
  Heard().clear();

  ThemeApplication().DoThemeChange();

  const std::vector<std::string> expected{"Form family",    "A family",         "B family",
                                          "A themechanged", "A1 themechanged",  "A2 themechanged",
                                          "B themechanged", "Form themechanged"};
  EXPECT_EQ(Heard(), expected);
}

TEST_F(ThemeChange, ForTheFamilyOnlyTheFormItselfGetsNoThemeChange) {
  Add("A", FForm.get());
  FForm->Show();
  PumpMessages();
  Heard().clear();
  ThemeApplication().SetUseXPThemesFamilyOnly(true);

  ThemeApplication().DoThemeChange();

  EXPECT_EQ(Heard(), (std::vector<std::string>{"Form family", "A family", "A themechanged"}));
}

TEST_F(ThemeChange, AHiddenFormHearsOnlyTheFamilyNotification) {
  Add("A", FForm.get())->HandleNeeded();
  Heard().clear();

  ThemeApplication().DoThemeChange();

  EXPECT_EQ(Heard(), std::vector<std::string>{"Form family"});
}

TEST_F(ThemeChange, ANewGlobalModeIsBroadcastAndTheSameOneIsNot) {
  FForm->Show();
  PumpMessages();
  Heard().clear();
  ThemeApplication().SetThemeGlobalMode(TThemeMode::ttmPlatform);
  EXPECT_TRUE(Heard().empty());

  ThemeApplication().SetThemeGlobalMode(TThemeMode::ttmNone);
  ThemeApplication().SetThemeGlobalMode(TThemeMode::ttmPlatform);
  EXPECT_EQ(Heard(), (std::vector<std::string>{"Form family", "Form themechanged", "Form family",
                                               "Form themechanged"}));
}

TEST_F(ThemeChange, TheServicesPassTheSystemsThemeChangeOn) {
  if (!ThemeApplication().GetUseXPThemes())
    GTEST_SKIP() << "no visual styles in use here: the system's theme change is ignored";
  Add("A", FForm.get());
  FForm->Show();
  PumpMessages();
  Heard().clear();

  SendMessageW(ThemeServices().NotificationWindow(), WM_THEMECHANGED, 0, 0);

  EXPECT_EQ(Heard(),
            (std::vector<std::string>{"Form family", "A family", "A themechanged", "Form themechanged"}));
  EXPECT_FALSE(ThemeServices().SystemThemeChanging());
}

}  // namespace
