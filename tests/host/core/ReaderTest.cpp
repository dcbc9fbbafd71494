#include <gtest/gtest.h>

#include <cctype>

#include "Reader.h"
#include "TestClasses.h"

namespace {

TStreamValue Typed(TValueType type) {
  TStreamValue v;
  v.Type = type;
  return v;
}
TStreamValue Int(std::int32_t i, TValueType type = TValueType::vaInt32) {
  TStreamValue v = Typed(type);
  v.Integer = i;
  return v;
}
TStreamValue Ident(std::string name) {
  TStreamValue v = Typed(TValueType::vaIdent);
  v.Bytes = std::move(name);
  return v;
}
TStreamValue Ansi(std::string text) {
  TStreamValue v = Typed(TValueType::vaString);
  v.Bytes = std::move(text);
  return v;
}
TStreamValue Wide(std::u16string text) {
  TStreamValue v = Typed(TValueType::vaWString);
  v.Text = std::move(text);
  return v;
}
TStreamValue Single(float f) {
  TStreamValue v = Typed(TValueType::vaSingle);
  v.Single = f;
  return v;
}
TStreamValue Set(std::vector<std::string> elements) {
  TStreamValue v = Typed(TValueType::vaSet);
  v.Elements = std::move(elements);
  return v;
}

TStreamObject Object(std::string className, std::string name, std::vector<TStreamProperty> properties,
                     std::vector<TStreamObject> children = {}) {
  return TStreamObject{std::move(className), std::move(name), std::move(properties), std::move(children)};
}

TStreamObject BoardWith(std::vector<TStreamObject> children) {
  return Object("TBoard", "Board1", {}, std::move(children));
}

std::string ReadError(const TStreamObject& description) {
  TBoard board(nullptr);
  try {
    ReadComponentTree(board, description, TestClasses());
  } catch (const EReadError& e) {
    return e.what();
  }
  return "no error";
}

TEST(Reader, AssignsEveryKindOfValue) {
  TBoard board(nullptr);
  ReadComponentTree(board,
                    BoardWith({Object("TWidget", "First",
                                      {{"Count", Int(-70000)},
                                       {"Small", Int(-300, TValueType::vaInt16)},
                                       {"Active", Typed(TValueType::vaTrue)},
                                       {"Ratio", Single(1.7f)},
                                       {"Caption", Wide(u"M\u00F6glich")},
                                       {"Agent", Ansi("Corvex HTTPGet")},
                                       {"Shape", Ident("shTriangle")},
                                       {"Style", Set({"fsBold", "fsUnderline"})},
                                       {"Color", Int(13531904)},
                                       {"Cursor", Ident("crHandPoint")},
                                       {"Pen.Width", Int(3, TValueType::vaInt8)},
                                       {"Pen.Color", Ident("clWhite")},
                                       {"LegacyFlag", Typed(TValueType::vaTrue)}})}),
                    TestClasses());
  ASSERT_NE(board.First, nullptr);
  TWidget& w = *board.First;
  EXPECT_EQ(w.GetCount(), -70000);
  EXPECT_EQ(w.GetSmall(), -300);
  EXPECT_TRUE(w.GetActive());
  EXPECT_EQ(w.GetRatio(), 1.7f);
  EXPECT_EQ(w.GetCaption(), u"M\u00F6glich");
  EXPECT_EQ(w.GetAgent(), "Corvex HTTPGet");
  EXPECT_EQ(w.GetShape(), TShape::shTriangle);
  EXPECT_EQ(w.GetStyle(), (TFontStyles{TFontStyle::fsBold, TFontStyle::fsUnderline}));
  EXPECT_EQ(w.GetColor(), ColorValue(0x00CE7B00));
  EXPECT_EQ(w.GetCursor(), crHandPoint);
  EXPECT_EQ(w.GetPen()->GetWidth(), 3);
  EXPECT_EQ(w.GetPen()->GetColor(), clWhite);
  EXPECT_TRUE(w.LegacyFlag());
  EXPECT_EQ(w.Owner(), &board);
  EXPECT_EQ(w.Parent(), &board);
}

TEST(Reader, ReadsBackValuesInStoredForm) {
  TWidget w(nullptr);
  w.SetColor(clBtnFace);
  w.SetCursor(TCursor(-99));
  w.GetPen()->SetColor(ColorValue(0x123456));
  w.SetStyle({TFontStyle::fsItalic});
  EXPECT_EQ(ReadPropertyValue(w, "Color"), Ident("clBtnFace"));
  EXPECT_EQ(ReadPropertyValue(w, "Cursor"), Int(-99, TValueType::vaInt8));
  EXPECT_EQ(ReadPropertyValue(w, "Pen.Color"), Int(0x123456, TValueType::vaInt32));
  EXPECT_EQ(ReadPropertyValue(w, "Style"), Set({"fsItalic"}));
  EXPECT_EQ(ReadPropertyValue(w, "LegacyFlag"), std::nullopt);  // stored-only
  EXPECT_EQ(ReadPropertyValue(w, "NoSuchThing"), std::nullopt);
}

TEST(Reader, NestedObjectsGetTheirParentAndAllAreOwnedByTheRoot) {
  TBoard board(nullptr);
  ReadComponentTree(board, BoardWith({Object("TWidget", "First", {}, {Object("TWidget", "Second", {})})}),
                    TestClasses());
  ASSERT_NE(board.Second, nullptr);
  EXPECT_EQ(board.Second->Parent(), board.First);
  EXPECT_EQ(board.Second->Owner(), &board);
  EXPECT_EQ(board.ComponentCount(), 2);
}

TEST(Reader, LoadedRunsInReadingOrderAfterEverythingIsRead) {
  LoadedLog().clear();
  TBoard board(nullptr);
  ReadComponentTree(board,
                    BoardWith({Object("TWidget", "First", {}, {Object("TWidget", "Inner", {})}),
                               Object("TWidget", "Second", {})}),
                    TestClasses());
  EXPECT_EQ(LoadedLog(), (std::vector<std::string>{"First", "Inner", "Second"}));
  EXPECT_TRUE(board.First->StateWhileReading());  // still loading, no longer reading
  EXPECT_FALSE(board.First->IsLoading());
  EXPECT_FALSE(board.IsLoading());
}

TEST(Reader, BindsEventsToTheRootsMethodsByName) {
  TBoard board(nullptr);
  ReadComponentTree(
      board,
      BoardWith({Object("TWidget", "First",
                        {{"OnPing", Ident("PingHandler")}, {"OnValue", Ident("ValueHandler")}})}),
      TestClasses());
  Raise(board.First->OnPing, board.First);
  Raise(board.First->OnValue, board.First, 42);
  EXPECT_EQ(board.Calls, (std::vector<std::string>{"ping First", "value 42"}));
}

TEST(Reader, ResolvesReferencesToComponentsReadLater) {
  TBoard board(nullptr);
  ReadComponentTree(
      board,
      BoardWith({Object("TWidget", "First", {{"Buddy", Ident("Second")}}), Object("TWidget", "Second", {})}),
      TestClasses());
  EXPECT_EQ(board.First->GetBuddy(), board.Second);
  EXPECT_EQ(ReadPropertyValue(*board.First, "Buddy"), Ident("Second"));
}

struct TErrorCase {
  const char* Title;
  TStreamObject Description;
  const char* Expected;  // a part of the message
};

class ReaderErrors : public testing::TestWithParam<TErrorCase> {};

TEST_P(ReaderErrors, NameWhatDoesNotFit) {
  const std::string message = ReadError(GetParam().Description);
  EXPECT_NE(message.find(GetParam().Expected), std::string::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReaderErrors,
    testing::Values(
        TErrorCase{"root class", Object("TWidget", "X", {}), "of class TWidget, not TBoard"},
        TErrorCase{"unknown class", BoardWith({Object("TGizmo", "G", {})}), "Class TGizmo not found"},
        TErrorCase{"unknown property", BoardWith({Object("TWidget", "First", {{"Colour", Int(1)}})}),
                   "Error reading First.Colour: Property Colour does not exist"},
        TErrorCase{"unknown sub-property", BoardWith({Object("TWidget", "First", {{"Pen.Style", Int(1)}})}),
                   "Property Pen.Style does not exist"},
        TErrorCase{"value kind", BoardWith({Object("TWidget", "First", {{"Count", Ansi("seven")}})}),
                   "First.Count: Invalid property value: expected an integer"},
        TErrorCase{"integer range", BoardWith({Object("TWidget", "First", {{"Small", Int(70000)}})}),
                   "First.Small: Invalid property value"},
        TErrorCase{"unknown enumeration value",
                   BoardWith({Object("TWidget", "First", {{"Shape", Ident("shHexagon")}})}), "First.Shape"},
        TErrorCase{"unknown set element",
                   BoardWith({Object("TWidget", "First", {{"Style", Set({"fsBlink"})}})}), "First.Style"},
        TErrorCase{"unknown colour name",
                   BoardWith({Object("TWidget", "First", {{"Color", Ident("clPink")}})}),
                   "expected a colour"},
        TErrorCase{"object property given a value",
                   BoardWith({Object("TWidget", "First", {{"Pen", Int(1)}})}), "Pen is an object"},
        TErrorCase{"missing handler", BoardWith({Object("TWidget", "First", {{"OnPing", Ident("Nope")}})}),
                   "Method Nope not found in TBoard"},
        TErrorCase{"handler of another signature",
                   BoardWith({Object("TWidget", "First", {{"OnValue", Ident("PingHandler")}})}),
                   "Method PingHandler does not fit the event OnValue"},
        TErrorCase{"field of another class", BoardWith({Object("TOtherWidget", "First", {})}),
                   "Field First of TBoard cannot hold a TOtherWidget"},
        TErrorCase{"duplicate name",
                   BoardWith({Object("TWidget", "First", {}), Object("TWidget", "first", {})}),
                   "already exists"},
        TErrorCase{"dangling reference", BoardWith({Object("TWidget", "First", {{"Buddy", Ident("Ghost")}})}),
                   "Component Ghost not found"},
        TErrorCase{"reference of another class",
                   BoardWith({Object("TWidget", "First", {{"Buddy", Ident("Other")}}),
                              Object("TOtherWidget", "Other", {})}),
                   "Component Other is of the wrong class"}),
    [](const testing::TestParamInfo<TErrorCase>& param) {
      std::string name = param.param.Title;
      for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
          c = '_';
      return name;
    });

TEST(Reader, AFailedReadLeavesNoComponentLoading) {
  TBoard board(nullptr);
  EXPECT_THROW(ReadComponentTree(board,
                                 BoardWith({Object("TWidget", "First", {}),
                                            Object("TWidget", "Second", {{"Count", Ident("x")}})}),
                                 TestClasses()),
               EReadError);
  ASSERT_EQ(board.ComponentCount(), 2);  // created ones stay owned and are freed with the root
  for (int i = 0; i < board.ComponentCount(); ++i)
    EXPECT_FALSE(board.Components(i)->IsLoading());
  EXPECT_FALSE(board.IsLoading());
}

}  // namespace
