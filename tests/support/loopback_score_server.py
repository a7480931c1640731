#!/usr/bin/env python3
"""A stand-in score server on 127.0.0.1, for tests and for trying the game's online lists.

usage: loopback_score_server.py [--port N] [--modes M1,M2,...] [--hang S] [--late S]
                                [--rows N] [--max-requests N] [--lifetime S]

Endpoints:
  GET  /kelzo/top_scores_sql/?game_id=0&game_mode=..&max_res=..[&offset=..][&reverse=true][&tf=d|w]
       [&my_name=..&my_dev_id=..&hash=..][&my_score=..][&unq=1]
       Line 0 is "header <0-based rank of my_score>" ("header" alone without my_score, or when the
       hash sent does not match), then one "name,score" line per row from offset on, at most max_res.
  POST /kelzo/submit_score/ with game_id, game_mode, device_id, user_name, score, h, extra_data
       [, act=U|D][, reverse=true]. Checks h, stores the score (in Free Play, act=U keeps one row per
       device and act=D removes it) and answers "Ok,<1-based rank>"; a wrong h gets "Error,hash".
  POST /support/service_submit/ answers "Ok".
Both hashes are recomputed the game's way (see hash_4463).

Modes, one per request in order, the last repeating:
  normal  - as above
  status  - answers 500
  hang    - answers only after --hang seconds (default 30): longer than the client waits
  many    - the list holds 1100 rows and all are sent, whatever max_res says: more than the game keeps
  commas  - names hold commas ("Smith, Anna")
  garbage - some rows have scores that are no numbers
  late    - answers after --late seconds (default 1) with rows named "Late <n>", to race a reset

The list of every game_mode starts with --rows rows (default 60): "Player <n>" with 100 * (rows - n + 1)
points, or that many milliseconds in reverse order.

It prints "PORT <n>" first, then one line per request: "REQUEST <method> <path> <body as hex>".
It stops after --max-requests requests (default 200), after --lifetime seconds (default 120), and,
when started with port 0 (as the tests do), when its standard input closes.
Started by hand for the running game:
  python3 tests/support/loopback_score_server.py --port 8470 --lifetime 3600 --max-requests 10000
"""
import argparse
import sys
import time
import urllib.parse

sys.dont_write_bytecode = True  # no __pycache__ in the source folder
from loopback_common import QuietHandler, lock, send_headers, serve, take_request  # noqa: E402

FREE_PLAY_MODE = 1007


def hash_4463(text):
    data = text.encode("utf-8")
    if not data:
        return 2143
    h = (data[0] * 1951 + 3340937) % 4463
    for b in data[1:]:
        h = (h * 1559 + b * 1951) % 4463
    return h


def parse_args():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--modes", default="normal")
    parser.add_argument("--hang", type=float, default=30.0)
    parser.add_argument("--late", type=float, default=1.0)
    parser.add_argument("--rows", type=int, default=60)
    parser.add_argument("--max-requests", type=int, default=200)
    parser.add_argument("--lifetime", type=float, default=120.0)
    return parser.parse_args()


args = parse_args()
modes = args.modes.split(",")
boards = {}  # game_mode -> list of {"name", "score", "device"}


def board(mode):
    if mode not in boards:
        boards[mode] = [{"name": "Player %d" % n, "score": 100 * (args.rows - n + 1), "device": ""}
                        for n in range(1, args.rows + 1)]
    return boards[mode]


def ordered(rows, reverse):
    return sorted(rows, key=lambda r: r["score"], reverse=not reverse)


def rank_of(rows, score, reverse):
    """0-based place of score: after every row that is better or equal."""
    if reverse:
        return sum(1 for r in rows if r["score"] <= score)
    return sum(1 for r in rows if r["score"] >= score)


def first(query, key, default=""):
    return query.get(key, [default])[0]


def as_int(text, default=None):
    try:
        return int(text)
    except ValueError:
        return default


def top_scores(query, mode):
    game_mode = as_int(first(query, "game_mode"), 0)
    reverse = first(query, "reverse") == "true"
    offset = max(as_int(first(query, "offset", "0"), 0), 0)
    count = max(as_int(first(query, "max_res", "0"), 0), 0)
    with lock:
        rows = ordered(board(game_mode), reverse)
    if first(query, "unq") == "1":
        seen, unique = set(), []
        for r in rows:
            if r["name"] not in seen:
                seen.add(r["name"])
                unique.append(r)
        rows = unique
    if mode == "many":
        rows = [{"name": "Many %d" % n, "score": 100000 - n} for n in range(1100)]
        offset, count = 0, len(rows)
    header = "header"
    my_score = as_int(first(query, "my_score"), None)
    hash_ok = "hash" not in query or \
        as_int(first(query, "hash"), -1) == hash_4463(first(query, "my_score", "-1") + first(query, "my_dev_id"))
    if my_score is not None and hash_ok:
        header = "header %d" % rank_of(rows, my_score, reverse)
    lines = [header]
    for n, r in enumerate(rows[offset:offset + count]):
        name, score = r["name"], str(r["score"])
        if mode == "commas":
            name = "Smith, " + name
        if mode == "garbage" and n % 2 == 1:
            score = "12x" if n % 4 == 1 else "--"
        if mode == "late":
            name = "Late %d" % n
        lines.append("%s,%s" % (name, score))
    return "\n".join(lines) + "\n"


def submit(form):
    f = {k: v[0] for k, v in form.items()}
    text = "game_id%sgame_mode%sdevice_id%suser_name%sscore%s" % (
        f.get("game_id", ""), f.get("game_mode", ""), f.get("device_id", ""), f.get("user_name", ""),
        f.get("score", ""))
    if as_int(f.get("h", ""), -1) != hash_4463(text):
        return "Error,hash"
    game_mode = as_int(f.get("game_mode", ""), 0)
    score = as_int(f.get("score", ""), None)
    if score is None:
        return "Error,score"
    reverse = f.get("reverse") == "true"
    device = f.get("device_id", "")
    with lock:
        rows = board(game_mode)
        if game_mode == FREE_PLAY_MODE and f.get("act") in ("U", "D"):
            rows[:] = [r for r in rows if r["device"] != device]
            if f.get("act") == "D":
                return "Ok,0"
        rank = rank_of(rows, score, reverse) + 1
        rows.append({"name": f.get("user_name", ""), "score": score, "device": device})
        return "Ok,%d" % rank


class Handler(QuietHandler):
    def answer(self):
        index, body = take_request(self, args.max_requests)
        mode = modes[min(index, len(modes) - 1)]
        if mode == "hang":
            time.sleep(args.hang)
        if mode == "late":
            time.sleep(args.late)
        status, reply = self.reply(mode, body.decode("utf-8", "replace"))
        payload = reply.encode("utf-8")
        self.close_connection = True
        try:
            send_headers(self, status, [("Content-Type", "text/plain; charset=utf-8"),
                                        ("Content-Length", str(len(payload)))])
            self.wfile.write(payload)
        except (BrokenPipeError, ConnectionResetError):
            pass  # the client gave up waiting

    def reply(self, mode, body):
        if mode == "status":
            return 500, "Server error"
        url = urllib.parse.urlsplit(self.path)
        if self.command == "GET" and url.path == "/kelzo/top_scores_sql/":
            return 200, top_scores(urllib.parse.parse_qs(url.query, keep_blank_values=True), mode)
        if self.command == "POST" and url.path == "/kelzo/submit_score/":
            return 200, submit(urllib.parse.parse_qs(body, keep_blank_values=True))
        if self.command == "POST" and url.path == "/support/service_submit/":
            return 200, "Ok"
        return 404, "Not found"

    do_GET = answer
    do_POST = answer


# Started by hand (a fixed port), it outlives its standard input.
serve(Handler, args.port, args.lifetime, stop_when_stdin_closes=args.port == 0)
