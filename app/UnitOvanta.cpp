#include "UnitOvanta.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdlib>

#include "AnsiText.h"
#include "BusyMarquee.h"
#include "DialogTexts.h"
#include "DownloadFile.h"
#include "ExEdits.h"
#include "ExHTMLLbl.h"
#include "ExPanel.h"
#include "HTTPGet.h"
#include "ProductConfig.h"
#include "Registry.h"
#include "StdCtrls.h"
#include "WinText.h"

namespace {

// The primary language of the system default language; every handler asks afresh.
bool SystemLanguageIsGerman() {
  constexpr LANGID kGermanPrimaryLanguage = 7;
  return (GetSystemDefaultLangID() & 0x3FF) == kGermanPrimaryLanguage;
}

// A download of this size or less is not the installer.
constexpr std::int32_t kInstallerSizeThreshold = 2200;
// A customer ID is stored only when it has exactly this many UTF-16 code units.
constexpr std::size_t kStoredCustomerIDLength = 10;
constexpr char kDownloadPassword[] = "plainaccessq";
constexpr UINT kFailureBoxFlags = MB_OK | MB_ICONEXCLAMATION | MB_SYSTEMMODAL | MB_SETFOREGROUND;

void ShowDownloadFailure() {
  const TFailureMessage& message = FailureMessage(SystemLanguageIsGerman());
  Application()->MessageBox(message.Text, message.Caption, kFailureBoxFlags);
}

}  // namespace

const TClassInfo& TForm1::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TForm1>("TForm1", &TForm::StaticClass())
          .Field("ExHTMLLabel2", &TForm1::ExHTMLLabel2)
          .Field("ExHTMLLabel5", &TForm1::ExHTMLLabel5)
          .Field("ExHTMLLabel3", &TForm1::ExHTMLLabel3)
          .Field("ExHTMLLabel4", &TForm1::ExHTMLLabel4)
          .Field("Label1", &TForm1::Label1)
          .Field("ExHTMLLabel6", &TForm1::ExHTMLLabel6)
          .Field("ExPanel1", &TForm1::ExPanel1)
          .Field("ExHTMLLabel1", &TForm1::ExHTMLLabel1)
          .Field("ExEdit1", &TForm1::ExEdit1)
          .Field("Button1", &TForm1::Button1)
          .Field("ExPanel2", &TForm1::ExPanel2)
          .Field("BusyMarqueeUserSynchronization", &TForm1::BusyMarqueeUserSynchronization)
          .Field("HTTPGetUpdate", &TForm1::HTTPGetUpdate)
          .Method("FormCreate", &TForm1::FormCreate)
          .Method("ExHTMLLabel3Click", &TForm1::ExHTMLLabel3Click)
          .Method("Button1Click", &TForm1::Button1Click)
          .Method("HTTPGetUpdateDoneFile", &TForm1::HTTPGetUpdateDoneFile)
          .Method("HTTPGetUpdateError", &TForm1::HTTPGetUpdateError)
          .Build();
  return info;
}

TForm1::TForm1(TComponent* owner) : TForm(owner) {}

void TForm1::FormCreate(TObject*) {
  ClientRegKey.clear();
  ClientRegValue.clear();
  const bool german = SystemLanguageIsGerman();

  ProdName = u"Quillon";
  HTTPGetUpdate->SetURL(std::string("http://") + ProductConfig::kDownloadHostAnsi +
                        "/download/quillonVV.exe");
  CampaignValue = ProductConfig::kCampaign;
  ClientRegKey = u"\\Software\\VELTRA\\Quillon";
  ClientRegValue = u"CustomerID";

  if (german) {
    ExHTMLLabel1->SetCaption(GermanHeader(ProdName));
  } else {
    const TDialogTexts& texts = EnglishTexts();
    SetCaption(texts.Caption);
    ExHTMLLabel1->SetCaption(EnglishHeader(ProdName));
    ExHTMLLabel2->SetCaption(texts.Step1);
    ExHTMLLabel3->SetCaption(texts.SignupLink);
    ExHTMLLabel4->SetCaption(texts.Step2);
    Label1->SetCaption(texts.CustomerIDLabel);
    ExHTMLLabel6->SetCaption(texts.Step3);
    Button1->SetCaption(texts.DownloadButton);
    ExHTMLLabel5->SetCaption(texts.Hint);
  }

  // The download component takes 8-bit names: a directory the ANSI code page cannot spell is given in its
  // short form, so that the file can still be created there.
  const std::u16string directory = AnsiSpellableDirectory(GetTempDir());
  const std::string name = DownloadFileName(HTTPGetUpdate->GetURL());
  HTTPGetUpdate->SetFileName(UnicodeToAnsi(directory + AnsiToUnicode(name)));
  HTTPGetUpdate->SetPassword(kDownloadPassword);
}

void TForm1::ExHTMLLabel3Click(TObject*) {
  const bool german = SystemLanguageIsGerman();
  RegLink = german ? u"https://" + std::u16string(ProductConfig::kSignupHostDe) + u"/vollversion/?l="
                   : u"https://" + std::u16string(ProductConfig::kSignupHostEn) + u"/fullversion/?l=";
  RegLink += CampaignValue;
  ShellExecuteW(Handle(), L"open", WideText(RegLink), nullptr, nullptr, SW_SHOW);
}

void TForm1::Button1Click(TObject*) {
  try {
    DeleteEarlierDownload(AnsiToUnicode(HTTPGetUpdate->GetFileName()));
  } catch (...) {
    // A file that cannot be removed makes the download itself fail, which the user is told about.
  }
  HTTPGetUpdate->SetUserName(UnicodeToAnsi(ExEdit1->GetText()));
  ExPanel2->Show();
  // Returns after the outcome handler; a successful download ends the program inside it.
  HTTPGetUpdate->GetFile();

  if (!ClientRegKey.empty() && ExEdit1->GetText().size() == kStoredCustomerIDLength) {
    TRegistry registry(KEY_ALL_ACCESS);
    registry.SetRootKey(HKEY_CURRENT_USER);
    registry.OpenKey(ClientRegKey, true);
    registry.WriteString(ClientRegValue, ExEdit1->GetText());
    registry.CloseKey();
  }
}

void TForm1::HTTPGetUpdateDoneFile(TObject*, const std::string&, std::int32_t FileSize) {
  ExPanel2->Hide();
  if (FileSize > kInstallerSizeThreshold) {
    ShellExecuteA(Handle(), "open", HTTPGetUpdate->GetFileName().c_str(), "", "", SW_SHOW);
    // The installer takes over; the program ends whatever the shell answered.
    std::exit(0);
  }
  ShowDownloadFailure();
}

void TForm1::HTTPGetUpdateError(TObject*) {
  ExPanel2->Hide();
  ShowDownloadFailure();
}

void RegisterDialogClasses() {
  RegisterHtmlLabelClasses();
  RegisterPanelClasses();
  RegisterEditClasses();
  RegisterBusyClasses();
  RegisterHTTPGetClasses();
}
