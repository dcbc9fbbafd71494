#pragma once
// A themed control that records what the tests look at: its invalidations and the redraw switches it gets.

#include <vector>

#include "ExXPThemedControl.h"

class TThemeProbe : public TExXPThemedControl {
 public:
  using TExXPThemedControl::TExXPThemedControl;

  void CreateParams(TCreateParams& params) override {
    TExXPThemedControl::CreateParams(params);
    if (ClientEdge)
      params.ExStyle |= WS_EX_CLIENTEDGE;
  }
  void Invalidate() override {
    ++Invalidations;
    TExXPThemedControl::Invalidate();
  }
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_SETREDRAW)
      RedrawSwitches.push_back(message.WParam != 0);
    TExXPThemedControl::WndProc(message);
  }
  void PreventStyleChange(bool value) { FPreventStyleChange = value; }
  // Gives the window the platform's sunken client edge: a non-client ring of its own.
  bool ClientEdge = false;

  int Invalidations = 0;
  std::vector<bool> RedrawSwitches;
};
