#include <algorithm>
#include <cctype>

#include "ExtCtrls.h"
#include "Forms.h"
#include "Reader.h"
#include "Resources.h"
#include "StdCtrls.h"

TForm* GetParentForm(TControl* control) {
  if (!control)
    return nullptr;
  while (control->GetParent())
    control = control->GetParent();
  return dynamic_cast<TForm*>(control);
}

void RegisterStandardClasses() {
  RegisteredClasses().Register(TLabel::StaticClass());
  RegisteredClasses().Register(TButton::StaticClass());
  RegisteredClasses().Register(TTimer::StaticClass());
}

const TClassInfo& TForm::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TForm>("TForm", &TWinControl::StaticClass())
          .Property<std::u16string>("Caption", &TForm::GetCaption, &TForm::SetCaption)
          .Property<TFormBorderStyle>("BorderStyle", &TForm::GetBorderStyle, &TForm::SetBorderStyle)
          .Property<int>("ClientWidth", &TForm::GetStoredClientWidth, &TForm::SetStoredClientWidth)
          .Property<int>("ClientHeight", &TForm::GetStoredClientHeight, &TForm::SetStoredClientHeight)
          .Property<TPosition>("Position", &TForm::GetPosition, &TForm::SetPosition)
          .Property<bool>("Scaled", &TForm::GetScaled, &TForm::SetScaled)
          .Property<int>("PixelsPerInch", &TForm::GetPixelsPerInch, &TForm::SetPixelsPerInch)
          .Property<int>("TextHeight", &TForm::GetTextHeight, &TForm::SetTextHeight)
          .Event("OnCreate", &TForm::OnCreate)
          .Event("OnDestroy", &TForm::OnDestroy)
          .Event("OnShow", &TForm::OnShow)
          .Build();
  return info;
}

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  SetColor(clBtnFace);
  SetBounds(0, 0, 320, 240);
}

TForm::~TForm() {
  try {
    Raise(OnDestroy, this);
  } catch (...) {
    Application()->HandleException(this, std::current_exception());
  }
  Destroying();
}

// --- Stored description ---

void TForm::ReadDescription() {
  std::string resourceName = ClassName();
  std::transform(resourceName.begin(), resourceName.end(), resourceName.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  TStreamObject description;
  try {
    description = LoadDescription(nullptr, std::u16string(resourceName.begin(), resourceName.end()));
  } catch (const EStreamError& e) {
    throw EReadError("The description of " + ClassName() + " cannot be read: " + e.what());
  }
  ReadDescription(description);
}

void TForm::ReadDescription(const TStreamObject& description) {
  RegisterStandardClasses();
  ReadComponentTree(*this, description, RegisteredClasses());
  DoCreate();
}

void TForm::DoCreate() {
  // As for any other event: an exception of the handler is shown and the form is kept.
  try {
    Raise(OnCreate, this);
  } catch (...) {
    Application()->HandleException(this, std::current_exception());
  }
}

// --- Window ---

void TForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  params.ExStyle = 0;
  switch (FBorderStyle) {
    case TFormBorderStyle::bsNone:
      params.Style |= WS_POPUP;
      break;
    case TFormBorderStyle::bsSingle:
      params.Style |= WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
      break;
    case TFormBorderStyle::bsSizeable:
      params.Style |= WS_OVERLAPPEDWINDOW;
      break;
    case TFormBorderStyle::bsDialog:
      params.Style |= WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
      params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case TFormBorderStyle::bsToolWindow:
      params.Style |= WS_CAPTION | WS_SYSMENU;
      params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
    case TFormBorderStyle::bsSizeToolWin:
      params.Style |= WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
      params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (!GetEnabled())
    params.Style |= WS_DISABLED;
  // Windows of the main form own the other forms; the main form has a task-bar button of its own.
  TApplication* application = Application();
  TForm* mainForm = application->MainForm();
  params.WndParent = nullptr;
  if (mainForm == this) {
    if (application->GetMainFormOnTaskBar())
      params.ExStyle |= WS_EX_APPWINDOW;
  } else if (mainForm && mainForm->HandleAllocated()) {
    params.WndParent = mainForm->Handle();
  } else {
    params.WndParent = application->Handle();
  }
}

void TForm::CreateWnd() {
  const int clientWidth = FClientWidth, clientHeight = FClientHeight;
  TWinControl::CreateWnd();
  // The frame the window system draws may differ from what AdjustWindowRectEx predicts: fit it now.
  SetClientSize(clientWidth, clientHeight);
  if (GetVisible() && FPlaced)
    ShowWindow(Handle(), SW_SHOW);
}

SIZE TForm::FrameSize() {
  TCreateParams params;
  CreateParams(params);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
  return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == FBorderStyle)
    return;
  const int width = ClientWidth(), height = ClientHeight();
  FBorderStyle = style;
  RecreateWnd();
  SetClientSize(width, height);
}

RECT TForm::ClientRect() const {
  if (HandleAllocated())
    return TWinControl::ClientRect();
  return RECT{0, 0, FClientWidth, FClientHeight};
}

void TForm::SetBounds(int left, int top, int width, int height) {
  if (!HandleAllocated()) {
    // Without a window the client area follows from the frame the border style gives; it is known before the
    // children are laid out again.
    GetConstraints()->Apply(width, height);
    const SIZE frame = FrameSize();
    FClientWidth = std::max<int>(width - frame.cx, 0);
    FClientHeight = std::max<int>(height - frame.cy, 0);
  }
  TWinControl::SetBounds(left, top, width, height);
}

void TForm::SetClientSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (!HandleAllocated()) {
    const SIZE frame = FrameSize();
    SetBounds(GetLeft(), GetTop(), width + frame.cx, height + frame.cy);
    return;
  }
  // A second round for frames whose height depends on the width (a wrapping menu bar, say).
  for (int round = 0; round < 2; ++round) {
    RECT client{};
    GetClientRect(Handle(), &client);
    const int missingWidth = width - client.right, missingHeight = height - client.bottom;
    if (missingWidth == 0 && missingHeight == 0)
      break;
    SetBounds(GetLeft(), GetTop(), GetWidth() + missingWidth, GetHeight() + missingHeight);
  }
}

void TForm::PlaceOnScreen() {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  TForm* mainForm = Application()->MainForm();
  switch (FPosition) {
    case TPosition::poMainFormCenter:
    case TPosition::poOwnerFormCenter:
      if (mainForm && mainForm != this && mainForm->Showing())
        area = mainForm->BoundsRect();
      break;
    case TPosition::poScreenCenter:
    case TPosition::poDesktopCenter:
      break;
    default:
      return;
  }
  const int left = area.left + (area.right - area.left - GetWidth()) / 2;
  const int top = area.top + (area.bottom - area.top - GetHeight()) / 2;
  SetBounds(left, top, GetWidth(), GetHeight());
}

void TForm::VisibleChanged() {
  if (!GetVisible()) {
    if (HandleAllocated())
      ShowWindow(Handle(), SW_HIDE);
    return;
  }
  HWND wnd = Handle();
  if (!FPlaced) {
    PlaceOnScreen();
    FPlaced = true;
  }
  ShowWindow(wnd, SW_SHOW);
  Raise(OnShow, this);
}

void TForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_CLOSE:
      Close();
      message.Result = 0;
      return;
    case WM_SIZE:
      if (message.WParam != SIZE_MINIMIZED) {
        FClientWidth = LOWORD(message.LParam);
        FClientHeight = HIWORD(message.LParam);
      }
      break;
    case WM_ACTIVATE:
      TWinControl::WndProc(message);
      // The window system gives the focus to the form itself; it belongs to the control that had it.
      if (LOWORD(message.WParam) != WA_INACTIVE && FActiveControl && FActiveControl->CanFocus())
        ::SetFocus(FActiveControl->Handle());
      return;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

// --- Focus ---

void TForm::SetActiveControl(TWinControl* control) {
  if (control == this)
    control = nullptr;
  if (control == FActiveControl)
    return;
  if (FActiveControl)
    RemoveFreeNotification(FActiveControl);
  FActiveControl = control;
  if (!control)
    return;
  FreeNotification(control);
  if (Showing() && control->CanFocus() && !control->Focused())
    control->SetFocus();
}

void TForm::SelectFirst() {
  TWinControl* first = FindNextControl(nullptr, true, true);
  if (!first)
    first = FindNextControl(nullptr, true, false);
  if (first)
    first->SetFocus();
}

void TForm::Close() {
  if (Application()->MainForm() == this)
    Application()->Terminate();
  else
    Hide();
}

void TForm::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component == FActiveControl)
    FActiveControl = nullptr;
  TWinControl::Notification(component, operation);
}
