"""What the as-a-user tests share: running a Windows program under Wine, X input with xdotool, the X cursor
shown, and waiting."""
import ctypes
import os
import subprocess
import tempfile
import time

RUNNER = os.environ["OVANTA_WINE_RUNNER"]
BROWSER_KEY = r"HKCU\Software\Wine\WineBrowser"


def wine(*args, timeout=60):
    """Runs a Windows program to its end; gives its exit code and its output, stripped."""
    result = subprocess.run([RUNNER, *args], capture_output=True, text=True, timeout=timeout)
    return result.returncode, result.stdout.strip()


def install_browser_recorder():
    """Makes Wine open web addresses with a program that only notes each address in a file; gives that file's
    path. remove_browser_recorder() undoes it."""
    directory = tempfile.mkdtemp(prefix="browser-")
    record = os.path.join(directory, "opened.txt")
    recorder = os.path.join(directory, "browser.sh")
    with open(recorder, "w") as script:
        script.write(f"#!/bin/sh\nprintf '%s\\n' \"$1\" >> '{record}'\n")
    os.chmod(recorder, 0o755)
    code, out = wine("reg", "add", BROWSER_KEY, "/v", "Browsers", "/t", "REG_SZ", "/d", recorder, "/f")
    if code != 0:
        raise AssertionError(f"setting the browser hook failed: {out}")
    return record


def remove_browser_recorder():
    wine("reg", "delete", BROWSER_KEY, "/v", "Browsers", "/f")


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
