// Program entry.

#include <windows.h>

#include "UnitOvanta.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  RegisterDialogClasses();
  TForm1* form1 = nullptr;
  Application()->Initialize();
  Application()->SetMainFormOnTaskBar(true);
  Application()->SetTitle(u"Ovanta");
  Application()->CreateForm(form1);
  Application()->Run();
  return 0;
}
