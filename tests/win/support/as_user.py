"""What the as-a-user tests share: running a Windows program under Wine, X input with xdotool, the X cursor
shown, and waiting."""
import ctypes
import os
import subprocess
import time

RUNNER = os.environ["OVANTA_WINE_RUNNER"]


def wine(*args, timeout=60):
    """Runs a Windows program to its end; gives its exit code and its output, stripped."""
    result = subprocess.run([RUNNER, *args], capture_output=True, text=True, timeout=timeout)
    return result.returncode, result.stdout.strip()


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=60)


def wait_for(predicate, seconds=20):
    """Asks the predicate every 0.2 s until it gives a true value or the seconds have passed; gives its value."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(0.2)
    return predicate()


def x_cursor_name():
    """The name of the X cursor now shown (Wine gives the system cursors of Windows their X cursor names)."""

    class CursorImage(ctypes.Structure):
        _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short), ("width", ctypes.c_ushort),
                    ("height", ctypes.c_ushort), ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                    ("cursor_serial", ctypes.c_ulong), ("pixels", ctypes.c_void_p), ("atom", ctypes.c_ulong),
                    ("name", ctypes.c_char_p)]

    x11, xfixes = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXfixes.so.3")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XCloseDisplay.argtypes = x11.XFree.argtypes = [ctypes.c_void_p]
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(CursorImage)
    xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    try:
        image = xfixes.XFixesGetCursorImage(display)
        name = (image.contents.name or b"").decode()
        x11.XFree(image)
        return name
    finally:
        x11.XCloseDisplay(display)
