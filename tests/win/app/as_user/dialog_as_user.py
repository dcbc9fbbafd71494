#!/usr/bin/env python3
"""Ovanta as a user meets it: started as a process under wine64 in the X display, looked at on a screenshot,
typed into, tabbed through and closed.

usage: dialog_as_user.py OVANTA_EXE WINPROBE_EXE SCREENSHOT_DIR
Environment: OVANTA_WINE_RUNNER (runs a Windows program), DISPLAY.
"""
import os
import re
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from as_user import RUNNER, wait_for, wine, xdotool  # noqa: E402

OVANTA, PROBE, SHOTS = sys.argv[1:4]
TITLE = "Vollversion registrieren"


def probe(*args):
    return wine(PROBE, *args)


def pixels(path, points):
    """The RGB colours of a PNG at the given (x, y) points, read with ImageMagick."""
    colours = []
    for x, y in points:
        out = subprocess.run(["convert", path, "-crop", f"1x1+{x}+{y}", "-depth", "8", "txt:-"],
                             capture_output=True, text=True, check=True).stdout
        hexcode = re.search(r"\s#([0-9A-Fa-f]{6})", out).group(1)
        colours.append(tuple(int(hexcode[i:i + 2], 16) for i in (0, 2, 4)))
    return colours


class DialogAsUser(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.process = subprocess.Popen([RUNNER, OVANTA])
        code, out = probe("window", TITLE, "60")
        if code != 0:
            cls.process.kill()
            raise AssertionError(f"no window titled {TITLE!r} appeared")
        cls.client = [int(v) for v in out.split()]
        # Without a window manager the X input focus must be given to the dialog's X window explicitly.
        subprocess.run(["xdotool", "search", "--sync", "--name", TITLE, "windowfocus", "--sync"], timeout=60)

    @classmethod
    def tearDownClass(cls):
        if cls.process.poll() is None:
            cls.process.kill()
            cls.process.wait(timeout=30)

    def screenshot(self, name):
        os.makedirs(SHOTS, exist_ok=True)
        path = os.path.join(SHOTS, name)
        left, top, width, height = self.client
        subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{left}+{top}", "+repage", path],
                       check=True, timeout=60)
        return path

    def focused(self):
        code, out = probe("focus", TITLE)
        self.assertEqual(code, 0)
        return out.split("|", 1)

    def test_1_client_area_and_bands(self):
        self.assertEqual(self.client[2:], [445, 592])
        blue, yellow, white = (0, 123, 206), (254, 249, 211), (255, 255, 255)

        def painted():
            # The first paint has reached both bands once the top corner is blue and the bottom one yellow.
            path = self.screenshot("dialog.png")
            return path if pixels(path, [(2, 0), (442, 591)]) == [blue, yellow] else None

        shot = wait_for(painted) or self.screenshot("dialog.png")
        band = [(2, 0), (2, 32), (2, 64), (442, 1), (442, 63)]
        self.assertEqual(pixels(shot, band), [blue] * len(band), "header band 0..64")
        self.assertEqual(pixels(shot, [(2, 66)]), [white], "white below the header band")
        hint = [(2, 527), (2, 560), (442, 591), (222, 530)]
        self.assertEqual(pixels(shot, hint), [yellow] * len(hint), "hint band 527..591")
        self.assertEqual(pixels(shot, [(2, 525)]), [white], "white above the hint band")

    def test_2_typing_goes_into_the_edit_box(self):
        window_class, _ = self.focused()
        xdotool("type", "--delay", "50", "Ab12")
        self.assertEqual(wait_for(lambda: self.focused()[1] == "Ab12" and "Ab12"), "Ab12")
        self.assertEqual(self.focused()[0], window_class, "the focus stayed in the edit box")

    def test_3_tab_moves_between_edit_and_button(self):
        start_class, _ = self.focused()
        xdotool("key", "Tab")
        self.assertTrue(wait_for(lambda: self.focused()[0].lower() == "button"), self.focused())
        self.assertEqual(self.focused()[1], "Vollversion herunterladen")
        xdotool("key", "Tab")
        self.assertTrue(wait_for(lambda: self.focused()[0] == start_class), self.focused())
        xdotool("key", "shift+Tab")
        self.assertTrue(wait_for(lambda: self.focused()[0].lower() == "button"), self.focused())

    def test_4_alt_f4_ends_the_program_with_exit_code_0(self):
        xdotool("key", "alt+F4")
        self.assertEqual(self.process.wait(timeout=60), 0)


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]], verbosity=2)
