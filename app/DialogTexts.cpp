#include "DialogTexts.h"

std::u16string GermanHeader(const std::u16string& prodName) {
  return u"Kostenlose Registrierung für die <br><b>Vollversion von <font size=22>" + prodName +
         u"</b></font>";
}

std::u16string EnglishHeader(const std::u16string& prodName) {
  return u"Free registration for <br><b><font size=22>" + prodName + u"</font> (full version)</b>";
}

const TDialogTexts& EnglishTexts() {
  static const TDialogTexts texts{
      u"Register full version",
      u"<B><U>Step 1:</U></B><br><br>Click the following link and register:",
      u"Register now",
      u"<B><U>Step 2:</U></B><br><br>Enter your customer ID received by e-mail once your registration "
      u"succeeded:",
      u"Customer ID:",
      u"<B><U>Step 3:</U></B><br><br>Download and install full version on your computer:",
      u"Download full version",
      u"Please pay attention to the <B>correct input of your data</B>, otherwise registration will fail!",
  };
  return texts;
}

const TFailureMessage& FailureMessage(bool german) {
  static const TFailureMessage germanMessage{
      u"Download fehlgeschlagen",
      u"Der Download der Vollversion ist fehlgeschlagen!\r\n\r\nBitte prüfen Sie, ob die angegebene "
      u"Kundennummer "
      u"korrekt ist und stellen Sie sicher, dass Ihre Firewall den Zugriff nicht blockiert.",
  };
  static const TFailureMessage englishMessage{
      u"Download failed",
      u"Downloading full version failed!\r\n\r\nPlease check your customer ID and make sure your firewall is "
      u"not "
      u"blocking internet access.",
  };
  return german ? germanMessage : englishMessage;
}
