#pragma once
// Forms (top-level windows built from their stored descriptions) and the application object with its message
// loop.

#include <windows.h>

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "Controls.h"

class TForm : public TWinControl {
  OVANTA_CLASS(TForm)

 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  // Reads the form's stored description, the RCDATA resource named after the class in upper case ("TFORM1"),
  // then runs OnCreate. Raises EReadError when the resource is missing or does not fit.
  void ReadDescription();
  void ReadDescription(const TStreamObject& description);

  const std::u16string& GetCaption() const { return GetText(); }
  void SetCaption(const std::u16string& caption) { SetText(caption); }
  TFormBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle style);
  TPosition GetPosition() const { return FPosition; }
  void SetPosition(TPosition position) { FPosition = position; }
  // Stored with the description; forms are never rescaled, so these have no effect on the geometry.
  bool GetScaled() const { return FScaled; }
  void SetScaled(bool v) { FScaled = v; }
  int GetPixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int v) { FPixelsPerInch = v; }
  int GetTextHeight() const { return FTextHeight; }
  void SetTextHeight(int v) { FTextHeight = v; }
  int GetStoredClientWidth() const { return ClientWidth(); }
  void SetStoredClientWidth(int width) { SetClientSize(width, ClientHeight()); }
  int GetStoredClientHeight() const { return ClientHeight(); }
  void SetStoredClientHeight(int height) { SetClientSize(ClientWidth(), height); }
  void SetClientSize(int width, int height) override;
  RECT ClientRect() const override;
  void SetBounds(int left, int top, int width, int height) override;

  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* control);
  // Focuses the first control in tab order that can take the focus.
  void SelectFirst();
  void Close();

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void VisibleChanged() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void PlaceOnScreen();
  void DoCreate();
  // The size the window's frame adds to the client area, for the current border style.
  SIZE FrameSize();
  bool FPlaced = false;  // placed on the screen by Position when first shown
  TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
  TPosition FPosition = TPosition::poDefaultPosOnly;
  bool FScaled = true;
  int FPixelsPerInch = 96;
  int FTextHeight = 13;
  int FClientWidth = 0, FClientHeight = 0;
  TWinControl* FActiveControl = nullptr;
};

class TApplication : public TComponent {
  OVANTA_CLASS(TApplication)

 public:
  explicit TApplication(TComponent* owner);
  ~TApplication() override;

  void Initialize();
  const std::u16string& GetTitle() const { return FTitle; }
  void SetTitle(const std::u16string& title);
  bool GetMainFormOnTaskBar() const { return FMainFormOnTaskBar; }
  void SetMainFormOnTaskBar(bool value) { FMainFormOnTaskBar = value; }
  // The hidden application window: it receives WM_NULL for calls handed over by other threads.
  HWND Handle() const { return FHandle.Get(); }
  TForm* MainForm() const { return FMainForm; }
  // The window message boxes of the application are owned by: the active window of this thread, else the main
  // form's window.
  HWND ActiveWindow() const;

  // Creates a form owned by the application, reads its description and runs its OnCreate; the first form
  // created becomes the main form.
  // A form of class TForm itself has no description; it starts empty. When the description cannot be read the
  // form is freed, `reference` is cleared and the error raised.
  template <class T>
  void CreateForm(T*& reference) {
    auto* form = new T(this);
    reference = form;
    try {
      AdoptForm(form);
    } catch (...) {
      reference = nullptr;
      delete form;
      throw;
    }
  }

  // Shows the main form and dispatches messages until Terminate.
  void Run();
  void Terminate();
  bool Terminated() const { return FTerminated; }
  // Dispatches every waiting message, then returns.
  void ProcessMessages();
  // Takes one message if there is one; false when the queue was empty.
  bool ProcessMessage();

  // An exception escaped a message handler or event on the main thread; the current handler decides what the
  // user sees (see ExceptionHandling.h).
  void HandleException(TObject* sender, std::exception_ptr error);

  int MessageBox(const std::u16string& text, const std::u16string& caption, UINT flags);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void AdoptForm(TForm* form);
  void CreateHandle();
  // Key handling before dispatch: Tab and Shift+Tab move the focus, Enter clicks a focused button.
  bool IsDialogKey(MSG& msg);
  void HandleMessage(MSG& msg);
  static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

  TWindowHandle FHandle;
  std::u16string FTitle;
  bool FMainFormOnTaskBar = false;
  bool FTerminated = false;
  TForm* FMainForm = nullptr;
};

// The process's application object, created on first use.
TApplication* Application();

// The form at the top of the control's parent chain (the control itself for a form), or nullptr.
TForm* GetParentForm(TControl* control);

// Registers the framework's classes that stored descriptions may name (TLabel, TButton, TTimer).
void RegisterStandardClasses();
