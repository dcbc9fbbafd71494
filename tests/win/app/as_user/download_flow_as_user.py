#!/usr/bin/env python3
"""The sign-up link and the download flow as a user meets them: Ovanta under wine64 in the X display, driven
with real mouse clicks and key presses, against the demo vendor server on 127.0.0.7:80 (one server per try,
started with the answer the try needs).

usage: download_flow_as_user.py OVANTA_EXE WINPROBE_EXE INSTALLER_EXE VENDOR_SERVER SCREENSHOT_DIR
Environment: OVANTA_WINE_RUNNER (runs a Windows program), DISPLAY.
"""
import base64
import json
import ntpath
import os
import struct
import subprocess
import sys
import tempfile
import time
import unittest
import urllib.error
import urllib.request
import zlib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from as_user import (RUNNER, install_browser_recorder, remove_browser_recorder, wait_for, wine,  # noqa: E402
                     x_cursor_name, xdotool)

OVANTA, PROBE, INSTALLER, VENDOR_SERVER, SHOTS = sys.argv[1:6]
SERVER_ADDRESS = "127.0.0.7"
PASSWORD = "plainaccessq"
CUSTOMER_KEY = r"HKCU\Software\VELTRA\Quillon"

# Client-area geometry of the dialog: centres of the controls a user clicks, and the busy panel's rows.
SIGNUP_LINK = (222, 165)
STEP_1_TEXT = (100, 90)
DOWNLOAD_BUTTON = (222, 480)
PANEL_ROWS = range(82, 499)
# The busy indicator's dots run along the panel's middle row; nothing else is drawn on the panel.
DOT_ROWS = range(280, 301)
BLUE, YELLOW = (0, 123, 206), (254, 249, 211)

ENGLISH = {"locale": "en_US.UTF-8", "title": "Register full version",
           "signup": f"https://{SERVER_ADDRESS}/fullversion/?l=ovanta-demo",
           "box": ("Download failed",
                   "Downloading full version failed!\r\n\r\nPlease check your customer ID and make sure your "
                   "firewall is not blocking internet access.")}
GERMAN = {"locale": "de_DE.UTF-8", "title": "Vollversion registrieren",
          "signup": f"https://{SERVER_ADDRESS}/vollversion/?l=ovanta-demo",
          "box": ("Download fehlgeschlagen",
                  "Der Download der Vollversion ist fehlgeschlagen!\r\n\r\nBitte prüfen Sie, ob die angegebene "
                  "Kundennummer korrekt ist und stellen Sie sicher, dass Ihre Firewall den Zugriff nicht "
                  "blockiert.")}


def probe(*args):
    return wine(PROBE, *args)


def windows_path(unix_path):
    return "Z:" + os.path.abspath(unix_path).replace("/", "\\")


def stored_customer_id():
    code, out = wine("reg", "query", CUSTOMER_KEY, "/v", "CustomerID")
    if code != 0:
        return None
    return out.splitlines()[-1].split("REG_SZ", 1)[1].strip()


class Screenshot:
    """The dialog's client area as RGB pixels, taken from the X root window, also saved as PNG."""

    def __init__(self, client, name):
        left, top, self.width, self.height = client
        area = f"{self.width}x{self.height}+{left}+{top}"
        ppm = subprocess.run(["import", "-window", "root", "-crop", area, "+repage", "-depth", "8", "ppm:-"],
                             capture_output=True, check=True, timeout=60).stdout
        self.rgb = ppm[len(ppm) - self.width * self.height * 3:]
        os.makedirs(SHOTS, exist_ok=True)
        with open(os.path.join(SHOTS, name), "wb") as png:
            png.write(self.png())

    def png(self):
        stride = self.width * 3
        rows = b"".join(b"\0" + self.rgb[y * stride:(y + 1) * stride] for y in range(self.height))

        def chunk(kind, data):
            return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows)) + chunk(
            b"IEND", b"")

    def pixel(self, x, y):
        offset = (y * self.width + x) * 3
        return tuple(self.rgb[offset:offset + 3])

    def rows(self, rows):
        return self.rgb[rows.start * self.width * 3:rows.stop * self.width * 3]

    def drawn_on_panel_outside_dots(self):
        """Non-white pixels in the busy panel's area, its dot rows left out."""
        white = b"\xff\xff\xff"
        outside = self.rows(range(PANEL_ROWS.start, DOT_ROWS.start)) + self.rows(range(DOT_ROWS.stop,
                                                                                        PANEL_ROWS.stop))
        return sum(outside[i:i + 3] != white for i in range(0, len(outside), 3))

    def has_dots(self):
        return self.rows(DOT_ROWS).strip(b"\xff") != b""

    def bands_intact(self):
        return all(self.pixel(x, y) == BLUE for x, y in [(2, 0), (2, 64), (442, 32)]) and all(
            self.pixel(x, y) == YELLOW for x, y in [(2, 527), (442, 591)])


class VendorServer:
    """demo/vendor_server.py on 127.0.0.7:80 with one answer mode, its requests read from its JSON log."""

    def __init__(self, answer=None):
        self.directory = tempfile.mkdtemp(prefix="vendor-")
        self.log = os.path.join(self.directory, "requests.jsonl")
        ready = os.path.join(self.directory, "ready")
        command = [sys.executable, VENDOR_SERVER, "serve", SERVER_ADDRESS, "80", "--installer", INSTALLER,
                   "--log", self.log, "--ready", ready] + (["--answer", answer] if answer else [])
        self.output = os.path.join(self.directory, "output.txt")
        with open(self.output, "w") as output:
            self.process = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=output,
                                            stderr=subprocess.STDOUT)
        wait_for(lambda: os.path.exists(ready) or self.process.poll() is not None, 30)
        if not os.path.exists(ready):
            self.stop()
            raise AssertionError(f"the vendor server did not start: {self.printed()}")

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
        self.process.wait(timeout=30)

    def requests(self):
        if not os.path.exists(self.log):
            return []
        with open(self.log, encoding="utf-8") as log:
            return [json.loads(line) for line in log]

    def printed(self):
        return read_text(self.output)

    def delivered(self):
        """Whether an answer with status 200 has been sent whole (the server logs a request once answered)."""
        return any(r["status"] == 200 for r in self.requests())

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()


def setUpModule():
    global TEMP_WINDOWS, TEMP_UNIX, BROWSER_RECORD
    _, TEMP_WINDOWS = wine("cmd.exe", "/c", "echo %TEMP%")
    _, TEMP_UNIX = wine("winepath.exe", "-u", TEMP_WINDOWS)
    if not os.path.isdir(TEMP_UNIX):
        raise AssertionError(f"the temporary directory {TEMP_WINDOWS!r} has no Unix path ({TEMP_UNIX!r})")
    BROWSER_RECORD = install_browser_recorder()


def tearDownModule():
    remove_browser_recorder()


def read_text(path):
    if not os.path.exists(path):
        return ""
    with open(path, encoding="utf-8") as file:
        return file.read()


def download_file():
    return os.path.join(TEMP_UNIX, "quillonVV.exe")


class Session:
    """One run of Ovanta in a language, with the actions a user takes in it."""

    def __init__(self, language):
        self.language = language
        if probe("window", language["title"], "0")[0] == 0:
            raise AssertionError(f"a window titled {language['title']!r} is open already")
        self.record = os.path.join(tempfile.mkdtemp(prefix="installer-"), "record.txt")
        environment = dict(os.environ, LC_ALL=language["locale"],
                           OVANTA_INSTALLER_RECORD=windows_path(self.record))
        self.process = subprocess.Popen([RUNNER, OVANTA], stdin=subprocess.DEVNULL, env=environment)
        code, out = probe("window", language["title"], "60")
        if code != 0:
            self.end()
            raise AssertionError(f"no window titled {language['title']!r} appeared")
        self.client = [int(v) for v in out.split()]

    def end(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=30)

    def give_focus(self, title):
        # Without a window manager the X input focus must be given to a window explicitly.
        xdotool("search", "--sync", "--name", f"^{title}$", "windowfocus", "--sync")

    def point(self, position):
        xdotool("mousemove", str(self.client[0] + position[0]), str(self.client[1] + position[1]))

    def click(self, position):
        self.point(position)
        xdotool("click", "1")

    def focused(self):
        code, out = probe("focus", self.language["title"])
        return out.split("|", 1) if code == 0 and "|" in out else ["", ""]

    def enter_customer_id(self, customer_id):
        """Moves the focus to the edit box with the keyboard, deletes its text and types the customer ID."""
        assert self.process.poll() is None, f"Ovanta has ended (exit code {self.process.poll()})"
        self.give_focus(self.language["title"])
        for _ in range(2):
            if self.focused()[0].lower() != "button":
                break
            xdotool("key", "shift+Tab")
        old_text = self.focused()[1]
        xdotool("key", "End", *["BackSpace"] * len(old_text))
        xdotool("type", "--delay", "30", customer_id)
        typed = wait_for(lambda: self.focused()[1] == customer_id)
        assert typed, f"the edit box holds {self.focused()[1]!r}, not {customer_id!r}"

    def box_shown(self):
        return probe("window", self.language["box"][0], "0")[0] == 0

    def await_outcome(self):
        """Waits until the download has ended in the failure box or in the end of the program."""
        wait_for(lambda: self.process.poll() is not None or self.box_shown(), 60)

    def exit_code(self):
        """Ovanta's exit code once it has ended, or None when the failure box came instead."""
        self.await_outcome()
        return self.process.poll()

    def failure_box(self):
        """The failure box's caption and text once it is shown, or None when the program ended instead."""
        self.await_outcome()
        caption = self.language["box"][0]
        code, out = probe("children", caption)
        if code != 0:
            return None
        texts = [line.split("|")[1] for line in out.splitlines() if line.startswith("Static|")]
        text = "".join(texts).replace("\\r", "\r").replace("\\n", "\n").replace("\\\\", "\\")
        return caption, text

    def close_failure_box(self, how):
        caption = self.language["box"][0]
        if how == "Return":
            self.give_focus(caption)
            xdotool("key", "Return")
        else:
            _, out = probe("children", caption)
            button = next(line for line in out.splitlines() if line.startswith("Button|OK|"))
            left, top, width, height = (int(v) for v in button.split("|")[2].split())
            xdotool("mousemove", str(left + width // 2), str(top + height // 2), "click", "1")
        assert wait_for(lambda: not self.box_shown()), "the failure box stayed open"
        # The dialog answers again once the download button's handler, registry step included, has returned.
        assert wait_for(lambda: self.focused()[0] != ""), "the dialog does not answer after the failure box"


class FlowCase(unittest.TestCase):
    language = None

    @classmethod
    def setUpClass(cls):
        wine("reg", "delete", CUSTOMER_KEY, "/f")
        cls.session = Session(cls.language)

    @classmethod
    def tearDownClass(cls):
        cls.session.end()

    def assertStillRunningAfterFailure(self):
        self.assertIsNone(self.session.process.poll(), "Ovanta ended")
        self.assertEqual(probe("window", self.language["title"], "0")[0], 0, "the dialog is not visible")

    def assertSignupPageOpened(self):
        if os.path.exists(BROWSER_RECORD):
            os.remove(BROWSER_RECORD)
        self.session.give_focus(self.language["title"])
        self.session.click(SIGNUP_LINK)
        opened = wait_for(lambda: read_text(BROWSER_RECORD).split())
        self.assertEqual(opened, [self.language["signup"]])

    def try_failed_download(self, answer, customer_id, close_by):
        """One try that must end in the failure box; gives the requests the server saw."""
        self.session.enter_customer_id(customer_id)
        with VendorServer(answer) as server:
            self.session.click(DOWNLOAD_BUTTON)
            self.assertEqual(self.session.failure_box(), self.language["box"])
            self.session.close_failure_box(close_by)
        self.assertStillRunningAfterFailure()
        return server.requests()


class EnglishSession(FlowCase):
    language = ENGLISH

    def test_1_signup_link_shows_the_hand_and_opens_the_english_page(self):
        self.session.point(STEP_1_TEXT)
        self.assertTrue(wait_for(lambda: x_cursor_name() == "left_ptr"), x_cursor_name())
        self.session.point(SIGNUP_LINK)
        self.assertTrue(wait_for(lambda: x_cursor_name() == "hand2"), f"over the link: {x_cursor_name()}")
        self.assertSignupPageOpened()

    def test_2_failed_tries_store_only_a_ten_character_customer_id(self):
        with open(download_file(), "wb") as earlier:
            earlier.write(b"an earlier download")
        # answer, customer ID, how the box is closed, customer ID stored afterwards
        tries = [("status:401:3000", "Q12345678", "Return", None),
                 ("bytes:2200", "Q1234567890", "click", None),
                 ("bytes:2200", "Q123456789", "Return", "Q123456789")]
        for answer, customer_id, close_by, stored in tries:
            with self.subTest(answer=answer, customer_id=customer_id):
                requests = self.try_failed_download(answer, customer_id, close_by)
                self.assertIn((customer_id, PASSWORD), [(r["user"], r["password"]) for r in requests])
                self.assertEqual(wait_for(stored_customer_id, 5 if stored else 0), stored)
                if answer.startswith("status"):
                    self.assertFalse(os.path.exists(download_file()), "the earlier download was not deleted")
        shot = Screenshot(self.session.client, "flow-after-failed-download.png")
        self.assertGreater(shot.drawn_on_panel_outside_dots(), 1000, "the steps are not shown again")

    def test_3_a_download_file_held_open_makes_the_try_fail(self):
        with open(download_file(), "wb") as earlier:
            earlier.write(b"an earlier download")
        holder = subprocess.Popen([RUNNER, PROBE, "hold", ntpath.join(TEMP_WINDOWS, "quillonVV.exe"), "120"],
                                  stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        try:
            self.assertEqual(holder.stdout.readline().strip(), "held")
            requests = self.try_failed_download(None, "Q123456789", "Return")
            self.assertEqual(requests[-1]["status"], 200, "the server did not hand out the installer")
        finally:
            holder.stdin.close()
            released = holder.stdout.read()
            holder.stdout.close()
            holder.wait(timeout=60)
        self.assertEqual(released.strip(), "released")

    def test_4_slow_download_shows_the_busy_panel_then_starts_the_installer(self):
        wine("reg", "delete", CUSTOMER_KEY, "/f")
        with open(download_file(), "wb") as earlier:
            earlier.write(b"an earlier download")
        self.session.enter_customer_id("R987654321")
        with VendorServer("slow:5") as server:
            self.session.click(DOWNLOAD_BUTTON)
            # The busy panel is up from the first shot that shows its dots; a shot counts as busy when the server
            # had still not sent the whole installer after it was taken.
            busy = []
            deadline = time.monotonic() + 60
            while time.monotonic() < deadline:
                shot = Screenshot(self.session.client, f"flow-busy-{len(busy)}.png")
                if server.delivered():
                    break
                if busy or shot.has_dots():
                    busy.append(shot)
            self.assertEqual(self.session.exit_code(), 0, "Ovanta did not end with exit code 0")
        self.assertGreaterEqual(len(busy), 3, "the download ended before the busy panel could be looked at")
        for index, shot in enumerate(busy):
            self.assertEqual(shot.drawn_on_panel_outside_dots(), 0, f"busy shot {index}: steps show through")
            self.assertTrue(shot.bands_intact(), f"busy shot {index}: header or hint band not painted")
        self.assertTrue(any(shot.has_dots() for shot in busy), "no dots on the busy panel")
        self.assertGreater(len({shot.rows(DOT_ROWS) for shot in busy}), 1, "the dots do not move")

        self.assertTrue(wait_for(lambda: read_text(self.session.record)), "the installer did not run")
        self.assertEqual(ntpath.normcase(read_text(self.session.record)),
                         ntpath.normcase(ntpath.join(TEMP_WINDOWS, "quillonVV.exe")))
        with open(download_file(), "rb") as downloaded, open(INSTALLER, "rb") as installer:
            self.assertEqual(downloaded.read(), installer.read())
        self.assertEqual([(r["user"], r["password"], r["status"]) for r in server.requests()][-1],
                         ("R987654321", PASSWORD, 200))
        self.assertIsNone(stored_customer_id(), "a successful download stored the customer ID")


class KeyboardDuringDownload(FlowCase):
    """The busy panel covers the button against the mouse only: the button keeps the focus, and a key press
    runs its handler again inside the running download's wait."""
    language = ENGLISH

    def test_a_second_press_stores_the_customer_id_at_once_and_the_download_goes_on(self):
        self.session.enter_customer_id("K123456789")
        with VendorServer("slow:4") as server:
            self.session.click(DOWNLOAD_BUTTON)
            self.assertEqual(self.session.focused()[0].lower(), "button")
            # The press belongs inside the running download: once the busy panel shows its dots.
            self.assertTrue(wait_for(lambda: Screenshot(self.session.client, "flow-keyboard-busy.png").has_dots()),
                            "the busy panel did not show")
            xdotool("key", "space")
            stored_while_busy = wait_for(stored_customer_id, 2.5)
            still_running = self.session.process.poll() is None
            self.assertEqual(self.session.exit_code(), 0, "Ovanta did not end with exit code 0")
        self.assertEqual(stored_while_busy, "K123456789", "the second press did not store the customer ID")
        self.assertTrue(still_running, "the download had ended before the customer ID was stored")
        self.assertEqual([r["status"] for r in server.requests()].count(200), 1,
                         "the second press started another download")
        self.assertTrue(wait_for(lambda: read_text(self.session.record)), "the installer did not run")


class GermanSession(FlowCase):
    language = GERMAN

    def test_1_signup_link_opens_the_german_page(self):
        self.assertSignupPageOpened()

    def test_2_a_download_of_2200_bytes_fails(self):
        self.try_failed_download("bytes:2200", "K1", "click")

    def test_3_a_download_of_2201_bytes_is_started(self):
        self.session.enter_customer_id("K2")
        with VendorServer("bytes:2201"):
            self.session.click(DOWNLOAD_BUTTON)
            self.assertEqual(self.session.exit_code(), 0, "Ovanta did not end with exit code 0")
        self.assertEqual(os.path.getsize(download_file()), 2201)


class VendorServerAnswers(unittest.TestCase):
    """The vendor server itself, asked over HTTP without Wine."""

    def fetch(self, path="/download/quillonVV.exe", user=None, password=PASSWORD):
        request = urllib.request.Request(f"http://{SERVER_ADDRESS}{path}")
        if user is not None:
            token = base64.b64encode(f"{user}:{password}".encode()).decode()
            request.add_header("Authorization", "Basic " + token)
        try:
            with urllib.request.urlopen(request, timeout=30) as answer:
                return answer.status, answer.headers, answer.read()
        except urllib.error.HTTPError as error:
            return error.code, error.headers, error.read()

    def test_answers(self):
        with open(INSTALLER, "rb") as installer:
            installer_bytes = installer.read()
        # answer mode, path, user, password, status, body (or its length), challenge sent
        cases = [(None, "/download/quillonVV.exe", None, None, 401, None, True),
                 (None, "/download/quillonVV.exe", "C1", "wrong", 401, None, True),
                 (None, "/download/quillonVV.exe", "", PASSWORD, 401, None, True),
                 (None, "/download/quillonVV.exe", "C1", PASSWORD, 200, installer_bytes, False),
                 (None, "/download/other.exe", "C1", PASSWORD, 404, None, False),
                 ("bytes:2200", "/download/quillonVV.exe", "C1", PASSWORD, 200, 2200, False),
                 ("bytes:2200", "/download/quillonVV.exe", "C1", "wrong", 401, None, True),
                 ("status:401:3000", "/download/quillonVV.exe", "C1", PASSWORD, 401, 3000, True),
                 ("status:500:10", "/download/quillonVV.exe", None, None, 500, 10, False)]
        for answer, path, user, password, status, body, challenged in cases:
            with self.subTest(answer=answer, path=path, user=user, password=password), VendorServer(answer):
                got_status, headers, got_body = self.fetch(path, user, password)
                self.assertEqual(got_status, status)
                self.assertEqual(int(headers["Content-Length"]), len(got_body))
                if isinstance(body, bytes):
                    self.assertEqual(got_body, body)
                elif body is not None:
                    self.assertEqual(len(got_body), body)
                self.assertEqual(headers.get("WWW-Authenticate", "").startswith("Basic "), challenged)

    def test_slow_answer_takes_its_time_and_every_request_is_reported(self):
        with VendorServer("slow:1.5") as server:
            start = time.monotonic()
            status, _, body = self.fetch(user="C1 x")
            elapsed = time.monotonic() - start
            self.fetch(user="C2", password="nope")
        self.assertEqual(status, 200)
        self.assertGreater(len(body), 2200)
        self.assertGreater(elapsed, 1.2)
        self.assertEqual([(r["method"], r["path"], r["version"], r["user"], r["password"], r["status"])
                          for r in server.requests()],
                         [("GET", "/download/quillonVV.exe", "HTTP/1.1", "C1 x", PASSWORD, 200),
                          ("GET", "/download/quillonVV.exe", "HTTP/1.1", "C2", "nope", 401)])
        challenge_size = server.requests()[1]["bytes"]
        self.assertEqual(server.printed().splitlines()[1:],
                         ["GET /download/quillonVV.exe  customer ID 'C1 x'  password accepted  -> 200, "
                          f"{len(body)} bytes",
                          "GET /download/quillonVV.exe  customer ID 'C2'  password wrong  -> 401, "
                          f"{challenge_size} bytes",
                          "Vendor server stopped"])


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]], verbosity=2)
