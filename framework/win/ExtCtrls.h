#pragma once
// The window timer component.

#include <windows.h>

#include "Component.h"
#include "Handles.h"

class TTimer : public TComponent {
  OVANTA_CLASS(TTimer)

 public:
  explicit TTimer(TComponent* owner);

  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool value);
  unsigned GetInterval() const { return FInterval; }
  void SetInterval(unsigned milliseconds);

  TNotifyEvent OnTimer;

 protected:
  virtual void Timer();
  void Loaded() override;

 private:
  void UpdateTimer();
  static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  TWindowHandle FWindow;  // a message-only window that receives WM_TIMER
  bool FEnabled = true;
  unsigned FInterval = 1000;
};
