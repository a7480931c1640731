#!/usr/bin/env python3
"""Checks that every folder of the game includes only its own floor or lower.

Floors, from the ground up: 1 Core/, platform/; 2 graphics/, sound/, settings/;
3 board/, ui/, scores/; 4 modes/; 5 game/; 6 menus/. A folder's tests
(tests/<folder>/) keep to the same floor, so each floor builds and is tested
without the ones above it. tools/ and bench/ may use anything.

Usage: check_floors.py SOURCE_ROOT   prints every upward include, fails if any
       check_floors.py --self-test   shows on a small made-up tree that an
                                     upward include is caught
"""
import os
import re
import sys
import tempfile

FLOORS = {
    "Core": 1, "platform": 1,
    "graphics": 2, "sound": 2, "settings": 2,
    "board": 3, "ui": 3, "scores": 3,
    "modes": 4,
    "game": 5,
    "menus": 6,
}

SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".c", ".inc")
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]')


def floor_of(path):
    """The floor of a root-relative path, or None when it has none."""
    parts = path.split("/")
    if parts[0] == "tests" and len(parts) > 1:
        parts = parts[1:]
    return FLOORS.get(parts[0])


def included_path(root, including_file, name):
    """The root-relative path an include names: relative to the including
    file when it starts with '.' or has no folder, else from the root."""
    if name.startswith(".") or "/" not in name:
        folder = os.path.dirname(including_file)
        return os.path.normpath(os.path.join(folder, name)).replace(os.sep, "/")
    return name


def files_to_check(root):
    tops = [name for name in FLOORS] + ["tests/" + name for name in FLOORS]
    for top in tops:
        base = os.path.join(root, top)
        for folder, _, names in os.walk(base):
            for name in sorted(names):
                if name.endswith(SOURCE_SUFFIXES):
                    yield os.path.relpath(os.path.join(folder, name), root).replace(os.sep, "/")


def upward_includes(root):
    found = []
    for path in files_to_check(root):
        own = floor_of(path)
        with open(os.path.join(root, path), encoding="utf-8", errors="replace") as source:
            for number, line in enumerate(source, 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                target = included_path(root, path, match.group(1))
                theirs = floor_of(target)
                if theirs is not None and theirs > own:
                    found.append(f"{path}:{number}: floor {own} includes {match.group(1)} (floor {theirs})")
    return found


def check(root):
    found = upward_includes(root)
    for line in found:
        print(line)
    if found:
        print(f"{len(found)} upward include(s): declare an interface in the lower folder instead")
        return 1
    print("every folder includes only its own floor or lower")
    return 0


def self_test():
    def write(root, path, text):
        full = os.path.join(root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "w", encoding="utf-8") as out:
            out.write(text)

    with tempfile.TemporaryDirectory() as root:
        write(root, "board/Fine.cpp", '#include "board/Fine.h"\n#include "Core/Array.h"\n#include "ui/MenuStack.h"\n'
                                      '#include <vector>\n#include "Fine.h"\n')
        write(root, "tests/board/FineTest.cpp", '#include "tests/board/Support.h"\n#include "../graphics/Gl.h"\n')
        write(root, "game/Fine.cpp", '#include "modes/CurrentGameI.h"\n')
        if upward_includes(root):
            print("self-test: a tree without upward includes was refused")
            return 1
        planted = {
            "board/Up.cpp": '#include "game/KelzoGame.h"\n',
            "Core/Up.cpp": '  #  include "../graphics/Texture.h"\n',
            "ui/Up.h": "#include <menus/TitleMenu.h>\n",
            "tests/board/UpTest.cpp": '#include "modes/CurrentGameI.h"\n',
            "tests/graphics/UpTest.cpp": '#include "tests/board/FakeBoardHost.h"\n',
        }
        for path, text in planted.items():
            write(root, path, text)
        caught = {line.split(":")[0] for line in upward_includes(root)}
        missed = sorted(set(planted) - caught)
        if missed:
            print("self-test: upward includes not caught in " + ", ".join(missed))
            return 1
    print("self-test: upward includes are caught")
    return 0


if __name__ == "__main__":
    if len(sys.argv) == 2 and sys.argv[1] == "--self-test":
        sys.exit(self_test())
    if len(sys.argv) != 2:
        print(__doc__)
        sys.exit(2)
    sys.exit(check(sys.argv[1]))
