#!/usr/bin/env python3
"""Finds the swipes that bring the board the play screen last logged down to one furball.

Reads the last "furballs (cell:centre) column,row:x,y ..." line of the log and searches the moves by the move
rule: the swiped furball slides up to the first furball in its way (never a direct neighbour), and the push
passes along, each knocked furball sliding up to the next one, until the last of the chain leaves the board.
Colours play no part. Prints one "x y dx dy" line per swipe (screen points of the board as logged), nothing
when the board cannot be solved.

With --lone, prints instead one swipe, picked at random, whose line holds a single furball ahead: a move that
clears a furball whatever the colours (the Frenzy rule lets a push pass only to the mover's colour).

    solve_swipes.py [--lone] <log file>
"""
import random
import sys

COLUMNS, ROWS = 7, 8
DIRECTIONS = ((1, 0), (-1, 0), (0, 1), (0, -1))
CELL, LEFT, TOP = 45, 3, 73


def last_board(text):
    lines = [line for line in text.splitlines() if "furballs (cell:centre)" in line]
    if not lines:
        return frozenset()
    cells = set()
    for item in lines[-1].split("furballs (cell:centre)")[1].split():
        column, row = (int(v) for v in item.split(":")[0].split(","))
        cells.add((column, row))
    return frozenset(cells)


def first_in_way(cells, column, row, dx, dy):
    c, r, distance = column + dx, row + dy, 1
    while 0 <= c < COLUMNS and 0 <= r < ROWS:
        if (c, r) in cells:
            return (c, r), distance
        c, r, distance = c + dx, r + dy, distance + 1
    return None, 0


def apply(cells, start, dx, dy):
    """The board after throwing the furball at start, or None for a refused move."""
    hit, distance = first_in_way(cells, start[0], start[1], dx, dy)
    if hit is None or distance < 2:
        return None
    board = set(cells)
    board.discard(start)
    board.add((hit[0] - dx, hit[1] - dy))
    moving = hit
    while True:
        board.discard(moving)
        nxt, gap = first_in_way(board, moving[0], moving[1], dx, dy)
        if nxt is None:
            return frozenset(board)   # the last of the chain leaves the board
        board.add((nxt[0] - dx, nxt[1] - dy))
        moving = nxt


def solve(cells, seen):
    if len(cells) <= 1:
        return []
    if cells in seen:
        return None
    seen.add(cells)
    for start in sorted(cells):
        for dx, dy in DIRECTIONS:
            after = apply(cells, start, dx, dy)
            if after is None:
                continue
            rest = solve(after, seen)
            if rest is not None:
                return [(start, dx, dy)] + rest
    return None


def lone_swipes(cells):
    swipes = []
    for start in sorted(cells):
        for dx, dy in DIRECTIONS:
            hit, distance = first_in_way(cells, start[0], start[1], dx, dy)
            if hit is None or distance < 2:
                continue
            beyond, _ = first_in_way(cells, hit[0], hit[1], dx, dy)
            if beyond is None:
                swipes.append((start, dx, dy))
    return swipes


def point(cell):
    return LEFT + cell[0] * CELL + 22, TOP + cell[1] * CELL + 22


def main():
    with open(sys.argv[-1], encoding="utf-8", errors="replace") as log:
        cells = last_board(log.read())
    if sys.argv[1] == "--lone":
        swipes = lone_swipes(cells)
        if swipes:
            start, dx, dy = random.choice(swipes)
            print(*point(start), dx, dy)
        return
    for (column, row), dx, dy in solve(cells, set()) or []:
        print(*point((column, row)), dx, dy)


if __name__ == "__main__":
    main()
