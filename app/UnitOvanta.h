#pragma once
// The full-version assistant: one fixed-size dialog that leads the user from the free edition to the full version.

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
};

// Registers every class the dialog's description names.
void RegisterDialogClasses();
