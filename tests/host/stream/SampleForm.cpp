#include "SampleForm.h"

#include <bit>
#include <limits>

TStreamValue IntegerValue(TValueType type, std::int32_t number) {
  TStreamValue value;
  value.Type = type;
  value.Integer = number;
  return value;
}

TStreamValue SingleValue(float number) {
  TStreamValue value;
  value.Type = TValueType::vaSingle;
  value.Single = number;
  return value;
}

TStreamValue BytesValue(TValueType type, std::string bytes) {
  TStreamValue value;
  value.Type = type;
  value.Bytes = std::move(bytes);
  return value;
}

TStreamValue TextValue(TValueType type, std::u16string text) {
  TStreamValue value;
  value.Type = type;
  value.Text = std::move(text);
  return value;
}

TStreamValue SetValue(std::vector<std::string> elements) {
  TStreamValue value;
  value.Type = TValueType::vaSet;
  value.Elements = std::move(elements);
  return value;
}

TStreamValue TypedValue(TValueType type) {
  TStreamValue value;
  value.Type = type;
  return value;
}

TStreamValue BooleanValue(bool value) {
  TStreamValue result;
  result.Type = value ? TValueType::vaTrue : TValueType::vaFalse;
  return result;
}

TStreamObject SampleForm() {
  using enum TValueType;
  TStreamObject label{"TLabel", "Label1", {}, {}};
  label.Properties = {
      {"Caption", TextValue(vaWString, u"M\u00F6glich\r\nx'y")},
      {"Font.Name", BytesValue(vaString, "Verdana")},
      {"Hint", TextValue(vaUTF8String, u"Gr\u00FC\u00DFe \U0001F600")},
      {"Tag", IntegerValue(vaInt32, 5)},
  };
  TStreamObject unnamed{
      "TImage", "", {{"Picture.Data", BytesValue(vaBinary, std::string("\0\x01\xFE\xFF", 4))}}, {}};
  TStreamObject panel{"TPanel", "Panel1", {{"Visible", BooleanValue(false)}}, {label, unnamed}};

  TStreamObject form{"TForm1", "Form1", {}, {panel, TStreamObject{"TButton", "Button1", {}, {}}}};
  form.Properties = {
      {"Left", IntegerValue(vaInt8, -128)},
      {"Width", IntegerValue(vaInt16, 1000)},
      {"Color", IntegerValue(vaInt32, -16777211)},
      {"Small16", IntegerValue(vaInt16, 3)},
      {"AnimationStretchFactor", SingleValue(1.7f)},
      {"NegativeZero", SingleValue(-0.0f)},
      {"NotANumber", SingleValue(std::bit_cast<float>(std::uint32_t{0x7FC01234}))},
      {"Infinite", SingleValue(-std::numeric_limits<float>::infinity())},
      {"Flat", BooleanValue(true)},
      {"OnClick", BytesValue(vaIdent, "Button1Click")},
      {"ActiveControl", BytesValue(vaIdent, "Panel1.Edit1")},
      {"OddIdent", BytesValue(vaIdent, "True")},
      {"KeywordIdent", BytesValue(vaIdent, "end")},
      {"NilIdent", BytesValue(vaIdent, "Nil")},
      {"PopupMenu", TypedValue(vaNil)},
      {"EmptyIdent", BytesValue(vaIdent, "")},
      {"Caption", BytesValue(vaString, "Vollversion 'registrieren'")},
      {"Ansi", BytesValue(vaString, "M\xF6glich")},
      {"Short", BytesValue(vaLString, "short in a long string")},
      {"Long", BytesValue(vaLString, std::string(300, 'x'))},
      {"Ascii", TextValue(vaWString, u"plain")},
      {"Lone", TextValue(vaWString, std::u16string(1, u'\xD800') + u"\u20AC")},
      {"Empty", BytesValue(vaString, "")},
      {"Utf8", TextValue(vaUTF8String, u"abc")},
      {"Anchors", SetValue({"akLeft", "akTop", "akRight"})},
      {"NoStyle", SetValue({})},
      {"Odd", SetValue({"two words", "x"})},
      {"Data", BytesValue(vaBinary, std::string(70, '\x5A'))},
  };
  return form;
}
