#pragma once
// Mouse input that arrives as the user's would: posted to a window's queue and dispatched by the pump, so
// that what the window's default handling makes of it happens too.

#include <windows.h>

#include <gtest/gtest.h>

#include "Controls.h"
#include "MessagePump.h"
#include "WinText.h"

// Presses and releases the right button at `p` (client coordinates of `window`) and pumps until the release
// has been handled to the end.
inline void PostRightClick(TWinControl& window, POINT p) {
  bool released = false;
  window.AddMessageWatcher(&released, [&released](const TMessage& message) {
    if (message.Msg == WM_RBUTTONUP)
      released = true;
  });
  PostMessageW(window.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, PointToLParam(p.x, p.y));
  PostMessageW(window.Handle(), WM_RBUTTONUP, 0, PointToLParam(p.x, p.y));
  // The pump dispatches everything waiting before it looks again, so the release is over when it stops.
  EXPECT_TRUE(PumpMessagesUntil([&released] { return released; })) << "the release never arrived";
  window.RemoveMessageWatcher(&released);
}

// Asks `window` for a context menu at a screen point, or from the keyboard (-1, -1), and pumps until the
// request has been handled to the end.
inline void PostContextRequest(TWinControl& window, POINT screen) {
  bool requested = false;
  window.AddMessageWatcher(&requested, [&requested](const TMessage& message) {
    if (message.Msg == WM_CONTEXTMENU)
      requested = true;
  });
  PostMessageW(window.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window.Handle()),
               PointToLParam(screen.x, screen.y));
  EXPECT_TRUE(PumpMessagesUntil([&requested] { return requested; })) << "the request never arrived";
  window.RemoveMessageWatcher(&requested);
}
