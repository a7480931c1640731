#!/usr/bin/env python3
"""A server on 127.0.0.1 that answers badly on purpose, for the tests of everything that talks HTTP.

usage: hostile_http_server.py SCENARIO [--lifetime S]

Scenarios (every connection gets the same treatment):
  refused         - nobody listens: the port is bound but never accepts, so a connect is refused
  silent          - accepts, reads the request, never answers
  byte_a_second   - a well-formed 200 reply of 100 body bytes, one byte a second
  garbage         - 64 KiB of random bytes instead of HTTP, then closes
  huge            - a 200 reply of 50 MiB, sent as fast as the client takes it
  rows            - a 200 reply of 100,000 lines "Row <n>,<n>" after a "header 5" line
  lying_length    - Content-Length 1000, 10 bytes of body, then closes
  bad_chunk_size  - chunked, one good chunk, then a chunk size of 16 hex f's, then closes
  bad_chunk_text  - chunked, a chunk size that is no number, then the end chunk
  redirect        - 302 to another path of this server, no body
  close_mid_body  - Content-Length 200, 100 bytes, then closes

It prints "PORT <n>" first, then "REQUEST <method> <path> -" per request (as loopback_http_server.py
does). It stops by itself after 50 connections, after --lifetime seconds (60 by default), or when its
standard input closes.
"""
import random
import socket
import sys
import threading

MAX_CONNECTIONS = 50
HEAD_LIMIT = 64 * 1024

scenario = sys.argv[1] if len(sys.argv) > 1 else "silent"
lifetime = float(sys.argv[sys.argv.index("--lifetime") + 1]) if "--lifetime" in sys.argv else 60.0
done = threading.Event()
print_lock = threading.Lock()


def say(line):
    with print_lock:
        print(line, flush=True)


def read_request(conn):
    """The request line and body, read up to a bounded size; None when the client went away."""
    data = b""
    while b"\r\n\r\n" not in data:
        piece = conn.recv(4096)
        if not piece or len(data) > HEAD_LIMIT:
            return None
        data += piece
    head, _, body = data.partition(b"\r\n\r\n")
    lines = head.decode("latin-1").split("\r\n")
    length = 0
    for line in lines[1:]:
        name, _, value = line.partition(":")
        if name.strip().lower() == "content-length":
            length = min(int(value.strip() or 0), HEAD_LIMIT)
    while len(body) < length:
        piece = conn.recv(4096)
        if not piece:
            break
        body += piece
    return lines[0]


def hold(conn, seconds):
    """Keeps the connection open without a word until the client closes it or time runs out."""
    conn.settimeout(0.1)
    waited = 0.0
    while waited < seconds and not done.is_set():
        try:
            if conn.recv(4096) == b"":
                return
        except socket.timeout:
            waited += 0.1


def head(status, *headers):
    reason = {200: "OK", 302: "Found"}.get(status, "X")
    return ("HTTP/1.1 %d %s\r\n" % (status, reason) + "".join(h + "\r\n" for h in headers) + "\r\n").encode()


def answer(conn, port):
    if scenario == "silent":
        hold(conn, lifetime)
    elif scenario == "byte_a_second":
        reply = head(200, "Content-Length: 100", "Connection: close") + b"r" * 100
        conn.settimeout(1.0)
        for byte in reply:
            conn.sendall(bytes([byte]))
            try:
                if conn.recv(1) == b"":
                    return
            except socket.timeout:
                pass
            if done.is_set():
                return
    elif scenario == "garbage":
        conn.sendall(random.Random(35).randbytes(64 * 1024))
    elif scenario == "huge":
        size = 50 * 1024 * 1024
        conn.sendall(head(200, "Content-Length: %d" % size, "Connection: close"))
        block = (b"x" * 1023 + b"\n") * 64
        for _ in range(size // len(block)):
            conn.sendall(block)
    elif scenario == "rows":
        body = "header 5\n" + "".join("Row %d,%d\n" % (n, 100000 - n) for n in range(100000))
        payload = body.encode()
        conn.sendall(head(200, "Content-Length: %d" % len(payload), "Connection: close") + payload)
    elif scenario == "lying_length":
        conn.sendall(head(200, "Content-Length: 1000", "Connection: close") + b"header\nA,1")
    elif scenario == "bad_chunk_size":
        conn.sendall(head(200, "Transfer-Encoding: chunked", "Connection: close") +
                     b"5\r\nhello\r\nffffffffffffffff\r\nabc\r\n")
    elif scenario == "bad_chunk_text":
        conn.sendall(head(200, "Transfer-Encoding: chunked", "Connection: close") +
                     b"zz\r\nhello\r\n0\r\n\r\n")
    elif scenario == "redirect":
        conn.sendall(head(302, "Location: http://127.0.0.1:%d/elsewhere" % port, "Content-Length: 0",
                          "Connection: close"))
    elif scenario == "close_mid_body":
        conn.sendall(head(200, "Content-Length: 200", "Connection: close") + b"h" * 100)


def serve(conn, port):
    try:
        with conn:
            conn.settimeout(10)
            line = read_request(conn)
            if line is None:
                return
            parts = line.split(" ")
            say("REQUEST %s %s -" % (parts[0], parts[1] if len(parts) > 1 else "-"))
            answer(conn, port)
    except OSError:
        pass  # the client gave up: that is what these tests want to see


def accept_loop(listener, port):
    for _ in range(MAX_CONNECTIONS):
        try:
            conn, _ = listener.accept()
        except OSError:
            return
        threading.Thread(target=serve, args=(conn, port), daemon=True).start()
    done.set()


def watch_stdin():
    sys.stdin.read()
    done.set()


listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
listener.bind(("127.0.0.1", 0))
port = listener.getsockname()[1]
if scenario != "refused":
    listener.listen(16)
    threading.Thread(target=accept_loop, args=(listener, port), daemon=True).start()
print("PORT %d" % port, flush=True)
threading.Thread(target=watch_stdin, daemon=True).start()
done.wait(lifetime)
listener.close()
