#include "UnitOvanta.h"

#include "BusyMarquee.h"
#include "ExEdits.h"
#include "ExHTMLLbl.h"
#include "ExPanel.h"
#include "HTTPGet.h"
#include "StdCtrls.h"

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

// The texts, the product configuration and the download flow are filled in by the handlers below as the dialog
// grows; until then the stored German dialog is shown as it stands.
void TForm1::FormCreate(TObject*) {}
void TForm1::ExHTMLLabel3Click(TObject*) {}
void TForm1::Button1Click(TObject*) {}
void TForm1::HTTPGetUpdateDoneFile(TObject*, const std::string&, std::int32_t) {}
void TForm1::HTTPGetUpdateError(TObject*) {}

void RegisterDialogClasses() {
  RegisterHtmlLabelClasses();
  RegisterPanelClasses();
  RegisterEditClasses();
  RegisterBusyClasses();
  RegisterHTTPGetClasses();
}
