#pragma once
// Controls: graphic controls (no window; painted by their windowed parent, in z-order, clipped to their
// bounds, and fed mouse input by it) and windowed controls (own window, children, focus and tab order).

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Component.h"
#include "Graphics.h"
#include "Messages.h"
#include "Types.h"

class TPopupMenu;
class TWinControl;

enum class TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };
template <>
struct TEnumNames<TMouseButton> {
  static constexpr std::array<std::string_view, 3> Names{"mbLeft", "mbRight", "mbMiddle"};
  static_assert(NamesEveryValue(Names, TMouseButton::mbMiddle));
};
TShiftState KeysToShiftState(WPARAM keys);        // from the MK_* flags of a mouse message
TShiftState KeyboardShiftState();                 // from the current keyboard state
TShiftState KeyDataToShiftState(LPARAM keyData);  // of a key message: Alt from its key data, the rest now
// The system cursor shown for `cursor` (nullptr for crNone; the arrow for crDefault).
HCURSOR CursorHandle(TCursor cursor);

using TMouseEvent = TEvent<TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TShiftState, int, int>;
using TKeyEvent = TEvent<WORD&, TShiftState>;
using TKeyPressEvent = TEvent<char16_t&>;
// A context menu is asked for at MousePos (client coordinates; -1, -1 when asked from the keyboard); set
// Handled to keep the control from showing its PopupMenu.
using TContextPopupEvent = TEvent<POINT /*MousePos*/, bool& /*Handled*/>;

// Minimum and maximum sizes; 0 means no limit.
class TSizeConstraints : public TPersistent {
  OVANTA_CLASS(TSizeConstraints)

 public:
  int GetMinWidth() const { return FMinWidth; }
  void SetMinWidth(int v) { FMinWidth = v; }
  int GetMinHeight() const { return FMinHeight; }
  void SetMinHeight(int v) { FMinHeight = v; }
  int GetMaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int v) { FMaxWidth = v; }
  int GetMaxHeight() const { return FMaxHeight; }
  void SetMaxHeight(int v) { FMaxHeight = v; }
  void Apply(int& width, int& height) const;

 private:
  int FMinWidth = 0, FMinHeight = 0, FMaxWidth = 0, FMaxHeight = 0;
};

class TControl : public TComponent {
  OVANTA_CLASS(TControl)

 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* GetParent() const { return FParent; }
  virtual void SetParent(TWinControl* parent);
  void SetParentComponent(TComponent* parent) override;

  int GetLeft() const { return FLeft; }
  int GetTop() const { return FTop; }
  int GetWidth() const { return FWidth; }
  int GetHeight() const { return FHeight; }
  void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
  void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
  void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
  void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return RECT{FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  // The client area in the control's own coordinates; (0, 0, Width, Height) unless a window says otherwise.
  virtual RECT ClientRect() const;
  int ClientWidth() const;
  int ClientHeight() const;
  virtual void SetClientSize(int width, int height);
  POINT ClientToScreen(POINT p) const;
  POINT ScreenToClient(POINT p) const;
  // The offset of this control's client origin within its nearest windowed ancestor's client area.
  virtual POINT ClientOrigin() const;

  TAlign GetAlign() const { return FAlign; }
  void SetAlign(TAlign align);
  TAnchors GetAnchors() const { return FAnchors; }
  void SetAnchors(TAnchors anchors);
  TSizeConstraints* GetConstraints() { return &FConstraints; }

  bool GetVisible() const { return FVisible; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible itself and every parent up to a visible top-level window.
  bool Showing() const;
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool enabled);

  TColor GetColor() const { return FColor; }
  void SetColor(TColor color);  // also switches ParentColor off
  bool GetParentColor() const { return FParentColor; }
  void SetParentColor(bool value);
  TFont* GetFont() { return &FFont; }
  const TFont* GetFont() const { return &FFont; }
  bool GetParentFont() const { return FParentFont; }
  void SetParentFont(bool value);

  TCursor GetCursor() const { return FCursor; }
  virtual void SetCursor(TCursor cursor);
  // The cursor shown over the control right now (the user's Cursor unless the control switches it).
  virtual TCursor DisplayedCursor() const { return FCursor; }

  // The control's text (the caption of labels, buttons and forms).
  const std::u16string& GetText() const { return FText; }
  void SetText(const std::u16string& text);
  const std::u16string& GetHint() const { return FHint; }
  void SetHint(const std::u16string& hint) { FHint = hint; }
  bool GetShowHint() const { return FShowHint; }
  void SetShowHint(bool v) { FShowHint = v; }
  bool GetParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool v) { FParentShowHint = v; }
  TBiDiMode GetBiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode v) { FBiDiMode = v; }
  bool GetParentBiDiMode() const { return FParentBiDiMode; }
  void SetParentBiDiMode(bool v) { FParentBiDiMode = v; }
  TPopupMenu* GetPopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* menu);
  TDockOrientation GetDockOrientation() const { return FDockOrientation; }
  void SetDockOrientation(TDockOrientation v) { FDockOrientation = v; }
  bool MouseInControl() const { return FMouseInControl; }

  // Repaints: Invalidate marks the control's area for painting; Update paints what is marked now.
  virtual void Invalidate();
  void Update();
  void Repaint();

  // Sends a message straight to the control's WndProc and returns its result.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  // Message handling. The parent hands graphic controls their mouse messages, in client coordinates.
  virtual void WndProc(TMessage& message);
  // Where the messages of the window system (and those a parent hands on) come in: the watchers see each
  // one first, then WndProc handles it.
  void DeliverMessage(TMessage& message);
  // A watcher sees the control's messages before the control handles them and cannot mark them handled.
  // Key identifies it for removal; adding under a key already present replaces that watcher.
  using TMessageWatcher = std::function<void(const TMessage&)>;
  void AddMessageWatcher(const void* key, TMessageWatcher watcher);
  void RemoveMessageWatcher(const void* key);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TContextPopupEvent OnContextPopup;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnResize;

 protected:
  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void Resize();
  // A context menu is asked for at mousePos (client coordinates, or -1, -1 from the keyboard): raises
  // OnContextPopup. A control that shows a menu of its own here sets handled.
  virtual void DoContextPopup(POINT mousePos, bool& handled);
  // Shows `menu` for this control at a screen point, or at the control's top-left corner without one; false
  // (and nothing shown) when the menu does not pop up by itself.
  bool ShowPopupMenu(TPopupMenu& menu, std::optional<POINT> screenPoint);

  // Notifications of changed settings; the defaults repaint.
  virtual void FontChanged();
  virtual void ColorChanged();
  virtual void EnabledChanged();
  virtual void VisibleChanged();
  virtual void TextChanged();
  // The parent's colour or font changed (taken over when ParentColor / ParentFont is set).
  void ParentColorChanged();
  void ParentFontChanged();

  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  // The default message handling when WndProc has nothing to do.
  virtual void DefaultHandler(TMessage& message);

  bool FClicking = false;  // left button went down inside and has not come up
  // Whether a left-button release after a press inside raises Click; false for controls whose window reports
  // clicks itself (the system button's BN_CLICKED).
  bool FMouseUpClicks = true;

 private:
  void FontChangedFromUser();
  void ColorSettingChanged();
  void MouseMessage(TMessage& message);
  // WM_CONTEXTMENU: DoContextPopup, then the PopupMenu; Result is 1 when the request was handled.
  void ContextMenuMessage(TMessage& message);
  void AnchorsToParent();
  friend class TWinControl;

  TWinControl* FParent = nullptr;
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  TAlign FAlign = TAlign::alNone;
  TAnchors FAnchors{TAnchorKind::akLeft, TAnchorKind::akTop};
  // Distances to the parent's right and bottom edges, kept for akRight / akBottom.
  int FAnchorRight = 0, FAnchorBottom = 0;
  TSizeConstraints FConstraints;
  bool FVisible = true;
  bool FEnabled = true;
  TColor FColor = clWindow;
  bool FParentColor = true;
  TFont FFont;
  bool FParentFont = true;
  bool FSettingParentFont = false;
  TCursor FCursor = crDefault;
  std::u16string FText;
  std::u16string FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  TBiDiMode FBiDiMode = TBiDiMode::bdLeftToRight;
  bool FParentBiDiMode = true;
  TPopupMenu* FPopupMenu = nullptr;
  TDockOrientation FDockOrientation = TDockOrientation::doNoOrient;
  bool FMouseInControl = false;
  std::vector<std::pair<const void*, TMessageWatcher>> FMessageWatchers;
};

// A control without a window, painted by its parent through Paint on the parent's device context.
class TGraphicControl : public TControl {
  OVANTA_CLASS(TGraphicControl)

 public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;
  void WndProc(TMessage& message) override;

 protected:
  // Draws on Canvas(), whose origin is the control's top-left corner and whose clip is its bounds; the canvas
  // starts with the control's font and a solid brush of its Color.
  virtual void Paint() {}
  TCanvas& Canvas() { return FCanvas; }

 private:
  TCanvas FCanvas;
};

struct TCreateParams {
  std::u16string WindowClass;  // empty: the framework's own class
  std::u16string Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
};

// A control with its own window.
class TWinControl : public TControl {
  OVANTA_CLASS(TWinControl)

 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  HWND Handle();  // created on first use (with the parent's)
  bool HandleAllocated() const { return static_cast<bool>(FHandle); }
  void HandleNeeded() { Handle(); }
  void RecreateWnd();
  // The control that owns `wnd`, if it is one of the framework's windows.
  static TWinControl* FromHandle(HWND wnd);

  // Child controls in z-order (later above earlier).
  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int index) const { return FControls.at(static_cast<std::size_t>(index)); }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  // The topmost visible, enabled graphic child at `p` (client coordinates), if any.
  TControl* ControlAtPos(POINT p) const;

  int GetTabOrder() const;
  void SetTabOrder(int order);
  bool GetTabStop() const { return FTabStop; }
  void SetTabStop(bool value) { FTabStop = value; }
  bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();
  // Windowed descendants in tab order (depth first), for focus navigation.
  void GetTabOrderList(std::vector<TWinControl*>& list);
  // The next (or previous) control that can take the focus after `current`, cycling.
  TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop);
  void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

  bool GetDoubleBuffered() const { return FDoubleBuffered; }
  void SetDoubleBuffered(bool value) { FDoubleBuffered = value; }
  // Whether WM_PAINT paints the background and PaintHandler into a memory buffer of the client size and
  // copies the painted area to the window at once: DoubleBuffered unless the control always does.
  virtual bool PaintsBuffered() const { return FDoubleBuffered; }
  int GetBorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int width);

  RECT ClientRect() const override;
  void SetBounds(int left, int top, int width, int height) override;
  void Invalidate() override;
  void WndProc(TMessage& message) override;

  // Lays out the aligned children in AdjustClientRect, and moves anchored ones after a size change.
  void Realign();

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  virtual void DestroyWnd();
  // The area aligned children share; shrinks the client rectangle by BorderWidth by default.
  virtual void AdjustClientRect(RECT& rect);
  virtual void AlignControls(RECT& rect);
  // Paints the window: PaintWindow, then the graphic children (each clipped to its bounds, origin moved).
  virtual void PaintHandler(HDC dc);
  virtual void PaintWindow(HDC dc);
  void PaintControls(HDC dc);

  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyUp(WORD& key, TShiftState shift);
  virtual void KeyPress(char16_t& key);
  virtual void DoEnter();
  virtual void DoExit();

  void DefaultHandler(TMessage& message) override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  void TextChanged() override;
  void FontChanged() override;
  void ColorChanged() override;
  void Loaded() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void CreateHandle();
  void PlaceInZOrder();
  void SyncBoundsFromWindow();
  void ApplyAnchors(TControl& control, int parentWidth, int parentHeight);
  // Hands a mouse message to the graphic child it belongs to; false when it is the window's own.
  bool DispatchMouse(TMessage& message);
  // Hands a context-menu request at a point to the graphic child there; false when the child leaves it
  // unhandled or there is none, and the window handles it itself.
  bool DispatchContextMenu(TMessage& message);
  void OwnMouseCapture(const TMessage& message);
  void UpdateMouseControl(TControl* control);
  void MouseLeftWindow();
  bool SetCursorFromControls(const TMessage& message);
  // WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR* and WM_DRAWITEM of a child window go back to the child as CN_*.
  bool ReflectNotification(TMessage& message);
  void DefaultNotification(TMessage& message);
  void PaintMessage(TMessage& message);
  void EraseBackground(HDC dc);
  HBRUSH BackgroundBrush();
  void FocusMessage(TMessage& message);
  bool KeyMessage(TMessage& message);
  void HandleDestroyed();
  void DestroyHandle();
  friend class TControl;

  TWindowHandle FHandle;
  WNDPROC FDefWndProc = nullptr;  // the window class's own procedure, for subclassed system controls
  bool FSubclassed = false;       // a system class (such as "BUTTON") whose procedure was replaced
  std::vector<TControl*> FControls;
  std::vector<TWinControl*> FTabList;
  bool FTabStop = false;
  bool FDoubleBuffered = false;
  int FBorderWidth = 0;
  bool FAligning = false;
  TControl* FMouseControl = nullptr;    // the graphic child under the mouse
  TControl* FCaptureControl = nullptr;  // the graphic child that got the button press
  TBrushHandle FBackgroundBrush;
};

// A windowed control that paints itself through Paint on its own canvas (bound to the paint's device context,
// with the control's font and a solid brush of its Color; the background is already filled with Color).
class TCustomControl : public TWinControl {
  OVANTA_CLASS(TCustomControl)

 public:
  explicit TCustomControl(TComponent* owner);
  ~TCustomControl() override;

 protected:
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;
  TCanvas& Canvas() { return FCanvas; }

 private:
  TCanvas FCanvas;
};
