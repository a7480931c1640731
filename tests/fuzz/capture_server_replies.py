#!/usr/bin/env python3
"""Captures the loopback test server's replies, byte for byte, as seeds of the http_reply fuzz target.

usage: capture_server_replies.py CORPUS_FOLDER

Each seed is one byte that tells the target how to split and whether the server closed (here: pieces of 3
bytes, closed), then the raw reply. Only 127.0.0.1 is contacted, a few requests in all.
"""
import json
import os
import socket
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
SERVER = os.path.join(HERE, "..", "support", "loopback_http_server.py")

ANSWERS = {
    "sized": {"status": 200, "body": "1 Alice 120 3\n2 Bob 90 1\n"},
    "chunked": {"status": 200, "body": "fsl:A3E1\nhw:N1R0,1\n", "chunked": True},
    "not-found": {"status": 404, "body": "no such page"},
    "empty": {"status": 200, "body": ""},
}


def capture(answer):
    server = subprocess.Popen([sys.executable, SERVER, json.dumps([answer])], stdin=subprocess.PIPE,
                              stdout=subprocess.PIPE, text=True)
    try:
        port = int(server.stdout.readline().split()[1])
        with socket.create_connection(("127.0.0.1", port), timeout=5) as conn:
            conn.sendall(b"GET /kelzo/buy/?x=1 HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n")
            raw = b""
            while True:
                got = conn.recv(4096)
                if not got:
                    return raw
                raw += got
    finally:
        server.stdin.close()
        server.wait(timeout=5)


def main():
    folder = os.path.join(sys.argv[1], "http_reply")
    os.makedirs(folder, exist_ok=True)
    for name, answer in ANSWERS.items():
        with open(os.path.join(folder, "seed-" + name), "wb") as out:
            out.write(bytes([(2 << 1) | 1]) + capture(answer))


if __name__ == "__main__":
    main()
