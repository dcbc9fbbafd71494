// libFuzzer target: the HTML parser and layout on any caption. After every input the document must hold its
// invariants, its size and the measuring work must stay within bounds linear in the input, the renderer's
// current document must be restored, and with wrapping the plain wrap rule of the test support must give the
// same layout. A failed check aborts, which the fuzzer reports with the input.
//
// Input: byte 0 = flags (bit 0 wrap, bit 1 text as raw UTF-16LE instead of UTF-8, bit 2 bold default style,
// bit 3 line gap 2, bit 4 line spacing 20, bit 5 parse into a created document), byte 1 = wrap width / 4,
// the rest = the caption. The variable "throw" and the picture "boom" fail, which must end the parse with an
// empty document.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <unordered_set>

#include "AnsiText.h"
#include "HtmlCharacterWrap.h"
#include "HtmlFixedMetrics.h"
#include "HtmlRender.h"

namespace {

void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "check failed: %s\n", what);
    std::abort();
  }
}

class TFuzzPictures : public IHtmlImageSource {
 public:
  explicit TFuzzPictures(bool& Failed) : FFailed(Failed) {}
  std::optional<THtmlPictureSize> GetImage(const std::u16string& Src) override {
    if (Src == u"boom") {
      FFailed = true;
      throw std::runtime_error("picture failed");
    }
    if (Src.size() % 2)
      return THtmlPictureSize{static_cast<int>(Src.size()) * 7, 20};
    return std::nullopt;
  }

 private:
  bool& FFailed;
};

std::u16string CaptionOf(const std::uint8_t* data, std::size_t size, bool rawUtf16) {
  if (!rawUtf16)
    return Utf8ToUnicode(std::string_view(reinterpret_cast<const char*>(data), size));
  std::u16string text;
  for (std::size_t i = 0; i + 1 < size; i += 2)
    text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
  return text;
}

void CheckDocument(const THtmlData& document, bool failed) {
  const auto& items = document.FArray;
  if (failed) {
    Check(items.empty() && document.FControlsArray.empty(), "a failed parse leaves an empty document");
    return;
  }
  Check(items.empty() || items.front()->FItemType == THtmlItemType::hitPara, "the first item is a paragraph");
  std::unordered_set<const THtmlItem*> owned;
  int lines = 0;
  int widest = 0;
  std::int64_t height = 0;
  for (const auto& item : items) {
    Check(item->FOwner == &document, "every item is owned by the document");
    owned.insert(item.get());
    const bool isBreakKind =
        item->FItemType == THtmlItemType::hitSoftBreak || item->FItemType == THtmlItemType::hitBreak ||
        item->FItemType == THtmlItemType::hitPara || item->FItemType == THtmlItemType::hitLI ||
        item->FItemType == THtmlItemType::hitUL || item->FItemType == THtmlItemType::hitOL;
    Check(isBreakKind == (item->AsBreak() != nullptr), "break kinds and break items coincide");
    if (const THtmlBreakItem* line = item->AsBreak()) {
      ++lines;
      widest = std::max<int>(widest, line->FWidth);
      height += line->FHeight + document.GetLineGap();
    }
  }
  Check(document.LineCount() == lines, "LineCount counts the break items");
  Check(document.GetTextSize().cx == widest, "the text width is the widest line");
  Check(document.GetTextSize().cy == static_cast<int>(height), "the text height adds up the lines");
  for (const THtmlItem* control : document.FControlsArray) {
    Check(owned.count(control) == 1, "FControlsArray holds only items of FArray");
    Check(control->IsLink() || control->FItemType == THtmlItemType::hitInput,
          "controls are links and inputs");
  }
  for (const std::u16string& group : document.FRadioList)
    Check(!group.empty(), "radio groups have names");
}

// Parses Caption with the settings of the flags into Render's own or a created document, and checks that the
// current document is the same afterwards.
THtmlData& Parse(THtmlRender& Render, TFuzzPictures& Pictures, bool& Failed, const std::u16string& Caption,
                 std::uint8_t Flags, int MaxWidth) {
  Render.SetImageSource(&Pictures);
  Render.OnVariableNeeded = [&Failed](TObject*, const std::u16string& name, std::u16string& value) {
    if (name == u"throw") {
      Failed = true;
      throw std::runtime_error("variable failed");
    }
    if (!name.empty())
      value = name.substr(0, 8);
  };

  THtmlData* document = Render.Data();
  if (Flags & 32)
    document = Render.CreateData();
  document->SetDefaultFont(u"Verdana");
  document->SetDefaultHeight(-13);
  if (Flags & 4)
    document->SetDefaultStyle({TFontStyle::fsBold});
  if (Flags & 8)
    document->SetLineGap(2);
  if (Flags & 16)
    document->SetLineSpacing(20);

  THtmlData* const current = Render.Data();
  Render.PrepareToData(Caption, MaxWidth, Flags & 1, *document);
  Check(Render.Data() == current, "the current document is restored");
  return *document;
}

// The renderer's wrap rule and the plain one give the same items with the same laid-out fields.
void CheckSameLayout(const THtmlData& Own, const THtmlData& Plain) {
  Check(Own.FArray.size() == Plain.FArray.size(), "both wrap rules give as many items");
  for (std::size_t i = 0; i < Own.FArray.size(); ++i) {
    const THtmlItem& own = *Own.FArray[i];
    const THtmlItem& plain = *Plain.FArray[i];
    Check(own.FItemType == plain.FItemType && own.Text() == plain.Text() &&
              own.FontStyle == plain.FontStyle && own.FontHeight == plain.FontHeight &&
              own.FFontRef == plain.FFontRef && own.FontColor == plain.FontColor &&
              own.FontBgColor == plain.FontBgColor && own.FLinkRef == plain.FLinkRef &&
              own.FBoolState == plain.FBoolState && own.FIndent == plain.FIndent &&
              own.FFntCnt == plain.FFntCnt,
          "both wrap rules give the same items");
    Check(own.FWidth == plain.FWidth && own.FHeight == plain.FHeight &&
              own.CachedTextWidth() == plain.CachedTextWidth(),
          "both wrap rules give the same item sizes");
    if (const THtmlBreakItem* line = own.AsBreak()) {
      const THtmlBreakItem* plainLine = plain.AsBreak();
      Check(plainLine && line->FParams == plainLine->FParams && line->FListLevel == plainLine->FListLevel &&
                line->FListItemN == plainLine->FListItemN,
            "both wrap rules give the same lines");
    }
  }
  Check(Own.GetTextSize().cx == Plain.GetTextSize().cx && Own.GetTextSize().cy == Plain.GetTextSize().cy,
        "both wrap rules give the same text size");
  Check(Own.FControlsArray.size() == Plain.FControlsArray.size(), "both wrap rules give as many controls");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2)
    return 0;
  const std::uint8_t flags = data[0];
  const int maxWidth = data[1] * 4;
  const std::u16string caption = CaptionOf(data + 2, size - 2, flags & 2);

  auto* metrics = new THtmlFixedMetrics(96);
  THtmlRender render{std::unique_ptr<IHtmlTextMetrics>(metrics)};
  bool failed = false;
  TFuzzPictures pictures(failed);
  THtmlData& document = Parse(render, pictures, failed, caption, flags, maxWidth);
  CheckDocument(document, failed);

  const std::size_t length = caption.size();
  Check(document.FArray.size() <= 2 * length + 2, "the document grows at most linearly with the text");
  const std::uint64_t bound = (2 * length + 8) * static_cast<std::uint64_t>(maxWidth + 3) + 64 * length;
  Check(metrics->MeasuredCharacters() <= bound, "measuring work is bounded by the text length");

  if (flags & 1) {
    THtmlCharacterWrap plainRule;
    THtmlRender plain{std::make_unique<THtmlFixedMetrics>(96)};
    plain.SetWrapRule(&plainRule);
    bool plainFailed = false;
    TFuzzPictures plainPictures(plainFailed);
    CheckSameLayout(document, Parse(plain, plainPictures, plainFailed, caption, flags, maxWidth));
  }

  render.SetData(&document);
  (void)render.AsText();
  (void)document.GenerateHTML();
  return 0;
}
