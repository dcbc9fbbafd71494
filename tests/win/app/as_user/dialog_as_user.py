#!/usr/bin/env python3
"""Ovanta as a user meets it: started as a process under wine64 in the X display, looked at on a screenshot,
pointed at, clicked, typed into, tabbed through and closed, in the language LC_ALL chooses.

usage: dialog_as_user.py OVANTA_EXE WINPROBE_EXE SCREENSHOT_DIR
Environment: OVANTA_WINE_RUNNER (runs a Windows program), DISPLAY, LC_ALL (German for de_*, else English).
"""
import os
import re
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from as_user import (RUNNER, install_browser_recorder, remove_browser_recorder, wait_for, wine,  # noqa: E402
                     x_cursor_name, xdotool)

OVANTA, PROBE, SHOTS = sys.argv[1:4]
GERMAN = os.environ.get("LC_ALL", "").startswith("de")
TITLE = "Vollversion registrieren" if GERMAN else "Register full version"
BUTTON = "Vollversion herunterladen" if GERMAN else "Download full version"
SHOT = "dialog-de.png" if GERMAN else "dialog-en.png"

# Client rectangles (left, top, width, height) of the dialog's labels.
HEADER = (16, 3, 411, 59)
STEP_1 = (16, 82, 411, 70)
SIGNUP = (16, 152, 411, 27)
STEP_2 = (16, 212, 411, 92)
STEP_3 = (16, 375, 411, 74)
BLACK, WHITE, BLUE, HEADER_TEXT = (0, 0, 0), (255, 255, 255), (0, 123, 206), (252, 242, 173)


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


def ink(path, rect, text, background):
    """Which pixels of the rectangle of a PNG show text: rows of booleans, True where a pixel is nearer to the
    text colour than to the background."""
    left, top, width, height = rect
    raw = subprocess.run(["convert", path, "-crop", f"{width}x{height}+{left}+{top}", "+repage", "-depth", "8",
                          "rgb:-"], capture_output=True, check=True).stdout

    def nearer_text(i):
        pixel = raw[i:i + 3]
        return (sum((p - t) ** 2 for p, t in zip(pixel, text))
                < sum((p - b) ** 2 for p, b in zip(pixel, background)))

    return [[nearer_text((y * width + x) * 3) for x in range(width)] for y in range(height)]


def runs(flags, gap=1):
    """The (start, end) ranges of True in a list, joining ranges fewer than `gap` False entries apart."""
    ranges = []
    for i, flag in enumerate(flags):
        if not flag:
            continue
        if ranges and i - ranges[-1][1] < gap:
            ranges[-1] = (ranges[-1][0], i + 1)
        else:
            ranges.append((i, i + 1))
    return ranges


class Block:
    """A part of an ink mask: rows top..bottom, columns left..right."""

    def __init__(self, mask, top, bottom, left=0, right=None):
        self.mask, self.top, self.bottom = mask, top, bottom
        self.left, self.right = left, len(mask[0]) if right is None else right

    def rows(self):
        return [row[self.left:self.right] for row in self.mask[self.top:self.bottom]]

    def words(self):
        """The words of a line: ink columns with gaps of at least four blank columns between them."""
        columns = [any(row[x] for row in self.rows()) for x in range(self.right - self.left)]
        return [Block(self.mask, self.top, self.bottom, self.left + a, self.left + b) for a, b in runs(columns, 4)]

    def glyph_height(self):
        filled = [i for i, row in enumerate(self.rows()) if any(row)]
        return filled[-1] - filled[0] + 1

    def ink_right(self):
        return max(self.left + i for row in self.rows() for i, v in enumerate(row) if v) + 1

    def underline_rows(self):
        """Rows whose ink is one unbroken run across nine tenths of the block's width."""
        width = self.right - self.left
        return [r for r in self.rows() if max((b - a for a, b in runs(r)), default=0) >= 0.9 * width]

    def bold_share(self):
        """How heavy the strokes are: the share of horizontal ink runs at least two pixels wide, underlines
        left out. Regular text at these sizes has one-pixel stems, bold text two or more."""
        width = self.right - self.left
        lengths = [b - a for r in self.rows() for a, b in runs(r) if b - a < 0.5 * width]
        return sum(1 for length in lengths if length >= 2) / len(lengths)


def lines(mask):
    """The text lines of an ink mask, top to bottom."""
    return [Block(mask, a, b) for a, b in runs([any(row) for row in mask])]


def read_lines(path):
    if not os.path.exists(path):
        return []
    with open(path, encoding="utf-8") as file:
        return file.read().split()


class DialogAsUser(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.opened = install_browser_recorder()
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
        remove_browser_recorder()

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
            path = self.screenshot(SHOT)
            return path if pixels(path, [(2, 0), (442, 591)]) == [blue, yellow] else None

        shot = wait_for(painted) or self.screenshot(SHOT)
        band = [(2, 0), (2, 32), (2, 64), (442, 1), (442, 63)]
        self.assertEqual(pixels(shot, band), [blue] * len(band), "header band 0..64")
        self.assertEqual(pixels(shot, [(2, 66)]), [white], "white below the header band")
        hint = [(2, 527), (2, 560), (442, 591), (222, 530)]
        self.assertEqual(pixels(shot, hint), [yellow] * len(hint), "hint band 527..591")
        self.assertEqual(pixels(shot, [(2, 525)]), [white], "white above the hint band")

    def test_2_header_names_the_product_larger_and_bold(self):
        header = lines(ink(self.screenshot(SHOT), HEADER, HEADER_TEXT, BLUE))
        self.assertEqual(len(header), 2, "an introduction and the product line")
        before = header[0].words()[0]
        product_line = header[1].words()
        product = product_line[-1] if GERMAN else product_line[0]
        self.assertGreaterEqual(product.glyph_height(), 1.3 * before.glyph_height(),
                                f"glyph heights {product.glyph_height()} against {before.glyph_height()}")
        self.assertGreaterEqual(product.bold_share(), 2 * before.bold_share(),
                                f"stroke weights {product.bold_share()} against {before.bold_share()}")

    def test_3_step_headings_are_bold_and_underlined(self):
        shot = self.screenshot(SHOT)
        for rect in (STEP_1, STEP_2, STEP_3):
            with self.subTest(label=rect):
                text = lines(ink(shot, rect, BLACK, WHITE))
                heading, body = text[0], text[1]
                self.assertTrue(heading.words()[0].underline_rows() or heading.underline_rows(), "underlined")
                self.assertFalse(body.underline_rows(), "the step text is not underlined")
                self.assertGreaterEqual(heading.bold_share(), 1.5 * body.bold_share(), "bold against regular")
                self.assertGreater(body.top - heading.bottom, heading.bottom - heading.top,
                                   "an empty line between heading and text")

    def test_4_step_text_breaks_where_the_label_width_ends(self):
        text = lines(ink(self.screenshot(SHOT), STEP_2, BLACK, WHITE))[1:]
        self.assertGreaterEqual(len(text), 2, "the step text takes more than one line")
        width = STEP_2[2]
        for line in text:
            self.assertLessEqual(line.ink_right(), width, "inside the label")
        # The first word of the second line would not have fitted after the first line.
        next_word = text[1].words()[0]
        self.assertGreater(text[0].ink_right() + (next_word.right - next_word.left), width - 8)

    def test_5_hand_over_the_signup_link_and_a_click_anywhere_opens_the_page(self):
        left, top = self.client[:2]

        def point(x, y, x_name):
            """Moves the mouse to a client point, waits for the X cursor of that name and gives the Windows
            cursor GetCursorInfo reports there."""
            xdotool("mousemove", str(left + x), str(top + y))
            self.assertEqual(wait_for(lambda: x_cursor_name() == x_name and x_name), x_name, x_cursor_name())
            code, cursor = probe("cursor")
            self.assertEqual(code, 0)
            return cursor

        on_text = point(100, 120, "left_ptr")
        label_left, label_top, label_width, label_height = SIGNUP
        points = [(label_left + 2, label_top + 2), (label_left + label_width // 2, label_top + label_height // 2),
                  (label_left + label_width - 3, label_top + label_height - 3)]
        on_label = set()
        for number, (x, y) in enumerate(points, start=1):
            with self.subTest(point=(x, y)):
                on_label.add(point(x, y, "hand2"))
                xdotool("click", "1")
                wait_for(lambda: len(read_lines(self.opened)) >= number)
                self.assertEqual(len(read_lines(self.opened)), number, "one page per click")
        self.assertEqual(len(on_label), 1, f"one cursor over the whole label: {on_label}")
        self.assertNotIn(on_text, on_label, "the label's cursor is not the one over the step text")
        self.assertTrue(all("?l=" in url for url in read_lines(self.opened)), read_lines(self.opened))
        self.assertEqual(point(100, 120, "left_ptr"), on_text, "the arrow again beside the label")

    def test_6_typing_goes_into_the_edit_box(self):
        window_class, _ = self.focused()
        xdotool("mousemove", str(self.client[0] + 222), str(self.client[1] + 326))
        xdotool("click", "1")
        xdotool("type", "--delay", "50", "Ab12")
        self.assertEqual(wait_for(lambda: self.focused()[1] == "Ab12" and "Ab12"), "Ab12")
        self.assertEqual(self.focused()[0], window_class, "the focus stayed in the edit box")

    def test_7_tab_moves_between_edit_and_button(self):
        start_class, _ = self.focused()
        xdotool("key", "Tab")
        self.assertTrue(wait_for(lambda: self.focused()[0].lower() == "button"), self.focused())
        self.assertEqual(self.focused()[1], BUTTON)
        xdotool("key", "Tab")
        self.assertTrue(wait_for(lambda: self.focused()[0] == start_class), self.focused())
        xdotool("key", "shift+Tab")
        self.assertTrue(wait_for(lambda: self.focused()[0].lower() == "button"), self.focused())

    def test_8_alt_f4_ends_the_program_with_exit_code_0(self):
        xdotool("key", "alt+F4")
        self.assertEqual(self.process.wait(timeout=60), 0)


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]], verbosity=2)
