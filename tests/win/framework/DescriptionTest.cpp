// A form built from a stored description: its own values, its children with their parents and fields, events
// bound to its methods by name, and OnCreate once everything is read.

#include <gtest/gtest.h>

#include "StdCtrls.h"
#include "TestControls.h"

namespace {

class TTestForm : public TForm {
  OVANTA_CLASS(TTestForm)

 public:
  explicit TTestForm(TComponent* owner) : TForm(owner) {}

  TTestPanel* Panel1 = nullptr;
  TLabel* Caption1 = nullptr;
  TButton* OkButton = nullptr;

  std::vector<std::string> Calls;

  void FormCreate(TObject*) {
    Calls.push_back("create");
    // Every component exists, was read and was told Loaded.
    if (OkButton && Caption1 && !Caption1->IsLoading() && Caption1->GetParent() == Panel1)
      Calls.push_back("ready");
  }
  void OkClick(TObject* sender) { Calls.push_back(sender == OkButton ? "ok" : "ok from elsewhere"); }
};

const TClassInfo& TTestForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TTestForm>("TTestForm", &TForm::StaticClass())
                                     .Field("Panel1", &TTestForm::Panel1)
                                     .Field("Caption1", &TTestForm::Caption1)
                                     .Field("OkButton", &TTestForm::OkButton)
                                     .Method("FormCreate", &TTestForm::FormCreate)
                                     .Method("OkClick", &TTestForm::OkClick)
                                     .Build();
  return info;
}

TStreamValue Int(std::int32_t value) {
  TStreamValue v;
  v.Type = value >= -128 && value <= 127 ? TValueType::vaInt8 : TValueType::vaInt16;
  v.Integer = value;
  return v;
}
TStreamValue Ident(std::string name) {
  TStreamValue v;
  v.Type = TValueType::vaIdent;
  v.Bytes = std::move(name);
  return v;
}
TStreamValue Text(std::u16string text) {
  TStreamValue v;
  v.Type = TValueType::vaWString;
  v.Text = std::move(text);
  return v;
}
TStreamValue Bool(bool value) {
  TStreamValue v;
  v.Type = value ? TValueType::vaTrue : TValueType::vaFalse;
  return v;
}
TStreamValue Set(std::vector<std::string> elements) {
  TStreamValue v;
  v.Type = TValueType::vaSet;
  v.Elements = std::move(elements);
  return v;
}

TStreamObject Description() {
  return TStreamObject{"TTestForm",
                       "TestForm",
                       {{"BorderStyle", Ident("bsDialog")},
                        {"Caption", Text(u"Vollversion registrieren")},
                        {"ClientHeight", Int(300)},
                        {"ClientWidth", Int(250)},
                        {"Color", Ident("clWhite")},
                        {"Font.Height", Int(-13)},
                        {"Font.Name", Text(u"Verdana")},
                        {"Position", Ident("poMainFormCenter")},
                        {"Scaled", Bool(false)},
                        {"OnCreate", Ident("FormCreate")},
                        {"PixelsPerInch", Int(96)},
                        {"TextHeight", Int(16)}},
                       {TStreamObject{"TTestPanel",
                                      "Panel1",
                                      {{"Left", Int(0)},
                                       {"Top", Int(0)},
                                       {"Width", Int(250)},
                                       {"Height", Int(60)},
                                       {"Anchors", Set({"akLeft", "akTop", "akRight"})},
                                       {"TabOrder", Int(1)}},
                                      {TStreamObject{"TLabel",
                                                     "Caption1",
                                                     {{"Left", Int(16)},
                                                      {"Top", Int(3)},
                                                      {"Width", Int(200)},
                                                      {"Height", Int(20)},
                                                      {"Alignment", Ident("taRightJustify")},
                                                      {"AutoSize", Bool(false)},
                                                      {"Caption", Text(u"Kundennummer:")},
                                                      {"Font.Height", Int(-15)},
                                                      {"ParentFont", Bool(false)}},
                                                     {}}}},
                        TStreamObject{"TButton",
                                      "OkButton",
                                      {{"Left", Int(40)},
                                       {"Top", Int(200)},
                                       {"Width", Int(193)},
                                       {"Height", Int(38)},
                                       {"Caption", Text(u"Vollversion herunterladen")},
                                       {"TabOrder", Int(0)},
                                       {"OnClick", Ident("OkClick")}},
                                      {}}}};
}

class DescriptionTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisteredClasses().Register(TTestPanel::StaticClass()); }
};

TEST_F(DescriptionTest, FormIsBuiltWithItsValuesChildrenFieldsAndHandlers) {
  TTestForm form(nullptr);
  form.ReadDescription(Description());
  EXPECT_EQ(form.GetName(), "TestForm");
  EXPECT_EQ(form.GetCaption(), u"Vollversion registrieren");
  EXPECT_EQ(form.GetBorderStyle(), TFormBorderStyle::bsDialog);
  EXPECT_EQ(form.GetColor(), clWhite);
  EXPECT_FALSE(form.GetScaled());
  EXPECT_EQ(form.GetTextHeight(), 16);
  ASSERT_TRUE(form.Panel1 && form.Caption1 && form.OkButton);
  EXPECT_EQ(form.Panel1->GetParent(), &form);
  EXPECT_EQ(form.Caption1->GetParent(), form.Panel1);
  EXPECT_EQ(form.Caption1->GetCaption(), u"Kundennummer:");
  EXPECT_EQ(form.Caption1->GetAlignment(), TAlignment::taRightJustify);
  EXPECT_EQ(form.Caption1->GetFont()->GetHeight(), -15);
  EXPECT_EQ(form.Caption1->GetFont()->GetName(), u"Verdana");
  EXPECT_EQ(form.OkButton->GetFont()->GetHeight(), -13);
  EXPECT_EQ(form.OkButton->GetTabOrder(), 0);
  EXPECT_EQ(form.Panel1->GetTabOrder(), 1);
  EXPECT_EQ(form.Calls, (std::vector<std::string>{"create", "ready"}));

  form.HandleNeeded();
  RECT client{};
  GetClientRect(form.Handle(), &client);
  EXPECT_EQ(client.right, 250);
  EXPECT_EQ(client.bottom, 300);
  EXPECT_EQ(form.Panel1->GetWidth(), 250) << "anchored to the right: unchanged while the client size is kept";
  wchar_t title[64] = {};
  GetWindowTextW(form.Handle(), title, 64);
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(title)), u"Vollversion registrieren");
  form.OkButton->ClickButton();
  EXPECT_EQ(form.Calls.back(), "ok");
}

TEST_F(DescriptionTest, DescriptionThatDoesNotFitNamesTheProblem) {
  struct TBadCase {
    const char* What;
    void (*Spoil)(TStreamObject&);
    const char* Named;
  };
  const TBadCase cases[] = {
      {"unknown class", [](TStreamObject& d) { d.Children[1].ClassName = "TNoSuchControl"; },
       "TNoSuchControl"},
      {"unknown handler", [](TStreamObject& d) { d.Children[1].Properties.back().Value = Ident("Missing"); },
       "Missing"},
      {"forms are not created from descriptions", [](TStreamObject& d) { d.Children[1].ClassName = "TForm"; },
       "TForm"},
      {"a control inside a graphic control",
       [](TStreamObject& d) {
         d.Children[0].Children[0].Children.push_back(TStreamObject{"TLabel", "Inner", {}, {}});
       },
       "Inner"},
  };
  RegisteredClasses().Register(TForm::StaticClass());
  for (const auto& c : cases) {
    TStreamObject description = Description();
    c.Spoil(description);
    TTestForm form(nullptr);
    try {
      form.ReadDescription(description);
      ADD_FAILURE() << c.What << ": no error";
    } catch (const EReadError& e) {
      EXPECT_NE(std::string(e.what()).find(c.Named), std::string::npos) << c.What << ": " << e.what();
    }
    EXPECT_TRUE(form.Calls.empty()) << c.What << ": OnCreate ran";
  }
}

TEST_F(DescriptionTest, MissingResourceIsAReadError) {
  TTestForm form(nullptr);
  try {
    form.ReadDescription();
    FAIL() << "no error";
  } catch (const EReadError& e) {
    EXPECT_NE(std::string(e.what()).find("TTestForm"), std::string::npos) << e.what();
  }
}

TEST(ClassInfoTest, PublishedPropertiesOfTheFrameworksClasses) {
  struct TClassCase {
    const TClassInfo& Info;
    std::vector<std::string> Published;
    std::vector<std::string> NotStored;
  };
  const TClassCase cases[] = {
      {TControl::StaticClass(),
       {"Left",           "Top",          "Width",          "Height",        "Align",
        "Anchors",        "Visible",      "Enabled",        "Color",         "ParentColor",
        "Font",           "ParentFont",   "Cursor",         "Hint",          "ShowHint",
        "ParentShowHint", "BiDiMode",     "ParentBiDiMode", "Constraints",   "DockOrientation",
        "OnClick",        "OnDblClick",   "OnMouseDown",    "OnMouseUp",     "OnMouseMove",
        "OnMouseEnter",   "OnMouseLeave", "OnResize",       "OnContextPopup"},
       {"Caption", "PopupMenu"}},
      {TWinControl::StaticClass(),
       {"TabOrder", "TabStop", "DoubleBuffered", "BorderWidth", "OnEnter", "OnExit", "OnKeyDown", "OnKeyUp",
        "OnKeyPress"},
       {"Caption"}},
      {TForm::StaticClass(),
       {"Caption", "BorderStyle", "ClientWidth", "ClientHeight", "Position", "Scaled", "PixelsPerInch",
        "TextHeight", "OnCreate", "OnDestroy", "OnShow", "Font", "Color"},
       {}},
      {TLabel::StaticClass(),
       {"Caption", "Alignment", "AutoSize", "Layout", "WordWrap", "Transparent", "ShowAccelChar", "Font"},
       {"FocusControl", "TabOrder"}},
      {TButton::StaticClass(), {"Caption", "Default", "Cancel", "ModalResult", "TabOrder", "OnClick"}, {}},
      {TFont::StaticClass(), {"Name", "Height", "Size", "Style", "Charset", "Color"}, {}},
      {TBrush::StaticClass(), {"Color", "Style"}, {}},
      {TPen::StaticClass(), {"Color", "Width"}, {}},
      {TSizeConstraints::StaticClass(), {"MinWidth", "MinHeight", "MaxWidth", "MaxHeight"}, {}},
  };
  for (const auto& c : cases) {
    for (const auto& name : c.Published)
      EXPECT_NE(c.Info.FindProperty(name), nullptr) << c.Info.Name() << "." << name;
    for (const auto& name : c.NotStored)
      EXPECT_EQ(c.Info.FindProperty(name), nullptr) << c.Info.Name() << "." << name;
  }
  EXPECT_FALSE(TForm::StaticClass().IsCreatable());
  EXPECT_FALSE(TControl::StaticClass().IsCreatable());
  EXPECT_TRUE(TLabel::StaticClass().IsCreatable());
  EXPECT_TRUE(TButton::StaticClass().IsCreatable());
}

}  // namespace
