#pragma once
// The full-version assistant: one fixed-size dialog that leads the user from the free edition to the full
// version.

#include <cstdint>
#include <string>

#include "Forms.h"

class TExHTMLLabel;
class TExPanel;
class TExEdit;
class TBusyMarquee;
class THTTPGet;
class TLabel;
class TButton;

class TForm1 : public TForm {
  OVANTA_CLASS(TForm1)

 public:
  explicit TForm1(TComponent* owner);

  // The components of the stored description, by name.
  TExHTMLLabel* ExHTMLLabel2 = nullptr;
  TExHTMLLabel* ExHTMLLabel5 = nullptr;
  TExHTMLLabel* ExHTMLLabel3 = nullptr;
  TExHTMLLabel* ExHTMLLabel4 = nullptr;
  TLabel* Label1 = nullptr;
  TExHTMLLabel* ExHTMLLabel6 = nullptr;
  TExPanel* ExPanel1 = nullptr;
  TExHTMLLabel* ExHTMLLabel1 = nullptr;
  TExEdit* ExEdit1 = nullptr;
  TButton* Button1 = nullptr;
  TExPanel* ExPanel2 = nullptr;
  TBusyMarquee* BusyMarqueeUserSynchronization = nullptr;
  THTTPGet* HTTPGetUpdate = nullptr;

  std::u16string RegLink;         // the sign-up link last opened
  std::u16string ProdName;        // product display name
  std::u16string CampaignValue;   // appended to the sign-up link
  std::u16string ClientRegKey;    // registry key of the customer ID
  std::u16string ClientRegValue;  // registry value name of the customer ID

  void FormCreate(TObject* Sender);
  void ExHTMLLabel3Click(TObject* Sender);
  void Button1Click(TObject* Sender);
  void HTTPGetUpdateDoneFile(TObject* Sender, const std::string& FileName, std::int32_t FileSize);
  void HTTPGetUpdateError(TObject* Sender);

  // The user's temporary directory with every component in its long form and a trailing "\"; "C:\" when
  // there is no usable one.
  static std::u16string GetTempDir();
};

// The full form of `path`, every component that exists on disk spelt as its directory entry gives it.
std::u16string ExpandToLongPath(const std::u16string& path);
// `directory` as the ANSI code page can spell it: itself when every character survives the conversion,
// otherwise its short form when the volume gives one that does, otherwise itself.
std::u16string AnsiSpellableDirectory(const std::u16string& directory);

// Registers every class the dialog's description names.
void RegisterDialogClasses();
