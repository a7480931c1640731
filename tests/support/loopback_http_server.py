#!/usr/bin/env python3
"""A small HTTP server for tests, on 127.0.0.1 only.

usage: loopback_http_server.py PLAN

PLAN is a JSON list of answers, used one per request in order; the last one repeats. An answer:
  {"status": 200, "body": "text", "delay": 0.0, "close": false, "chunked": false}
  delay   - seconds to wait before answering
  close   - close the connection without any answer
  chunked - send the body with chunked transfer encoding

It prints "PORT <n>" first, then one line per request: "REQUEST <method> <path> <body as hex>".
It stops by itself after 50 requests, after 60 seconds, or when its standard input closes.
"""
import http.server
import json
import sys
import threading
import time

MAX_REQUESTS = 50
LIFETIME_SECONDS = 60

plan = json.loads(sys.argv[1]) if len(sys.argv) > 1 else [{"status": 200, "body": ""}]
lock = threading.Lock()
served = [0]
done = threading.Event()


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def answer(self):
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(length) if length > 0 else b""
        with lock:
            index = served[0]
            served[0] += 1
            print("REQUEST %s %s %s" % (self.command, self.path, body.hex() or "-"), flush=True)
            if served[0] >= MAX_REQUESTS:
                done.set()
        action = plan[min(index, len(plan) - 1)]
        time.sleep(float(action.get("delay", 0)))
        self.close_connection = True
        if action.get("close"):
            return
        payload = action.get("body", "").encode("utf-8")
        try:
            self.send_response(int(action.get("status", 200)))
            self.send_header("Connection", "close")
            if action.get("chunked"):
                self.send_header("Transfer-Encoding", "chunked")
                self.end_headers()
                for start in range(0, len(payload), 3):
                    piece = payload[start:start + 3]
                    self.wfile.write(b"%x\r\n%s\r\n" % (len(piece), piece))
                self.wfile.write(b"0\r\n\r\n")
            else:
                self.send_header("Content-Length", str(len(payload)))
                self.end_headers()
                self.wfile.write(payload)
        except (BrokenPipeError, ConnectionResetError):
            pass  # the client gave up waiting

    do_GET = answer
    do_POST = answer


def watch_stdin():
    sys.stdin.read()
    done.set()


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
server.daemon_threads = True
print("PORT %d" % server.server_address[1], flush=True)
threading.Thread(target=server.serve_forever, daemon=True).start()
threading.Thread(target=watch_stdin, daemon=True).start()
done.wait(LIFETIME_SECONDS)
server.shutdown()
