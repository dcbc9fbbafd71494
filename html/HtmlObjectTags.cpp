// The actions of the list and object tags: ul, ol, li, hr, ind, img, input and variables.

#include "AsciiCase.h"
#include "HtmlParser.h"
#include "HtmlRender.h"

namespace {

struct TInputTypeName {
  std::u16string_view Name;
  THtmlInputType Type;
};

constexpr TInputTypeName InputTypeTable[] = {
    {u"checkbox", THtmlInputType::itCheckBox},
    {u"radio", THtmlInputType::itRadioButton},
};

constexpr std::uint16_t InputBoxSize = 17;

bool IsBlankRun(const THtmlItem& item) {
  return item.FItemType == THtmlItemType::hitChar &&
         item.Text().find_first_not_of(u' ') == std::u16string::npos;
}

// Pixel offsets come from the markup and may be anything: they wrap around like the stored 32-bit fields.
std::int32_t AddWrapping(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

// "True"/"False" in any case, or a number (non-zero is True).
std::optional<bool> ParseBoolean(std::u16string_view text) {
  const std::u16string lower = AsciiLower(text);
  if (lower == u"true")
    return true;
  if (lower == u"false")
    return false;
  if (const std::optional<std::int32_t> number = ParseInteger(text))
    return *number != 0;
  return std::nullopt;
}

// "checked", "value", "width" and "height", in this order; a value that cannot be read ends the reading.
void ApplyInputAttributes(THtmlInputItem& input, const THtmlAttributes& attributes) {
  if (attributes.Find(u"checked")) {
    const std::optional<bool> checked = ParseBoolean(attributes.Value(u"checked"));
    if (!checked)
      return;
    input.FChecked = *checked;
  }
  if (attributes.Find(u"value"))
    input.FValue = attributes.Value(u"value");
  for (auto [name, size] : {std::pair{u"width", &input.FWidth}, std::pair{u"height", &input.FHeight}}) {
    if (!attributes.Find(name))
      continue;
    const std::optional<std::int32_t> value = ParseInteger(attributes.Value(name));
    if (!value)
      return;
    *size = static_cast<std::uint16_t>(*value);
  }
}

}  // namespace

int THtmlParser::MaxCharWidth(const THtmlItem& Item) const {
  IHtmlTextMetrics* metrics = FRender.Metrics();
  return metrics ? metrics->FontMetrics(Item.MeasuringFont(false)).MaxCharWidth : 0;
}

void THtmlParser::ListStartTag(bool Numbered) {
  // A list right after a line break leaves no empty line: the break and the blank runs after it go.
  auto& items = FData.FArray;
  if (IsBlankRun(*FRun)) {
    std::size_t i = items.size();
    while (i > 0 && !items[i - 1]->AsBreak() && IsBlankRun(*items[i - 1]))
      --i;
    if (i > 0 && (items[i - 1]->FItemType == THtmlItemType::hitBreak ||
                  items[i - 1]->FItemType == THtmlItemType::hitSoftBreak))
      EraseFrom(i - 1);
  }
  THtmlItem& previous = EndRun();
  ++FListNesting;
  FListItemNumber = Numbered ? 1 : -1;
  auto list = NewBreak(Numbered ? THtmlItemType::hitOL : THtmlItemType::hitUL, previous);
  list->FIndent = AddWrapping(list->FIndent, list->GetWidth());
  THtmlItem& listStart = *list;
  Append(std::move(list));
  StartRun(listStart);
}

void THtmlParser::ListEndTag(bool Numbered) {
  THtmlItem& run = SplitRun();
  --FListNesting;
  run.FIndent = AddWrapping(run.FIndent, -MaxCharWidth(run));
  auto& items = FData.FArray;
  if (!items.empty() && items.back()->FItemType == THtmlItemType::hitBreak)
    EraseFrom(items.size() - 1);
  Append(NewBreak(THtmlItemType::hitBreak, run));
  if (Numbered)
    FListItemNumber = -1;
}

void THtmlParser::ListItemTag() {
  THtmlItem& run = SplitRun();
  auto& items = FData.FArray;
  if (!items.empty() && items.back()->FItemType == THtmlItemType::hitBreak)
    EraseFrom(items.size() - 1);
  auto listItem = NewBreak(THtmlItemType::hitLI, run);
  listItem->FListItemN = FListItemNumber;
  listItem->FListLevel = FListNesting;
  Append(std::move(listItem));
  if (FListItemNumber > 0)
    ++FListItemNumber;
}

void THtmlParser::RuleTag(const THtmlAttributes& Attributes) {
  THtmlItem& previous = EndRun();
  Append(NewBreak(THtmlItemType::hitBreak, previous));
  auto rule = NewItem(THtmlItemType::hitHR, previous);
  rule->FWidth = static_cast<std::uint16_t>(IntegerOr(Attributes.Value(u"width"), 0));  // 0: the full line
  THtmlItem& ruleRef = *rule;
  Append(std::move(rule));
  Append(NewBreak(THtmlItemType::hitBreak, StartRun(ruleRef)));
}

void THtmlParser::IndentTag(const THtmlAttributes& Attributes) {
  const std::u16string width = Attributes.Value(u"width");
  if (width.empty())
    return;
  THtmlItem& previous = EndRun();
  auto indent = NewItem(THtmlItemType::hitIndent, previous);
  indent->FWidth = static_cast<std::uint16_t>(IntegerOr(width, 0));
  if (AsciiLower(Attributes.Value(u"pos")) == u"abs")
    indent->FBoolState |= HtmlAbsolutePositionBit;
  Append(std::move(indent));
  StartRun(previous);
}

void THtmlParser::ImageTag(const THtmlAttributes& Attributes) {
  const std::u16string source = Attributes.Value(u"src");
  if (source.empty())
    return;
  THtmlItem& previous = EndRun();
  auto image = NewItem(THtmlItemType::hitBitmap, previous);
  image->SetText(source);
  const std::optional<THtmlPictureSize> picture = FRender.GetImage(source);
  image->FTransparent = Attributes.Value(u"transparent") != u"solid";
  image->FWidth =
      static_cast<std::uint16_t>(IntegerOr(Attributes.Value(u"width"), picture ? picture->Width : 0));
  image->FHeight =
      static_cast<std::uint16_t>(IntegerOr(Attributes.Value(u"height"), picture ? picture->Height : 0));
  Append(std::move(image));
  StartRun(previous);
}

void THtmlParser::InputTag(const THtmlAttributes& Attributes) {
  if (!Attributes.Present())
    return;
  const std::u16string type = AsciiLower(Attributes.Value(u"type"));
  const TInputTypeName* inputType = nullptr;
  for (const TInputTypeName& entry : InputTypeTable)
    if (entry.Name == type)
      inputType = &entry;
  if (!inputType)
    return;

  THtmlItem& previous = EndRun();
  auto input = std::make_unique<THtmlInputItem>(&FData);
  input->Assign(previous);
  input->FItemType = THtmlItemType::hitInput;
  const std::u16string name = AsciiLower(Attributes.Value(u"name"));
  if (!name.empty())
    input->FName = name;
  input->FWidth = InputBoxSize;
  input->FHeight = InputBoxSize;
  input->SetInputType(inputType->Type);
  ApplyInputAttributes(*input, Attributes);
  FData.FControlsArray.push_back(input.get());
  Append(std::move(input));
  StartRun(previous);
}

void THtmlParser::VariableTag(const THtmlAttributes& Attributes) {
  THtmlItem& previous = EndRun();
  auto variable = NewItem(THtmlItemType::hitVar, previous);
  std::u16string name = Attributes.Value(u"name");
  if (name.empty())
    name = Attributes.Value(u"p1");
  std::u16string value = u"~~";
  FRender.GetVariable(name, value);
  variable->SetText(value);
  Append(std::move(variable));
  StartRun(previous).SetText(u" ");  // the text after a variable begins with a blank
}
