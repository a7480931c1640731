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
import json
import sys
import time

sys.dont_write_bytecode = True  # no __pycache__ in the source folder
from loopback_common import QuietHandler, send_headers, serve, take_request  # noqa: E402

MAX_REQUESTS = 50
LIFETIME_SECONDS = 60

plan = json.loads(sys.argv[1]) if len(sys.argv) > 1 else [{"status": 200, "body": ""}]


class Handler(QuietHandler):
    def answer(self):
        index, unused_body = take_request(self, MAX_REQUESTS)
        action = plan[min(index, len(plan) - 1)]
        time.sleep(float(action.get("delay", 0)))
        self.close_connection = True
        if action.get("close"):
            return
        payload = action.get("body", "").encode("utf-8")
        try:
            status = int(action.get("status", 200))
            if action.get("chunked"):
                send_headers(self, status, [("Transfer-Encoding", "chunked")])
                for start in range(0, len(payload), 3):
                    piece = payload[start:start + 3]
                    self.wfile.write(b"%x\r\n%s\r\n" % (len(piece), piece))
                self.wfile.write(b"0\r\n\r\n")
            else:
                send_headers(self, status, [("Content-Length", str(len(payload)))])
                self.wfile.write(payload)
        except (BrokenPipeError, ConnectionResetError):
            pass  # the client gave up waiting

    do_GET = answer
    do_POST = answer


serve(Handler, 0, LIFETIME_SECONDS)
