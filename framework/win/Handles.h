#pragma once
// Owning wrappers for Win32 handles. Each kind of handle has one type that releases it with the function that
// belongs to it, exactly once, on every path; nothing else in the program calls a release function by hand.
// A handle is given to its owner in the expression that creates it, so that no exception can come between the
// two.

#include <windows.h>

#include <utility>

// One owned handle of the kind that Traits describes: Traits::Handle is the handle type, Traits::Invalid()
// the value that owns nothing, Traits::Close(handle) releases a valid one.
template <class Traits>
class TUniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  TUniqueHandle() noexcept = default;
  explicit TUniqueHandle(Handle handle) noexcept : FHandle(handle) {}
  ~TUniqueHandle() { Reset(); }
  TUniqueHandle(TUniqueHandle&& other) noexcept : FHandle(other.Release()) {}
  TUniqueHandle& operator=(TUniqueHandle&& other) noexcept {
    if (this != &other)
      Reset(other.Release());
    return *this;
  }
  TUniqueHandle(const TUniqueHandle&) = delete;
  TUniqueHandle& operator=(const TUniqueHandle&) = delete;

  Handle Get() const noexcept { return FHandle; }
  explicit operator bool() const noexcept { return FHandle != Traits::Invalid(); }
  // Gives up ownership without releasing.
  Handle Release() noexcept { return std::exchange(FHandle, Traits::Invalid()); }
  // Releases the owned handle and takes `handle` instead.
  void Reset(Handle handle = Traits::Invalid()) noexcept {
    const Handle previous = std::exchange(FHandle, handle);
    if (previous != Traits::Invalid())
      Traits::Close(previous);
  }

 private:
  Handle FHandle = Traits::Invalid();
};

// Handles that own nothing when null.
template <class H, auto CloseFunction>
struct TNullHandleTraits {
  using Handle = H;
  static constexpr Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle handle) noexcept { CloseFunction(handle); }
};

// GDI objects are all released with DeleteObject.
template <class H>
struct TGdiObjectTraits {
  using Handle = H;
  static constexpr Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle handle) noexcept { DeleteObject(handle); }
};

using TFontHandle = TUniqueHandle<TGdiObjectTraits<HFONT>>;
using TBrushHandle = TUniqueHandle<TGdiObjectTraits<HBRUSH>>;
using TPenHandle = TUniqueHandle<TGdiObjectTraits<HPEN>>;
using TBitmapHandle = TUniqueHandle<TGdiObjectTraits<HBITMAP>>;
using TRegionHandle = TUniqueHandle<TGdiObjectTraits<HRGN>>;

// A device context made with CreateCompatibleDC (or CreateDC): released with DeleteDC.
using TMemoryDC = TUniqueHandle<TNullHandleTraits<HDC, DeleteDC>>;

// Kernel objects (threads, events, mutexes, processes, file mappings) are null when there is none.
using TKernelHandle = TUniqueHandle<TNullHandleTraits<HANDLE, CloseHandle>>;

// Files from CreateFile are INVALID_HANDLE_VALUE when there is none.
struct TFileHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) noexcept { CloseHandle(handle); }
};
using TFileHandle = TUniqueHandle<TFileHandleTraits>;

// A directory search from FindFirstFile.
struct TFindHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) noexcept { FindClose(handle); }
};
using TFindHandle = TUniqueHandle<TFindHandleTraits>;

using TRegistryKey = TUniqueHandle<TNullHandleTraits<HKEY, RegCloseKey>>;

// A menu made with CreatePopupMenu.
using TMenuHandle = TUniqueHandle<TNullHandleTraits<HMENU, DestroyMenu>>;

// A window the owner created itself and destroys with itself.
using TWindowHandle = TUniqueHandle<TNullHandleTraits<HWND, DestroyWindow>>;

// Destroys the window `owner` holds while it still holds it, for windows that report their own end: their
// last messages (WM_DESTROY, WM_NCDESTROY) still find their owner, which lets go of the handle in
// WM_NCDESTROY. False when the window system refused.
inline bool DestroyHeldWindow(const TWindowHandle& owner) noexcept {
  return owner && DestroyWindow(owner.Get());
}

// A device context of a window, released with ReleaseDC: Acquire is GetDC (the client area; the screen's
// without a window) or GetWindowDC (the whole window, frame included).
template <auto Acquire>
class TReleasedWindowDC {
 public:
  explicit TReleasedWindowDC(HWND window = nullptr) noexcept : FWindow(window), FDC(Acquire(window)) {}
  ~TReleasedWindowDC() {
    if (FDC)
      ReleaseDC(FWindow, FDC);
  }
  TReleasedWindowDC(const TReleasedWindowDC&) = delete;
  TReleasedWindowDC& operator=(const TReleasedWindowDC&) = delete;
  HDC Get() const noexcept { return FDC; }
  explicit operator bool() const noexcept { return FDC != nullptr; }

 private:
  HWND FWindow;
  HDC FDC;
};

using TWindowDC = TReleasedWindowDC<GetDC>;
using TWholeWindowDC = TReleasedWindowDC<GetWindowDC>;

// The device context of a WM_PAINT, from BeginPaint, ended with EndPaint.
class TPaintDC {
 public:
  explicit TPaintDC(HWND window) noexcept : FWindow(window), FDC(BeginPaint(window, &FPaint)) {}
  ~TPaintDC() {
    if (FDC)
      EndPaint(FWindow, &FPaint);
  }
  TPaintDC(const TPaintDC&) = delete;
  TPaintDC& operator=(const TPaintDC&) = delete;
  HDC Get() const noexcept { return FDC; }
  const RECT& Area() const noexcept { return FPaint.rcPaint; }

 private:
  HWND FWindow;
  PAINTSTRUCT FPaint{};
  HDC FDC;
};

// An object selected into a device context for a scope; the object selected before is selected again at its
// end. The selected object stays owned by whoever owned it: declare its owner before the selection.
class TSelectedObject {
 public:
  TSelectedObject(HDC dc, HGDIOBJ object) noexcept
      : FDC(dc), FPrevious(dc && object ? SelectObject(dc, object) : nullptr) {}
  ~TSelectedObject() {
    if (FPrevious && FPrevious != HGDI_ERROR)
      SelectObject(FDC, FPrevious);
  }
  TSelectedObject(const TSelectedObject&) = delete;
  TSelectedObject& operator=(const TSelectedObject&) = delete;

 private:
  HDC FDC;
  HGDIOBJ FPrevious;
};

// The state of a device context (clipping, origin, selected objects, colours, modes) saved for a scope and
// restored at its end.
class TSavedDCState {
 public:
  explicit TSavedDCState(HDC dc) noexcept : FDC(dc), FSaved(dc ? SaveDC(dc) : 0) {}
  ~TSavedDCState() {
    if (FSaved)
      RestoreDC(FDC, FSaved);
  }
  TSavedDCState(const TSavedDCState&) = delete;
  TSavedDCState& operator=(const TSavedDCState&) = delete;

 private:
  HDC FDC;
  int FSaved;
};
