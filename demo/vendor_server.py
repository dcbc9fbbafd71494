#!/usr/bin/env python3
"""The vendor's download server for demos and tests: serves the full-version installer to customers.

  vendor_server.py serve ADDRESS PORT --installer FILE [--answer MODE] [--log FILE] [--ready FILE]

GET /download/quillonVV.exe needs HTTP Basic authentication with the download password and the customer ID as
user name (any non-empty one); without it the answer is 401 with a Basic challenge. An authorised request gets
the installer FILE. Every other path is 404. Answers are HTTP/1.0 and always declare their Content-Length.

--answer MODE replaces what an authorised download gets, for tests:
  bytes:N          N bytes of filler
  status:CODE:N    the status CODE with an N-byte HTML page, whatever the credentials
  slow:SECONDS     the installer, trickled so that it takes about SECONDS

Every request is printed as one line on stdout; --log FILE appends it as a JSON line (method, path,
version, headers, user, password, status, bytes), user and password being null when no credentials came.
--ready FILE is written (with the server's process ID) once the server listens.
"""
import argparse
import base64
import binascii
import http
import http.server
import json
import math
import os
import signal
import sys
import threading
import time
import urllib.parse

DOWNLOAD_PATH = "/download/quillonVV.exe"
PASSWORD = "plainaccessq"
REALM = "Quillon full version"
CHALLENGE_PAGE = (b"<!DOCTYPE html>\n<html><head><title>401 Unauthorized</title></head><body>"
                  b"<h1>401 Unauthorized</h1><p>Please enter your customer ID and the download password.</p>"
                  b"</body></html>\n")
NOT_FOUND_PAGE = (b"<!DOCTYPE html>\n<html><head><title>404 Not Found</title></head><body>"
                  b"<h1>404 Not Found</h1></body></html>\n")
BINARY = "application/octet-stream"
# Pieces of a trickled answer per second.
SLOW_PIECES_PER_SECOND = 20


def parse_answer(text):
    """The --answer MODE as (kind, numbers...); raises ValueError when malformed."""
    kind, _, rest = text.partition(":")
    arity = {"bytes": 1, "status": 2, "slow": 1}
    try:
        numbers = [float(part) if kind == "slow" else int(part) for part in rest.split(":")]
    except ValueError:
        numbers = []
    valid = (len(numbers) == arity.get(kind) and all(math.isfinite(n) and n >= 0 for n in numbers)
             and (kind != "status" or 200 <= numbers[0] <= 599))
    if not valid:
        raise ValueError(f"{text!r}: expected bytes:N, status:CODE:N (CODE 200-599) or slow:SECONDS")
    return (kind, *numbers)


def html_page(status, size):
    """An HTML page about STATUS of exactly SIZE bytes (cut short when SIZE is below the bare page)."""
    try:
        title = f"{status} {http.HTTPStatus(status).phrase}"
    except ValueError:
        title = str(status)
    head = f"<!DOCTYPE html>\n<html><head><title>{title}</title></head><body><h1>{title}</h1><p>".encode()
    tail = b"</p></body></html>\n"
    filler = b"." * max(0, size - len(head) - len(tail))
    return (head + filler + tail)[:size]


def decode_text(raw):
    try:
        return raw.decode("utf-8")
    except UnicodeDecodeError:
        return raw.decode("cp1252", "replace")


def credentials(header):
    """(user, password) from a Basic Authorization header, or (None, None) when there are none."""
    scheme, _, token = (header or "").partition(" ")
    if scheme.lower() != "basic":
        return None, None
    try:
        decoded = base64.b64decode(token.strip(), validate=True)
    except (binascii.Error, ValueError):
        return None, None
    user, separator, password = decoded.partition(b":")
    if not separator:
        return None, None
    return decode_text(user), decode_text(password)


class VendorHandler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"
    server_version = "QuillonVendor/1.0"
    sys_version = ""
    # Set by serve().
    installer = b""
    answer_mode = None
    log_file = None
    log_lock = threading.Lock()

    def log_message(self, *args):
        pass

    def do_GET(self):
        self.handle_request()

    do_HEAD = do_POST = do_PUT = do_DELETE = do_GET

    def handle_request(self):
        user, password = credentials(self.headers.get("Authorization"))
        challenge = [("WWW-Authenticate", f'Basic realm="{REALM}"')]
        if urllib.parse.urlsplit(self.path).path != DOWNLOAD_PATH:
            outcome = self.send(404, NOT_FOUND_PAGE)
        elif self.command != "GET":
            outcome = self.send(405, html_page(405, 120), [("Allow", "GET")])
        elif self.answer_mode and self.answer_mode[0] == "status":
            code, length = self.answer_mode[1:]
            outcome = self.send(code, html_page(code, length), challenge if code == 401 else [])
        elif not user or password != PASSWORD:
            outcome = self.send(401, CHALLENGE_PAGE, challenge)
        elif self.answer_mode and self.answer_mode[0] == "bytes":
            outcome = self.send(200, b"Q" * self.answer_mode[1], content_type=BINARY)
        elif self.answer_mode and self.answer_mode[0] == "slow":
            outcome = self.send(200, self.installer, content_type=BINARY, seconds=self.answer_mode[1])
        else:
            outcome = self.send(200, self.installer, content_type=BINARY)
        self.report(user, password, *outcome)

    def send(self, status, body, headers=(), content_type="text/html; charset=utf-8", seconds=0):
        """Answers with BODY, spread evenly over SECONDS; gives (status, bytes sent, bytes declared)."""
        self.send_response(status)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if self.command == "HEAD":
            return status, 0, 0
        pieces = max(1, round(seconds * SLOW_PIECES_PER_SECOND))
        size = -(-len(body) // pieces) or 1
        start = time.monotonic()
        sent = 0
        try:
            for index, offset in enumerate(range(0, len(body), size)):
                delay = start + index / SLOW_PIECES_PER_SECOND - time.monotonic()
                if seconds and delay > 0:
                    time.sleep(delay)
                self.wfile.write(body[offset:offset + size])
                self.wfile.flush()
                sent += len(body[offset:offset + size])
        except ConnectionError:
            pass
        return status, sent, len(body)

    def report(self, user, password, status, sent, size):
        if user is None:
            verdict = "password missing"
        elif password == PASSWORD:
            verdict = "password accepted"
        else:
            verdict = "password wrong"
        who = f"customer ID {user!r}" if user else "no customer ID"
        outcome = f"{status}, {sent} bytes" if sent == size else f"{status}, {sent} of {size} bytes sent"
        print(f"{self.command} {self.path}  {who}  {verdict}  -> {outcome}", flush=True)
        if self.log_file:
            record = {"method": self.command, "path": self.path, "version": self.request_version,
                      "headers": dict(self.headers.items()), "user": user, "password": password,
                      "status": status, "bytes": sent}
            with self.log_lock, open(self.log_file, "a", encoding="utf-8") as log:
                log.write(json.dumps(record) + "\n")


def stop_serving(signal_number, frame):
    raise KeyboardInterrupt


def serve(arguments):
    try:
        with open(arguments.installer, "rb") as installer:
            VendorHandler.installer = installer.read()
    except OSError as error:
        print(f"error: cannot read the installer: {error}", file=sys.stderr)
        return 2
    VendorHandler.answer_mode = parse_answer(arguments.answer) if arguments.answer else None
    VendorHandler.log_file = arguments.log
    try:
        server = http.server.ThreadingHTTPServer((arguments.address, arguments.port), VendorHandler)
    except OSError as error:
        print(f"error: cannot listen on {arguments.address}:{arguments.port}: {error}", file=sys.stderr)
        return 1
    # A stop request lets the answers under way finish and be reported: whoever stops the server reads its log
    # afterwards, and a client may have had its last byte before the line was written.
    server.daemon_threads = False
    signal.signal(signal.SIGTERM, stop_serving)
    print(f"Vendor server on http://{arguments.address}:{arguments.port}{DOWNLOAD_PATH}: installer "
          f"{arguments.installer} ({len(VendorHandler.installer)} bytes), password {PASSWORD!r}"
          + (f", answer {arguments.answer}" if arguments.answer else ""),
          flush=True)
    if arguments.ready:
        with open(arguments.ready + ".part", "w") as ready:
            ready.write(str(os.getpid()))
        os.replace(arguments.ready + ".part", arguments.ready)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        print("Vendor server stopped", flush=True)
    finally:
        server.server_close()
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    commands = parser.add_subparsers(dest="command", required=True)
    serve_command = commands.add_parser("serve", help="serve until interrupted")
    serve_command.add_argument("address")
    serve_command.add_argument("port", type=int)
    serve_command.add_argument("--installer", required=True, help="the file an authorised download gets")
    serve_command.add_argument("--answer", metavar="MODE",
                               help="bytes:N, status:CODE:N or slow:SECONDS instead of the installer")
    serve_command.add_argument("--log", metavar="FILE", help="append every request as a JSON line")
    serve_command.add_argument("--ready", metavar="FILE", help="written once the server listens")
    arguments = parser.parse_args()
    if arguments.answer:
        try:
            parse_answer(arguments.answer)
        except ValueError as error:
            parser.error(f"--answer {error}")
    return serve(arguments)


if __name__ == "__main__":
    sys.exit(main())
