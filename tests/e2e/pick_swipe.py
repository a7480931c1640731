#!/usr/bin/env python3
"""Picks a valid swipe from the furballs the play screen last logged.

A line "furballs (cell:centre) 0,5:25,320 1,4:70,275 ..." lists every furball: its cell (column, row) and the
screen point of its centre. A swipe is valid when another furball lies in that direction on the same row or
column with at least one empty cell before the nearest one (the swiped furball slides, knocks it on).
Swipes after which the board can still be solved come first, then those that leave a move: a stuck board
waits for an undo.

    pick_swipe.py [--wait <seconds>] <log file>   prints "x y dx dy", or nothing when no swipe is valid

With --wait, reads the log again until a board with a valid swipe shows up (a finished board is replaced
after a short while), for at most that many seconds.
"""
import sys
import time

DIRECTIONS = ((1, 0), (-1, 0), (0, 1), (0, -1))


def last_furballs(log_text):
    """{(column, row): (x, y)} of the last furball line, or None when there is none."""
    lines = [line for line in log_text.splitlines() if "furballs (cell:centre)" in line]
    if not lines:
        return None
    furballs = {}
    for item in lines[-1].split("furballs (cell:centre)")[1].split():
        cell, centre = item.split(":")
        column, row = (int(v) for v in cell.split(","))
        furballs[(column, row)] = tuple(int(v) for v in centre.split(","))
    return furballs


def valid_swipes(furballs):
    """Every valid swipe as (x, y, dx, dy), in a fixed order."""
    swipes = []
    for (column, row), (x, y) in sorted(furballs.items()):
        for dx, dy in DIRECTIONS:
            distances = [(c - column) * dx + (r - row) * dy
                         for (c, r) in furballs
                         if (c, r) != (column, row) and (dx == 0 or r == row) and (dy == 0 or c == column)]
            ahead = [d for d in distances if d > 0]
            if ahead and min(ahead) >= 2:
                swipes.append((x, y, dx, dy))
    return swipes


def after_swipe(cells, column, row, dx, dy):
    """The cells still holding a furball after the swipe: each furball met stops the one before it, one cell
    short, and is knocked on in its place; the last one leaves the board."""
    left = set(cells)
    left.discard((column, row))
    x, y = column + dx, row + dy
    while 0 <= x < 7 and 0 <= y < 8:
        if (x, y) in left:
            left.add((x - dx, y - dy))
            left.discard((x, y))
        x, y = x + dx, y + dy
    return left


def solvable(cells, seen, budget):
    """True when some line of swipes brings the cells down to one furball; the search gives up (False) once
    `budget` (a one-element list) of boards has been looked at."""
    if len(cells) <= 1:
        return True
    key = frozenset(cells)
    if key in seen or budget[0] <= 0:
        return False
    seen.add(key)
    budget[0] -= 1
    return any(solvable(after_swipe(cells, x, y, dx, dy), seen, budget)
               for (x, y, dx, dy) in valid_swipes({c: c for c in cells}))


def preference(furballs, swipe, budget):
    """0 for a swipe after which the board can still be solved, 1 for one that leaves a move, 2 otherwise. All
    swipes share the search budget, so a crowded board is answered quickly (by the moves left)."""
    x, y, dx, dy = swipe
    cell = next(c for c, centre in furballs.items() if centre == (x, y))
    left = after_swipe(furballs.keys(), cell[0], cell[1], dx, dy)
    if solvable(left, set(), budget):
        return 0
    return 1 if valid_swipes({c: c for c in left}) else 2


def best_swipe(furballs):
    """The valid swipe to make, (x, y, dx, dy): one after which the board can still be solved, else one that
    leaves a move; None when no swipe is valid."""
    swipes = valid_swipes(furballs)
    if not swipes:
        return None
    budget = [5000]
    return min(swipes, key=lambda swipe: preference(furballs, swipe, budget))


def main():
    args = sys.argv[1:]
    wait = float(args[1]) if args[0] == "--wait" else 0
    end = time.time() + wait
    while True:
        with open(args[-1], encoding="utf-8", errors="replace") as log:
            furballs = last_furballs(log.read()) or {}
        swipe = best_swipe(furballs)
        if swipe or time.time() >= end:
            break
        time.sleep(0.1)
    if swipe:
        print(*swipe)


if __name__ == "__main__":
    main()
