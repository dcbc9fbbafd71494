#pragma once
// The captions the renderer is measured on: the dialog's own captions in both languages with their labels'
// fonts and widths, and a 10 KB caption of the same kind wrapped at 411 pixels.

#include <string>
#include <vector>

#include "HtmlRender.h"

struct THtmlBenchCase {
  std::string Name;
  std::u16string Caption;
  int FontHeight;
  int MaxWidth;
};

inline std::vector<THtmlBenchCase> HtmlBenchCases() {
  std::vector<THtmlBenchCase> cases = {
      {"HeaderDE",
       u"Kostenlose Registrierung f\u00FCr die <br><b>Vollversion von <font size=22>Quillon</b></font>", -15,
       411},
      {"HeaderEN", u"Free registration for <br><b><font size=22>Quillon</font> (full version)</b>", -15, 411},
      {"Step1DE",
       u"<B><U>Schritt 1:</U></B><br><br>Klicken Sie den folgenden Link und registrieren Sie sich:", -13,
       411},
      {"Step1EN", u"<B><U>Step 1:</U></B><br><br>Click the following link and register:", -13, 411},
      {"Step2DE",
       u"<B><U>Schritt 2:</U></B><br><br>Geben Sie die Kundennummer ein, die Sie nach der Registrierung per "
       u"E-Mail "
       u"erhalten haben:",
       -13, 411},
      {"Step2EN",
       u"<B><U>Step 2:</U></B><br><br>Enter your customer ID received by e-mail once your registration "
       u"succeeded:",
       -13, 411},
      {"Step3DE",
       u"<B><U>Schritt 3:</U></B><br><br>Laden Sie die Vollversion herunter und installieren Sie diese auf "
       u"Ihrem "
       u"Computer:",
       -13, 411},
      {"Step3EN", u"<B><U>Step 3:</U></B><br><br>Download and install full version on your computer:", -13,
       411},
      {"HintDE",
       u"Bitte achten Sie auf die <B>korrekte Eingabe</B> Ihrer Daten, da eine Registrierung sonst nicht "
       u"m\u00F6glich "
       u"ist!",
       -13, 413},
      {"HintEN",
       u"Please pay attention to the <B>correct input of your data</B>, otherwise registration will fail!",
       -13, 413},
  };
  std::u16string large;
  while (large.size() < 10 * 1024) {
    for (const THtmlBenchCase& dialogCase : cases)
      large += dialogCase.Caption + u" ";
    large +=
        u"<p>A <a href=\"x\">link</a>, <i>italic</i> &amp; <font color=#CE7B00>coloured</font> text.</p>";
  }
  cases.push_back({"Large10K", large, -13, 411});
  return cases;
}

// Parses Caption into the renderer's current document with the labels' defaults.
inline void HtmlBenchParse(THtmlRender& render, const THtmlBenchCase& benchCase) {
  THtmlData& document = *render.Data();
  document.SetDefaultFont(u"Verdana");
  document.SetDefaultHeight(benchCase.FontHeight);
  render.PrepareText(benchCase.Caption, benchCase.MaxWidth, true);
}

// The caption's plain text, measured in one piece by the floor benchmarks.
inline std::u16string HtmlBenchPlainText(THtmlRender& render, const THtmlBenchCase& benchCase) {
  HtmlBenchParse(render, benchCase);
  std::u16string text = render.AsText();
  std::erase_if(text, [](char16_t c) { return c == u'\r' || c == u'\n'; });
  return text;
}
