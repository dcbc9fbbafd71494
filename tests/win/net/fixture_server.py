#!/usr/bin/env python3
"""HTTP server for the download component's tests, scripted by the request path.

  /bytes/N            N bytes with Content-Length
  /nolength/N         N bytes without Content-Length (the connection closes after the body)
  /short/N/M          declares N bytes, sends M, then closes the connection
  /auth/USER/PASS/N   401 with a Basic challenge unless USER:PASS arrives; then N bytes
  /status/CODE/N      the status CODE with an N-byte body and its Content-Length
  /slow/N             N bytes with Content-Length, 100 bytes every 50 ms
  /echo               the request body sent back (POST)
  /redirect/N         302 to /bytes/N
  /hold/N/M           declares N bytes, sends M, holds the rest back until /release arrives (at most 60 s)
  /release            lets a held answer go on
  /log                the request before this one: "METHOD PATH VERSION", header lines, a blank line, the body

Bodies are the bytes i % 251 for i = 0, 1, ... so a test can check them.

  fixture_server.py serve ADDRESS PORT READY_FILE   serves until killed; writes READY_FILE when listening
  fixture_server.py start ADDRESS PORT PID_FILE     starts `serve` in the background, returns when it listens
  fixture_server.py stop PID_FILE                   ends the server started with `start`
"""
import base64
import http.server
import os
import signal
import subprocess
import sys
import threading
import time


def pattern(size):
    return (bytes(range(251)) * (size // 251 + 1))[:size]


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"
    last_request = b""
    lock = threading.Lock()
    released = threading.Event()

    def log_message(self, *args):
        pass

    def do_GET(self):
        self.handle_request(b"")

    def do_POST(self):
        length = int(self.headers.get("Content-Length", "0"))
        self.handle_request(self.rfile.read(length))

    def handle_request(self, body):
        parts = self.path.split("/")[1:]
        if parts[0] != "log":
            record = "%s %s %s\r\n" % (self.command, self.path, self.request_version)
            record += "".join("%s: %s\r\n" % (name.lower(), value) for name, value in self.headers.items())
            with Handler.lock:
                Handler.last_request = record.encode("latin-1") + b"\r\n" + body
        try:
            getattr(self, "answer_" + parts[0])(parts[1:], body)
        except (AttributeError, ValueError, IndexError):
            self.answer(404, b"unknown fixture path")

    def answer(self, status, body, length=None, headers=()):
        self.send_response(status)
        for name, value in headers:
            self.send_header(name, value)
        if length is not False:
            self.send_header("Content-Length", str(len(body) if length is None else length))
        self.end_headers()
        self.wfile.write(body)

    def answer_log(self, args, body):
        with Handler.lock:
            self.answer(200, Handler.last_request)

    def answer_bytes(self, args, body):
        self.answer(200, pattern(int(args[0])))

    def answer_nolength(self, args, body):
        self.answer(200, pattern(int(args[0])), length=False)

    def answer_short(self, args, body):
        self.answer(200, pattern(int(args[1])), length=int(args[0]))
        self.close_connection = True

    def answer_auth(self, args, body):
        expected = "Basic " + base64.b64encode(("%s:%s" % (args[0], args[1])).encode()).decode()
        if self.headers.get("Authorization") == expected:
            self.answer(200, pattern(int(args[2])))
        else:
            self.answer(401, b"authorization required", headers=[("WWW-Authenticate", 'Basic realm="fixture"')])

    def answer_status(self, args, body):
        self.answer(int(args[0]), pattern(int(args[1])))

    def answer_slow(self, args, body):
        data = pattern(int(args[0]))
        self.send_response(200)
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        for offset in range(0, len(data), 100):
            self.wfile.write(data[offset:offset + 100])
            self.wfile.flush()
            time.sleep(0.05)

    def answer_hold(self, args, body):
        data = pattern(int(args[0]))
        sent = int(args[1])
        Handler.released.clear()
        self.send_response(200)
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data[:sent])
        self.wfile.flush()
        Handler.released.wait(60)
        self.wfile.write(data[sent:])

    def answer_release(self, args, body):
        Handler.released.set()
        self.answer(200, b"released")

    def answer_echo(self, args, body):
        self.answer(200, body)

    def answer_redirect(self, args, body):
        self.answer(302, b"", headers=[("Location", "/bytes/%d" % int(args[0]))])


def serve(address, port, ready_file):
    server = http.server.ThreadingHTTPServer((address, int(port)), Handler)
    server.daemon_threads = True
    with open(ready_file, "w") as ready:
        ready.write(str(os.getpid()))
    server.serve_forever()


def start(address, port, pid_file):
    if os.path.exists(pid_file):
        os.remove(pid_file)
    ready = pid_file + ".ready"
    if os.path.exists(ready):
        os.remove(ready)
    process = subprocess.Popen([sys.executable, __file__, "serve", address, port, ready],
                               stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, start_new_session=True)
    for _ in range(200):
        if os.path.exists(ready):
            os.rename(ready, pid_file)
            return 0
        if process.poll() is not None:
            print("fixture server on %s:%s did not start" % (address, port), file=sys.stderr)
            return 1
        time.sleep(0.05)
    process.kill()
    return 1


def stop(pid_file):
    try:
        with open(pid_file) as handle:
            os.kill(int(handle.read()), signal.SIGTERM)
        os.remove(pid_file)
    except (OSError, ValueError):
        pass
    return 0


if __name__ == "__main__":
    command = sys.argv[1] if len(sys.argv) > 1 else ""
    if command == "serve" and len(sys.argv) == 5:
        serve(*sys.argv[2:])
    elif command == "start" and len(sys.argv) == 5:
        sys.exit(start(*sys.argv[2:]))
    elif command == "stop" and len(sys.argv) == 3:
        sys.exit(stop(sys.argv[2]))
    else:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
