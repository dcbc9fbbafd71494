// Context menus: a window hands a request at a point to the graphic child there; a control raises
// OnContextPopup and shows its PopupMenu; what no control handles goes on to the parent window, as the
// window system passes it on.

#include "Controls.h"
#include "Menus.h"
#include "WinText.h"

namespace {

// A request from the keyboard (Shift+F10, the menu key) carries no position: both coordinates are -1.
bool FromKeyboard(POINT at) {
  return at.x == -1 && at.y == -1;
}

}  // namespace

void TControl::ContextMenuMessage(TMessage& message) {
  const POINT at = PointFromLParam(message.LParam);
  const bool fromKeyboard = FromKeyboard(at);
  bool handled = false;
  DoContextPopup(fromKeyboard ? at : ScreenToClient(at), handled);
  if (!handled && FPopupMenu)
    handled = ShowPopupMenu(*FPopupMenu, fromKeyboard ? std::nullopt : std::optional<POINT>(at));
  message.Result = handled ? 1 : 0;
}

void TControl::DoContextPopup(POINT mousePos, bool& handled) {
  Raise(OnContextPopup, this, mousePos, handled);
}

bool TControl::ShowPopupMenu(TPopupMenu& menu, std::optional<POINT> screenPoint) {
  if (!menu.GetAutoPopup())
    return false;
  // A menu takes the mouse: the press that opened it must not end in a click.
  FClicking = false;
  menu.SetPopupComponent(this);
  const POINT at = screenPoint ? *screenPoint : ClientToScreen(POINT{0, 0});
  menu.Popup(at.x, at.y);
  return true;
}

bool TWinControl::DispatchContextMenu(TMessage& message) {
  const POINT at = PointFromLParam(message.LParam);
  // Graphic controls never have the focus, so a keyboard request is the window's own.
  if (FromKeyboard(at))
    return false;
  TControl* target = ControlAtPos(ScreenToClient(at));
  if (!target)
    return false;
  TMessage forwarded{message.Msg, message.WParam, message.LParam, 0};
  target->DeliverMessage(forwarded);
  message.Result = forwarded.Result;
  return forwarded.Result != 0;
}
