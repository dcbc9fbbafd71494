// Typing into the edit box on a shown form: characters become its text, Backspace takes the last one, and the
// settings that limit input are respected.

#include <gtest/gtest.h>

#include <string>

#include "ExEdits.h"
#include "ShownForm.h"

namespace {

class EditInput : public ShownFormTest {
 protected:
  EditInput() {
    FEdit = AddControl<TExEdit>();
    FEdit->SetBounds(10, 10, 193, 24);
    FEdit->SetThemeMode(TThemeMode::ttmNone);
    FEdit->OnChange = [this](TObject* sender) {
      EXPECT_EQ(sender, FEdit);
      ++FChanges;
    };
    Show();
    FEdit->SetFocus();
    PumpMessages();
  }

  // Sends the characters to the window that has the keyboard focus, as typing does.
  static void Type(const std::u16string& text) {
    for (char16_t c : text)
      SendMessageW(GetFocus(), WM_CHAR, c, 1);
  }
  static void PressBackspace() {
    SendMessageW(GetFocus(), WM_KEYDOWN, VK_BACK, 1);
    SendMessageW(GetFocus(), WM_CHAR, 8, 1);
    SendMessageW(GetFocus(), WM_KEYUP, VK_BACK, 1);
  }

  TExEdit* FEdit = nullptr;
  int FChanges = 0;
};

TEST_F(EditInput, TypedCharactersBecomeTheText) {
  ASSERT_EQ(GetFocus(), FEdit->Handle());
  Type(u"AB-4711 ü");
  EXPECT_EQ(FEdit->GetText(), u"AB-4711 ü");
  EXPECT_EQ(FChanges, 9);
  EXPECT_TRUE(FEdit->GetModified());
}

TEST_F(EditInput, BackspaceTakesTheLastCharacter) {
  Type(u"abc");
  PressBackspace();
  EXPECT_EQ(FEdit->GetText(), u"ab");
  EXPECT_EQ(FChanges, 4);
  // A surrogate pair goes as one character.
  Type(u"\U0001F600");
  PressBackspace();
  EXPECT_EQ(FEdit->GetText(), u"ab");
  // At the start of the text nothing is removed, yet the edit is reported.
  PressBackspace();
  PressBackspace();
  const int changes = FChanges;
  PressBackspace();
  EXPECT_EQ(FEdit->GetText(), u"");
  EXPECT_EQ(FChanges, changes + 1);
}

TEST_F(EditInput, ControlCharactersAreNotTyped) {
  Type(u"a");
  Type(std::u16string{u'\t', u'\r', u'\x1B', u'\x7F', u'\x01', u'\n'});
  EXPECT_EQ(FEdit->GetText(), u"a");
  EXPECT_EQ(FChanges, 1);
}

TEST_F(EditInput, MaxLengthDropsFurtherCharacters) {
  FEdit->SetMaxLength(10);
  Type(u"1234567890X");
  EXPECT_EQ(FEdit->GetText(), u"1234567890");
  EXPECT_EQ(FChanges, 10);
}

TEST_F(EditInput, ReadOnlyRefusesTypingAndBackspace) {
  Type(u"ab");
  FEdit->SetReadOnly(true);
  Type(u"c");
  PressBackspace();
  EXPECT_EQ(FEdit->GetText(), u"ab");
  EXPECT_EQ(FChanges, 2);
}

TEST_F(EditInput, CharCaseConvertsTypedAndExistingText) {
  FEdit->SetCharCase(TExEditCharCase::eecUpperCase);
  Type(u"kd-äb");
  EXPECT_EQ(FEdit->GetText(), u"KD-ÄB");
  FEdit->SetCharCase(TExEditCharCase::eecLowerCase);
  EXPECT_EQ(FEdit->GetText(), u"kd-äb");
}

TEST_F(EditInput, KeyPressExMayChangeOrSwallowTheText) {
  FEdit->OnKeyPressEx = [](TObject*, std::u16string& key) {
    if (key == u"x")
      key.clear();
    if (key == u"1")
      key = u"one";
  };
  Type(u"x1x");
  EXPECT_EQ(FEdit->GetText(), u"one");
  EXPECT_EQ(FChanges, 1);
}

TEST_F(EditInput, TextSetByCodeIsReportedOnlyWhenAsked) {
  FEdit->SetCharCase(TExEditCharCase::eecUpperCase);
  FEdit->SetText(u"abc");
  EXPECT_EQ(FEdit->GetText(), u"ABC");
  EXPECT_EQ(FChanges, 0);
  FEdit->SetNotifyUserChangeOnly(false);
  FEdit->SetText(u"def");
  FEdit->SetText(u"DEF");  // the same text once converted: nothing happens
  EXPECT_EQ(FChanges, 1);
  FEdit->SetMaxLength(2);
  EXPECT_EQ(FEdit->GetText(), u"DE");
  EXPECT_FALSE(FEdit->GetModified());
}

TEST_F(EditInput, TabIsLeftToTheDialog) {
  const LRESULT code = SendMessageW(FEdit->Handle(), WM_GETDLGCODE, 0, 0);
  EXPECT_NE(code & DLGC_WANTCHARS, 0);
  EXPECT_NE(code & DLGC_WANTARROWS, 0);
  EXPECT_EQ(code & (DLGC_WANTTAB | DLGC_WANTALLKEYS), 0);
  FEdit->SetWantTabs(true);
  EXPECT_NE(SendMessageW(FEdit->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB, 0);
}

TEST_F(EditInput, CaretFollowsTheTextEnd) {
  POINT before{};
  ASSERT_TRUE(GetCaretPos(&before));
  EXPECT_EQ(before.x, 1);  // the left margin
  Type(u"WWW");
  POINT after{};
  ASSERT_TRUE(GetCaretPos(&after));
  EXPECT_GT(after.x, before.x + 10);
  EXPECT_EQ(after.y, before.y);
}

}  // namespace
