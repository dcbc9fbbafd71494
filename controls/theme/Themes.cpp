#include "Themes.h"

#include <memory>
#include <vector>

#include "Forms.h"
#include "ThemeResolution.h"
#include "UxTheme.h"

namespace {

TVisualStyleState QueryVisualStyles() {
  const TUxTheme& ux = UxTheme();
  TVisualStyleState state;
  state.LibraryAvailable = ux.Available();
  // Asked each time: the user may switch visual styles while the program runs.
  state.ThemeActive = state.LibraryAvailable && ux.IsThemeActive();
  state.AppThemed = state.LibraryAvailable && ux.IsAppThemed();
  return state;
}

// Version 6 of the common controls comes only with a manifest that asks for it.
bool CommonControls6Loaded() {
  struct TDllVersionInfo {
    DWORD Size, Major, Minor, Build, Platform;
  };
  using TDllGetVersion = HRESULT(CALLBACK*)(TDllVersionInfo*);
  const HMODULE library = LoadLibraryW(L"comctl32.dll");
  if (!library)
    return false;
  const auto getVersion = reinterpret_cast<TDllGetVersion>(
      reinterpret_cast<void (*)()>(GetProcAddress(library, "DllGetVersion")));
  TDllVersionInfo info{sizeof(TDllVersionInfo), 0, 0, 0, 0};
  const bool version6 = getVersion && SUCCEEDED(getVersion(&info)) && info.Major >= 6;
  FreeLibrary(library);
  return version6;
}

void SendThemeChangedToDescendants(TWinControl& parent) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    auto* child = dynamic_cast<TWinControl*>(parent.Controls(i));
    if (!child || !child->HandleAllocated())
      continue;
    SendMessageW(child->Handle(), WM_THEMECHANGED, 0, 0);
    SendThemeChangedToDescendants(*child);
  }
}

// Created with the unit at program start, freed at its end; the controls reach it through ThemeApplication().
const std::unique_ptr<TThemeApplication> GThemeApplication = std::make_unique<TThemeApplication>();

}  // namespace

const TClassInfo& TThemeApplication::StaticClass() {
  using C = TThemeApplication;
  static const TClassInfo info =
      TClassBuilder<C>("TThemeApplication", &TComponent::StaticClass())
          .Property<bool>("UseXPThemes", &C::GetUseXPThemes, &C::SetUseXPThemes)
          .Property<bool>("UseXPThemesFamilyOnly", &C::GetUseXPThemesFamilyOnly, &C::SetUseXPThemesFamilyOnly)
          .Property<bool>("ThemeUseColorProperty", &C::GetThemeUseColorProperty, &C::SetThemeUseColorProperty)
          .Property<TThemeMode>("ThemeGlobalMode", &C::GetThemeGlobalMode, &C::SetThemeGlobalMode)
          .Build();
  return info;
}

TThemeApplication::TThemeApplication() : TComponent(nullptr), FManifest(CommonControls6Loaded()) {}

bool TThemeApplication::GetUseXPThemes() const {
  return XPThemesInUse(FUseXPThemes, QueryVisualStyles());
}

void TThemeApplication::SetUseXPThemes(bool value) {
  if (!AcceptsUseXPThemes(FUseXPThemes, value, XPThemesSupported()))
    return;
  FUseXPThemes = value;
  const TUxTheme& ux = UxTheme();
  if (ux.Available()) {
    SendMessageW(Application()->Handle(), WM_THEMECHANGED, 0, 0);
    if (const auto properties = ThemeAppPropertiesFor(value, FFamilyOnly))
      ux.SetThemeAppProperties(*properties);
  }
  DoThemeChange();
}

void TThemeApplication::SetThemeGlobalMode(TThemeMode mode) {
  if (mode == FGlobalThemeMode)
    return;
  FGlobalThemeMode = mode;
  DoThemeChange();
}

bool TThemeApplication::XPThemesSupported() const {
  return UxTheme().Available();
}

void TThemeApplication::DoThemeChange() {
  // A control's reaction may create or free forms; the forms of this moment are told.
  std::vector<TForm*> forms;
  TApplication& application = *Application();
  for (int i = 0; i < application.ComponentCount(); ++i)
    if (auto* form = dynamic_cast<TForm*>(application.Components(i)))
      forms.push_back(form);
  for (TForm* form : forms) {
    form->Perform(CM_EXTHEMECHANGED);
    if (!form->GetVisible())
      continue;
    for (int i = 0; i < form->ControlCount(); ++i)
      form->Controls(i)->Perform(CM_EXTHEMECHANGED);
    SendThemeChangedToDescendants(*form);
    if (!FFamilyOnly)
      SendMessageW(form->Handle(), WM_THEMECHANGED, 0, 0);
  }
}

TThemeApplication& ThemeApplication() {
  return *GThemeApplication;
}
