// The dialog built from its stored description: every child with its class, parent, bounds and stored values.

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "AnsiText.h"
#include "BusyMarquee.h"
#include "ExEdits.h"
#include "ExHTMLLbl.h"
#include "ExPanel.h"
#include "HTTPGet.h"
#include "Reader.h"
#include "StdCtrls.h"
#include "StoredDialog.h"
#include "UnitOvanta.h"

namespace {

std::string Quoted(const std::string& text) {
  std::string quoted(1, '\'');
  quoted.append(text).push_back('\'');
  return quoted;
}

// A stored value as the dialog's description would spell it.
std::string Spell(const TStreamValue& v) {
  switch (v.Type) {
    case TValueType::vaInt8:
    case TValueType::vaInt16:
    case TValueType::vaInt32:
      return std::to_string(v.Integer);
    case TValueType::vaSingle: {
      std::ostringstream s;
      s << v.Single;
      return s.str();
    }
    case TValueType::vaFalse:
      return "False";
    case TValueType::vaTrue:
      return "True";
    case TValueType::vaIdent:
      return v.Bytes;
    case TValueType::vaSet: {
      std::string s = "[";
      for (std::size_t i = 0; i < v.Elements.size(); ++i)
        s += (i ? ", " : "") + v.Elements[i];
      return s + "]";
    }
    case TValueType::vaString:
    case TValueType::vaLString:
      return Quoted(v.Bytes);
    case TValueType::vaWString:
    case TValueType::vaUTF8String:
      return Quoted(UnicodeToUtf8(v.Text));
    default:
      return "?";
  }
}

class DialogTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { Form = StoredDialog().release(); }
  static void TearDownTestSuite() {
    delete Form;
    Form = nullptr;
  }
  static TComponent& Child(const std::string& name) {
    TComponent* c = Form->FindComponent(name);
    if (!c)
      throw std::runtime_error("no component " + name);
    return *c;
  }
  static std::string Value(TPersistent& instance, const std::string& property) {
    auto v = ReadPropertyValue(instance, property);
    return v ? Spell(*v) : "(none)";
  }
  static inline TForm1* Form = nullptr;
};

struct TChild {
  const char* Name;
  const char* ClassName;
  const char* Parent;  // nullptr: not a control
  RECT Bounds;         // left, top, right, bottom
};

// Creation order is the order of this table.
const TChild kChildren[] = {
    {"ExHTMLLabel2", "TExHTMLLabel", "Form1", {16, 82, 427, 152}},
    {"ExHTMLLabel5", "TExHTMLLabel", "Form1", {0, 527, 445, 592}},
    {"ExHTMLLabel3", "TExHTMLLabel", "Form1", {16, 152, 427, 179}},
    {"ExHTMLLabel4", "TExHTMLLabel", "Form1", {16, 212, 427, 304}},
    {"Label1", "TLabel", "Form1", {0, 318, 120, 334}},
    {"ExHTMLLabel6", "TExHTMLLabel", "Form1", {16, 375, 427, 449}},
    {"ExPanel1", "TExPanel", "Form1", {0, 0, 445, 65}},
    {"ExHTMLLabel1", "TExHTMLLabel", "ExPanel1", {16, 3, 427, 62}},
    {"ExEdit1", "TExEdit", "Form1", {126, 314, 319, 338}},
    {"Button1", "TButton", "Form1", {126, 461, 319, 499}},
    {"ExPanel2", "TExPanel", "Form1", {0, 82, 445, 499}},
    {"BusyMarqueeUserSynchronization", "TBusyMarquee", "ExPanel2", {0, 0, 445, 417}},
    {"HTTPGetUpdate", "THTTPGet", nullptr, {}},
};

TEST_F(DialogTest, ChildrenAreCreatedInOrderWithClassParentAndBounds) {
  ASSERT_EQ(Form->ComponentCount(), static_cast<int>(std::size(kChildren)));
  for (int i = 0; i < Form->ComponentCount(); ++i) {
    const TChild& expected = kChildren[i];
    TComponent* c = Form->Components(i);
    SCOPED_TRACE(expected.Name);
    EXPECT_EQ(c->GetName(), expected.Name);
    EXPECT_EQ(c->ClassName(), expected.ClassName);
    auto* control = dynamic_cast<TControl*>(c);
    if (!expected.Parent) {
      EXPECT_EQ(control, nullptr);
      continue;
    }
    ASSERT_NE(control, nullptr);
    ASSERT_NE(control->GetParent(), nullptr);
    EXPECT_EQ(control->GetParent()->GetName(), expected.Parent);
    const RECT b = control->BoundsRect();
    EXPECT_EQ(b.left, expected.Bounds.left);
    EXPECT_EQ(b.top, expected.Bounds.top);
    EXPECT_EQ(b.right, expected.Bounds.right);
    EXPECT_EQ(b.bottom, expected.Bounds.bottom);
  }
}

TEST_F(DialogTest, FieldsHoldTheComponentsOfTheirName) {
  EXPECT_EQ(static_cast<TComponent*>(Form->ExHTMLLabel2), &Child("ExHTMLLabel2"));
  EXPECT_EQ(static_cast<TComponent*>(Form->Label1), &Child("Label1"));
  EXPECT_EQ(static_cast<TComponent*>(Form->ExEdit1), &Child("ExEdit1"));
  EXPECT_EQ(static_cast<TComponent*>(Form->BusyMarqueeUserSynchronization),
            &Child("BusyMarqueeUserSynchronization"));
  EXPECT_EQ(static_cast<TComponent*>(Form->HTTPGetUpdate), &Child("HTTPGetUpdate"));
}

struct TStored {
  const char* Component;  // "Form1" for the form itself
  const char* Property;
  const char* Value;
};

const TStored kStored[] = {
    {"Form1", "Caption", "'Vollversion registrieren'"},
    {"Form1", "BorderStyle", "bsDialog"},
    {"Form1", "ClientWidth", "445"},
    {"Form1", "ClientHeight", "592"},
    {"Form1", "Color", "clWhite"},
    {"Form1", "Font.Name", "'Verdana'"},
    {"Form1", "Font.Height", "-13"},
    {"Form1", "Font.Charset", "DEFAULT_CHARSET"},
    {"Form1", "Font.Color", "clWindowText"},
    {"Form1", "Font.Style", "[]"},
    {"Form1", "Position", "poMainFormCenter"},
    {"Form1", "Scaled", "False"},
    {"ExHTMLLabel2", "ThemeMode", "ttmNone"},
    {"ExHTMLLabel2", "WordWrap", "True"},
    {"ExHTMLLabel2", "AutoSize", "False"},
    {"ExHTMLLabel2", "Anchors", "[akLeft, akTop, akRight]"},
    {"ExHTMLLabel2", "Caption",
     "'<B><U>Schritt 1:</U></B><br><br>Klicken Sie den folgenden Link und registrieren Sie sich:'"},
    {"ExHTMLLabel5", "Align", "alBottom"},
    {"ExHTMLLabel5", "ThemeMode", "ttmNone"},
    {"ExHTMLLabel5", "Color", "13892094"},
    {"ExHTMLLabel5", "Transparent", "False"},
    {"ExHTMLLabel5", "ParentColor", "False"},
    {"ExHTMLLabel5", "BorderWidth", "16"},
    {"ExHTMLLabel5", "WordWrap", "True"},
    {"ExHTMLLabel5", "AutoSize", "False"},
    {"ExHTMLLabel5", "Caption",
     "'Bitte achten Sie auf die <B>korrekte Eingabe</B> Ihrer Daten, da eine Registrierung sonst nicht "
     "m\xC3\xB6glich ist!'"},
    {"ExHTMLLabel3", "Cursor", "crHandPoint"},
    {"ExHTMLLabel3", "ThemeMode", "ttmNone"},
    {"ExHTMLLabel3", "Color", "clWhite"},
    {"ExHTMLLabel3", "Transparent", "False"},
    {"ExHTMLLabel3", "ParentColor", "False"},
    {"ExHTMLLabel3", "IsHTML", "False"},
    {"ExHTMLLabel3", "WordWrap", "True"},
    {"ExHTMLLabel3", "LinkColor", "13531904"},
    {"ExHTMLLabel3", "Alignment", "taCenter"},
    {"ExHTMLLabel3", "AutoSize", "False"},
    {"ExHTMLLabel3", "Anchors", "[akLeft, akTop, akRight]"},
    {"ExHTMLLabel3", "Font.Name", "'Verdana'"},
    {"ExHTMLLabel3", "Font.Height", "-19"},
    {"ExHTMLLabel3", "Font.Color", "13531904"},
    {"ExHTMLLabel3", "Font.Style", "[fsUnderline]"},
    {"ExHTMLLabel3", "Font.Charset", "DEFAULT_CHARSET"},
    {"ExHTMLLabel3", "ParentFont", "False"},
    {"ExHTMLLabel3", "Caption", "'Jetzt registrieren'"},
    {"ExHTMLLabel4", "ThemeMode", "ttmNone"},
    {"ExHTMLLabel4", "WordWrap", "True"},
    {"ExHTMLLabel4", "AutoSize", "False"},
    {"ExHTMLLabel4", "Anchors", "[akLeft, akTop, akRight]"},
    {"ExHTMLLabel4", "Caption",
     "'<B><U>Schritt 2:</U></B><br><br>Geben Sie die Kundennummer ein, die Sie nach der Registrierung per "
     "E-Mail erhalten haben:'"},
    {"Label1", "Alignment", "taRightJustify"},
    {"Label1", "AutoSize", "False"},
    {"Label1", "Font.Name", "'Verdana'"},
    {"Label1", "Font.Height", "-13"},
    {"Label1", "Font.Color", "clWindowText"},
    {"Label1", "Font.Style", "[]"},
    {"Label1", "ParentFont", "False"},
    {"Label1", "Caption", "'Kundennummer:'"},
    {"ExHTMLLabel6", "ThemeMode", "ttmNone"},
    {"ExHTMLLabel6", "WordWrap", "True"},
    {"ExHTMLLabel6", "AutoSize", "False"},
    {"ExHTMLLabel6", "Anchors", "[akLeft, akTop, akRight]"},
    {"ExHTMLLabel6", "Caption",
     "'<B><U>Schritt 3:</U></B><br><br>Laden Sie die Vollversion herunter und installieren Sie diese auf "
     "Ihrem Computer:'"},
    {"ExPanel1", "BorderType", "fbtNone"},
    {"ExPanel1", "Align", "alNone"},
    {"ExPanel1", "BevelOuter", "bvNone"},
    {"ExPanel1", "TransparentXPThemes", "False"},
    {"ExPanel1", "ThemeMode", "ttmNone"},
    {"ExPanel1", "Color", "13531904"},
    {"ExPanel1", "TabOrder", "0"},
    {"ExPanel1", "Anchors", "[akLeft, akTop, akRight]"},
    {"ExPanel1", "DockOrientation", "doNoOrient"},
    {"ExHTMLLabel1", "ThemeMode", "ttmNone"},
    {"ExHTMLLabel1", "Transparent", "False"},
    {"ExHTMLLabel1", "ParentColor", "True"},
    {"ExHTMLLabel1", "Color", "13531904"},  // the panel's, kept through ParentColor
    {"ExHTMLLabel1", "WordWrap", "True"},
    {"ExHTMLLabel1", "AutoSize", "False"},
    {"ExHTMLLabel1", "Anchors", "[akLeft, akTop, akRight]"},
    {"ExHTMLLabel1", "Font.Name", "'Verdana'"},
    {"ExHTMLLabel1", "Font.Height", "-15"},
    {"ExHTMLLabel1", "Font.Color", "11399932"},
    {"ExHTMLLabel1", "Font.Style", "[]"},
    {"ExHTMLLabel1", "ParentFont", "False"},
    {"ExHTMLLabel1", "Layout", "tlCenter"},
    {"ExHTMLLabel1", "Caption", "'Jetzt kostenlos auf die <b>Vollversion</b> umsteigen!'"},
    {"ExEdit1", "Flat", "True"},
    {"ExEdit1", "BorderColorDkShadow", "clWhite"},
    {"ExEdit1", "BorderColorFace", "clWhite"},
    {"ExEdit1", "BorderColorShadow", "12283648"},
    {"ExEdit1", "BorderColorHighlight", "12283648"},
    {"ExEdit1", "BorderColorWindow", "12283648"},
    {"ExEdit1", "ThemeMode", "ttmNone"},
    {"ExEdit1", "UseCustomScrollBars", "False"},
    {"ExEdit1", "TabOrder", "1"},
    {"ExEdit1", "Text", "''"},
    {"ExEdit1", "ParentFont", "True"},
    {"ExEdit1", "Font.Name", "'Verdana'"},  // the dialog's
    {"ExEdit1", "Font.Height", "-13"},
    {"Button1", "Caption", "'Vollversion herunterladen'"},
    {"Button1", "Font.Name", "'Verdana'"},
    {"Button1", "Font.Height", "-13"},
    {"Button1", "Font.Color", "clWindowText"},
    {"Button1", "Font.Style", "[]"},
    {"Button1", "ParentFont", "False"},
    {"Button1", "TabOrder", "2"},
    {"ExPanel2", "BorderType", "fbtNone"},
    {"ExPanel2", "Align", "alNone"},
    {"ExPanel2", "BevelOuter", "bvNone"},
    {"ExPanel2", "TransparentXPThemes", "False"},
    {"ExPanel2", "ThemeMode", "ttmPlatform"},
    {"ExPanel2", "Color", "clWhite"},
    {"ExPanel2", "TabOrder", "3"},
    {"ExPanel2", "Visible", "False"},
    {"ExPanel2", "DockOrientation", "doNoOrient"},
    {"BusyMarqueeUserSynchronization", "Align", "alClient"},
    {"BusyMarqueeUserSynchronization", "AnimationStretchFactor", "1.7"},
    {"BusyMarqueeUserSynchronization", "AnimationFactor", "3"},
    {"BusyMarqueeUserSynchronization", "AnimationStep", "10"},
    {"BusyMarqueeUserSynchronization", "Fill.Color", "clWhite"},
    {"BusyMarqueeUserSynchronization", "Fill.ColorMirror", "clNone"},
    {"BusyMarqueeUserSynchronization", "Fill.ColorMirrorTo", "clNone"},
    {"BusyMarqueeUserSynchronization", "Fill.GradientType", "gtSolid"},
    {"BusyMarqueeUserSynchronization", "Fill.GradientMirrorType", "gtSolid"},
    {"BusyMarqueeUserSynchronization", "Fill.BorderColor", "clWhite"},
    {"BusyMarqueeUserSynchronization", "Fill.Rounding", "0"},
    {"BusyMarqueeUserSynchronization", "Fill.ShadowOffset", "0"},
    {"BusyMarqueeUserSynchronization", "Fill.Glow", "gmNone"},
    {"BusyMarqueeUserSynchronization", "Bullets.Color", "clBlack"},
    {"HTTPGetUpdate", "AcceptTypes", "'*/*'"},
    {"HTTPGetUpdate", "Agent", "'Corvex HTTPGet'"},
    {"HTTPGetUpdate", "BinaryData", "True"},
    {"HTTPGetUpdate", "UseCache", "False"},
    {"HTTPGetUpdate", "Referer", "'VELTRA - Ovanta'"},
    {"HTTPGetUpdate", "WaitThread", "True"},
    {"HTTPGetUpdate", "URL", "''"},
    {"HTTPGetUpdate", "PostQuery", "''"},
};

TEST_F(DialogTest, EveryStoredValueIsApplied) {
  for (const TStored& s : kStored) {
    TComponent& c = std::string(s.Component) == "Form1" ? *Form : Child(s.Component);
    EXPECT_EQ(Value(c, s.Property), s.Value) << s.Component << "." << s.Property;
  }
}

TEST_F(DialogTest, EventsAreBoundToTheDialogsHandlers) {
  EXPECT_TRUE(Form->OnCreate);
  EXPECT_TRUE(Form->ExHTMLLabel3->OnClick);
  EXPECT_TRUE(static_cast<TControl*>(Form->Button1)->OnClick);
  EXPECT_TRUE(Form->HTTPGetUpdate->OnDoneFile);
  EXPECT_TRUE(Form->HTTPGetUpdate->OnError);
  EXPECT_FALSE(Form->HTTPGetUpdate->OnProgress);
  EXPECT_FALSE(Form->HTTPGetUpdate->OnDoneString);
}

TEST_F(DialogTest, WindowHasTheDialogsClientSizeAndTabOrder) {
  Form->HandleNeeded();
  RECT client{};
  GetClientRect(Form->Handle(), &client);
  EXPECT_EQ(client.right - client.left, 445);
  EXPECT_EQ(client.bottom - client.top, 592);
  const LONG style = GetWindowLongW(Form->Handle(), GWL_STYLE);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(style & WS_SYSMENU);

  // Tab cycles through the edit box and the button only: the panels are no tab stops, ExPanel2 is hidden.
  Form->Show();
  auto* edit = static_cast<TWinControl*>(&Child("ExEdit1"));
  auto* button = static_cast<TWinControl*>(&Child("Button1"));
  EXPECT_EQ(Form->FindNextControl(nullptr, true, true), edit);
  EXPECT_EQ(Form->FindNextControl(edit, true, true), button);
  EXPECT_EQ(Form->FindNextControl(button, true, true), edit);
  EXPECT_EQ(Form->FindNextControl(edit, false, true), button);
  EXPECT_FALSE(static_cast<TControl&>(Child("ExPanel2")).GetVisible());
  Form->Hide();
}

}  // namespace
