// The dialog's own captions in both languages, parsed at the widths and in the fonts of their labels. Fixed
// metrics: at height -13 a character is 7 pixels wide (8 bold), at -15 8 (9 bold), at 22 9 (10 bold); cell
// heights 16, 18 and 21, descents 3, 3 and 4.

#include <gtest/gtest.h>

#include "HtmlTestSupport.h"

namespace {

using Strings = std::vector<std::string>;

struct TCaptionCase {
  const char* Name;
  const char* Caption;
  int FontHeight;
  TColor FontColor;
  int MaxWidth;  // label width minus twice its border
  Strings Items;
  Strings Lines;
  int TextWidth, TextHeight;
};

constexpr TColor HeaderYellow = ColorValue(0x00ADF2FC);
constexpr int StepWidth = 411;
constexpr int HintWidth = 445 - 2 * 16;

const TCaptionCase Captions[] = {
    {"German header",
     "Kostenlose Registrierung f\xC3\xBCr die <br><b>Vollversion von <font size=22>Quillon</b></font>",
     -15,
     HeaderYellow,
     StepWidth,
     {"para", "text 'Kostenlose Registrierung f\xC3\xBCr die '", "br", "text 'Vollversion von ' b",
      "text 'Quillon' b h=22"},
     {"265x18 d=3", "216x21 d=4"},
     265,
     39},
    {"English header",
     "Free registration for <br><b><font size=22>Quillon</font> (full version)</b>",
     -15,
     HeaderYellow,
     StepWidth,
     {"para", "text 'Free registration for '", "br", "text 'Quillon' b h=22", "text ' (full version)' b"},
     {"177x18 d=3", "207x21 d=4"},
     207,
     39},
    {"German step 1",
     "<B><U>Schritt 1:</U></B><br><br>Klicken Sie den folgenden Link und registrieren Sie sich:",
     -13,
     clWindowText,
     StepWidth,
     {"para", "text 'Schritt 1:' b u", "br", "br",
      "text 'Klicken Sie den folgenden Link und registrieren Sie sich:'"},
     {"81x16 d=3", "0x16 d=3", "400x16 d=3"},
     400,
     48},
    {"English step 1",
     "<B><U>Step 1:</U></B><br><br>Click the following link and register:",
     -13,
     clWindowText,
     StepWidth,
     {"para", "text 'Step 1:' b u", "br", "br", "text 'Click the following link and register:'"},
     {"57x16 d=3", "0x16 d=3", "267x16 d=3"},
     267,
     48},
    {"German step 2",
     "<B><U>Schritt 2:</U></B><br><br>Geben Sie die Kundennummer ein, die Sie nach der Registrierung per "
     "E-Mail "
     "erhalten haben:",
     -13,
     clWindowText,
     StepWidth,
     {"para", "text 'Schritt 2:' b u", "br", "br", "text 'Geben Sie die Kundennummer ein, die Sie nach der '",
      "soft", "text 'Registrierung per E-Mail erhalten haben:'"},
     {"81x16 d=3", "0x16 d=3", "344x16 d=3", "281x16 d=3"},
     344,
     64},
    {"English step 2",
     "<B><U>Step 2:</U></B><br><br>Enter your customer ID received by e-mail once your registration "
     "succeeded:",
     -13,
     clWindowText,
     StepWidth,
     {"para", "text 'Step 2:' b u", "br", "br", "text 'Enter your customer ID received by e-mail once your '",
      "soft", "text 'registration succeeded:'"},
     {"57x16 d=3", "0x16 d=3", "365x16 d=3", "162x16 d=3"},
     365,
     64},
    {"German step 3",
     "<B><U>Schritt 3:</U></B><br><br>Laden Sie die Vollversion herunter und installieren Sie diese auf "
     "Ihrem "
     "Computer:",
     -13,
     clWindowText,
     StepWidth,
     {"para", "text 'Schritt 3:' b u", "br", "br",
      "text 'Laden Sie die Vollversion herunter und installieren Sie '", "soft",
      "text 'diese auf Ihrem Computer:'"},
     {"81x16 d=3", "0x16 d=3", "393x16 d=3", "176x16 d=3"},
     393,
     64},
    {"English step 3",
     "<B><U>Step 3:</U></B><br><br>Download and install full version on your computer:",
     -13,
     clWindowText,
     StepWidth,
     {"para", "text 'Step 3:' b u", "br", "br", "text 'Download and install full version on your computer:'"},
     {"57x16 d=3", "0x16 d=3", "358x16 d=3"},
     358,
     48},
    {"German hint",
     "Bitte achten Sie auf die <B>korrekte Eingabe</B> Ihrer Daten, da eine Registrierung sonst nicht "
     "m\xC3\xB6glich "
     "ist!",
     -13,
     clWindowText,
     HintWidth,
     {"para", "text 'Bitte achten Sie auf die '", "text 'korrekte Eingabe' b", "text ' Ihrer Daten, '",
      "soft", "text 'da eine Registrierung sonst nicht m\xC3\xB6glich ist!'"},
     {"404x16 d=3", "323x16 d=3"},
     404,
     32},
    {"English hint",
     "Please pay attention to the <B>correct input of your data</B>, otherwise registration will fail!",
     -13,
     clWindowText,
     HintWidth,
     {"para", "text 'Please pay attention to the '", "text 'correct input of your data' b", "soft",
      "text ', otherwise registration will fail!'"},
     {"406x16 d=3", "246x16 d=3"},
     406,
     32},
};

TEST(HtmlDialogCaptions, ItemsLinesAndTextSize) {
  THtmlRenderFixture fixture;
  for (const TCaptionCase& caption : Captions) {
    SCOPED_TRACE(caption.Name);
    THtmlData& document = fixture.Document();
    document.SetDefaultHeight(caption.FontHeight);
    document.SetDefaultColor(caption.FontColor);
    fixture.Parse(U16(caption.Caption), caption.MaxWidth, true);
    EXPECT_EQ(DescribeItems(document), caption.Items);
    EXPECT_EQ(DescribeLines(document), caption.Lines);
    EXPECT_EQ(document.GetTextSize().cx, caption.TextWidth);
    EXPECT_EQ(document.GetTextSize().cy, caption.TextHeight);
    for (const auto& item : document.FArray) {
      EXPECT_EQ(item->FOwner, &document);
      EXPECT_FALSE(item->IsLink());
      EXPECT_EQ(item->FFntCnt, 0);
    }
    EXPECT_TRUE(document.FControlsArray.empty());
  }
}

}  // namespace
