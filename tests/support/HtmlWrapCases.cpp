#include "HtmlWrapCases.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "DialogTexts.h"
#include "HtmlBenchCases.h"
#include "HtmlTestSupport.h"
#include "HtmlWrapSources.h"
#include "stream/TextForm.h"

namespace {

constexpr int LabelHeight = -13;
constexpr int HeaderHeight = -15;
// Longer captions are laid out at fewer widths, or comparing them would take most of the tests' time.
constexpr std::size_t LongCaption = 400;

std::u16string TextOf(const TStreamValue& value) {
  if (!value.Text.empty())
    return value.Text;
  std::u16string text;
  for (const char byte : value.Bytes)
    text.push_back(static_cast<unsigned char>(byte));  // 8-bit text of a description is Latin-1
  return text;
}

void AddFormCaptions(const TStreamObject& object, std::vector<THtmlWrapCaption>& captions) {
  for (const TStreamProperty& property : object.Properties)
    if (property.Name == "Caption" && property.Value.IsText())
      captions.push_back({"form " + object.Name, TextOf(property.Value), LabelHeight});
  for (const TStreamObject& child : object.Children)
    AddFormCaptions(child, captions);
}

void AddDialogTexts(std::vector<THtmlWrapCaption>& captions) {
  captions.push_back({"German header", GermanHeader(u"Quillon"), HeaderHeight});
  captions.push_back({"English header", EnglishHeader(u"Quillon"), HeaderHeight});
  const TDialogTexts& english = EnglishTexts();
  const std::pair<const char*, const std::u16string*> texts[] = {
      {"English caption", &english.Caption},          {"English step 1", &english.Step1},
      {"English link", &english.SignupLink},          {"English step 2", &english.Step2},
      {"English ID label", &english.CustomerIDLabel}, {"English step 3", &english.Step3},
      {"English button", &english.DownloadButton},    {"English hint", &english.Hint},
  };
  for (const auto& [name, text] : texts)
    captions.push_back({name, *text, LabelHeight});
  for (const bool german : {true, false})
    captions.push_back(
        {german ? "German failure" : "English failure", FailureMessage(german).Text, LabelHeight});
}

void AddFuzzSeeds(std::vector<THtmlWrapCaption>& captions) {
  std::string_view seeds = FuzzSeedCaptions;
  for (int line = 1; !seeds.empty(); ++line) {
    const std::size_t end = std::min(seeds.find('\n'), seeds.size());
    captions.push_back(
        {"fuzz seed " + std::to_string(line), U16(std::string(seeds.substr(0, end)).c_str()), LabelHeight});
    seeds.remove_prefix(std::min(end + 1, seeds.size()));
  }
}

void AddCorners(std::vector<THtmlWrapCaption>& captions) {
  const std::pair<const char*, const char*> corners[] = {
      {"long word alone", "Donaudampfschifffahrtsgesellschaftskapit\xC3\xA4nsm\xC3\xBCtzenabzeichen"},
      {"long word after text",
       "ab Donaudampfschifffahrtsgesellschaftskapit\xC3\xA4nsm\xC3\xBCtzenabzeichenhalter und mehr"},
      {"entities between characters",
       "one &amp; two &#65;&#66;&#67;&#68;&#69;&#70; thr&#101;e&nbsp;four &uuml;ber &Auml;rger &bogus;x&y z "
       "& w "
       "&#32;&#32;blank &#0;zero &lt;&gt;&quot; &#x41; last&amp;"},
      {"tags between characters",
       "W<b>o</b>r<i>d</i>s<u>p</u>l<s>i</s>t<b>t</b>e<i>r</i> a<b>b</b>c d<!-- x -->e"
       "<unknown>f<b></b>g h<font size=+1>i</font>j k<a href=q>l</a>m"},
      {"blanks", "   many    blanks   between   words    and   at   the   end   "},
      {"blanks after tags", "word <b> bold </b> plain <i> </i> <u>  </u> x"},
      {"surrogate pairs",
       "\xF0\x9F\x98\x80\xF0\x9F\x98\x80 x\xF0\x9F\x98\x80y "
       "\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0"
       "\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80 \xF0\x9F\x98\x80 end"},
      {"paragraph indent and alignment",
       "<p align=center indent=30>a centred paragraph with an indent, long enough to wrap more than once</p>"
       "<p align=right indent=-5>right aligned and pulled out</p>"},
      {"lists",
       "<ul><li>first item with text that wraps onto a second line<li>second<ol><li>one more item in a "
       "numbered list<li>b</ol></ul>after the list"},
      {"objects on the line",
       "<ind width=50>after an indent <img src=pic width=30 height=9> picture <input type=checkbox> box "
       "<hr width=10> rule <ind width=120 pos=abs>absolute <~~Name> variable"},
      {"scripts and sizes",
       "x<sub>subscript text that runs long</sub> and <sup>superscript text as well</sup> <font size=22>big "
       "words in a large font</font> <font size=+3 face=Tahoma>other face</font> <b>bold words here</b>"},
      {"breaks and line ends", "word<br>word<br><br>lines\r\nCR LF joined\nlone LF\rlone CR <p>para</p><br>"},
      {"one character words",
       "a b c d e f g h i j k l m n o p q r s t u v w x y z a b c d e f g h i j k l m n o"},
  };
  for (const auto& [name, caption] : corners)
    captions.push_back({name, U16(caption), LabelHeight});
}

// Every laid-out field of an item: its description, its size, its cached text width and a break's full
// parameters and list fields.
std::string LaidOut(const THtmlData& Document, const THtmlItem& Item) {
  std::string text = DescribeItem(Document, Item);
  char fields[96];
  std::snprintf(fields, sizeof fields, " | %ux%u tw=%u", unsigned{Item.FWidth}, unsigned{Item.FHeight},
                unsigned{Item.CachedTextWidth()});
  text += fields;
  if (const THtmlBreakItem* line = Item.AsBreak()) {
    std::snprintf(fields, sizeof fields, " params=%08X level=%d n=%d indent=%d", unsigned{line->FParams},
                  static_cast<int>(line->FListLevel), static_cast<int>(line->FListItemN),
                  static_cast<int>(line->FIndent));
    text += fields;
  }
  return text;
}

}  // namespace

std::vector<THtmlWrapCaption> WrapComparisonCaptions() {
  std::vector<THtmlWrapCaption> captions;
  AddFormCaptions(ParseTextForm(DialogFormText), captions);
  AddDialogTexts(captions);
  for (const THtmlBenchCase& benchCase : HtmlBenchCases())
    captions.push_back({"benchmark " + benchCase.Name, benchCase.Caption, benchCase.FontHeight});
  AddFuzzSeeds(captions);
  AddCorners(captions);
  return captions;
}

std::vector<int> WrapComparisonWidths(std::size_t Length) {
  std::vector<int> widths;
  if (Length < LongCaption) {
    for (int width = 0; width <= 20; ++width)
      widths.push_back(width);
    for (int width = 21; width < 7 * static_cast<int>(std::min<std::size_t>(Length, 60)); width += 13)
      widths.push_back(width);
  } else {
    widths = {0, 1, 7, 50, 99, 100, 101, 200};
  }
  for (const int width : {265, 300, 333, 411, 413, 500, 777, 1000, 4000, 65534, 65535, 65536, 70000})
    widths.push_back(width);
  return widths;
}

std::vector<std::string> LayoutWithRule(THtmlRender& Render, IHtmlWrapRule* Rule,
                                        const THtmlWrapCaption& Caption, int MaxWidth) {
  THtmlData& document = *Render.Data();
  document.SetDefaultFont(u"Verdana");
  document.SetDefaultHeight(Caption.FontHeight);
  Render.SetWrapRule(Rule);
  Render.PrepareText(Caption.Caption, MaxWidth, true);
  Render.SetWrapRule(nullptr);

  std::vector<std::string> layout;
  for (const auto& item : document.FArray)
    layout.push_back(LaidOut(document, *item));
  for (const THtmlItem* control : document.FControlsArray) {
    const auto at = std::find_if(document.FArray.begin(), document.FArray.end(),
                                 [control](const auto& item) { return item.get() == control; });
    layout.push_back("control at " + std::to_string(at - document.FArray.begin()));
  }
  const THtmlSize size = document.GetTextSize();
  layout.push_back("size " + std::to_string(size.cx) + "x" + std::to_string(size.cy));
  return layout;
}
