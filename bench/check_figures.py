#!/usr/bin/env python3
"""Runs a benchmark and checks that it printed every figure it promises, each of its kind: a number where a
number goes. The values themselves are never judged; a smoke run on a busy machine measures nothing worth
judging. What it catches is a benchmark that stopped measuring: a walk that no longer reaches a screen, a line
dropped, "n/a" or "nan" where a figure stood, a non-zero exit.

    check_figures.py <figures file> <command> [argument ...]
    check_figures.py --self-test     shows on made-up outputs that a missing or unmeasured figure is caught

The figures file has one line for each line the benchmark must print, in the order it prints them (other lines
may come between). In it:
    {n}     a number: optional sign, digits, a decimal part, and the k/M/G suffix the benchmark library gives
            large counters
    {unit}  a time unit (ns, us, ms, s)
    {text}  any text, such as a label the benchmark library chooses
    a run of spaces matches any run of spaces; everything else stands for itself. A whole line must match.
Lines starting with "#" and empty lines are comments.
"""
import re
import subprocess
import sys
import tempfile

NUMBER = r"[-+]?\d+(?:\.\d+)?(?:[eE][-+]?\d+)?[kMG]?"
PLACEHOLDERS = {"{n}": NUMBER, "{unit}": r"(?:ns|us|ms|s)", "{text}": r".*?"}
# Words a benchmark prints where it failed to measure; none of them may stand anywhere in the output.
NOT_FIGURES = re.compile(r"(?<![\w/])(?:n/a|nan|-?inf)(?![\w/])", re.IGNORECASE)


def line_pattern(line):
    """The regular expression for one line of a figures file."""
    parts = re.split(r"(\{n\}|\{unit\}|\{text\}| +)", line.strip())
    regex = ""
    for part in parts:
        if part in PLACEHOLDERS:
            regex += PLACEHOLDERS[part]
        elif part.startswith(" "):
            regex += r"\s+"
        else:
            regex += re.escape(part)
    return re.compile(regex)


def read_figures(path):
    with open(path, encoding="utf-8") as figures:
        return [line.rstrip("\n") for line in figures if line.strip() and not line.startswith("#")]


def missing_figures(expected, output_lines):
    """The expected lines that no output line matches, in order: each is looked for after the last one found.
    A line not found is reported and the search goes on from where it stood."""
    missing = []
    at = 0
    for line in expected:
        pattern = line_pattern(line)
        for k in range(at, len(output_lines)):
            if pattern.fullmatch(output_lines[k].strip()):
                at = k + 1
                break
        else:
            missing.append(line)
    return missing


def check(expected, output, status):
    """What is wrong with a run, one message a fault; empty when every figure is there."""
    lines = output.splitlines()
    faults = []
    if status != 0:
        faults.append(f"the benchmark ended with status {status}")
    faults += [f"no line like: {line}" for line in missing_figures(expected, lines)]
    faults += [f"not a figure: {line.strip()}" for line in lines if NOT_FIGURES.search(line)]
    return faults


def self_test():
    """Made-up figures and outputs: a whole report passes; each kind of fault is caught."""
    expected = ["median {n} ms  max {n} ms", "BM_Frame {n} {unit} {n} {unit} {n} calls={n}", "{text} ok"]
    whole = "header\nmedian 0.25 ms  max 3 ms\nBM_Frame   1.5 us   1.4 us   1000 calls=1.2k\nall ok\n"
    cases = [  # (what, output, exit status, faults wanted)
        ("a whole report", whole, 0, 0),
        ("a non-zero exit", whole, 1, 1),
        ("n/a for a figure", whole.replace("0.25", "n/a"), 0, 2),
        ("nan for a figure", whole.replace("3 ms", "-nan ms"), 0, 2),
        ("a line dropped", whole.replace("all ok\n", ""), 0, 1),
        ("a word where a number goes", whole.replace("1000", "none"), 0, 1),
        ("lines out of order", "all ok\n" + whole.replace("all ok\n", ""), 0, 1),
        ("a figure with text after it", whole.replace("max 3 ms", "max 3 ms (cut)"), 0, 1),
    ]
    wrong = []
    for what, output, status, wanted in cases:
        faults = check(expected, output, status)
        if len(faults) != wanted:
            wrong.append(f"{what}: wanted {wanted} faults, got {faults}")
    for line in wrong:
        print("self-test: " + line)
    return 1 if wrong else 0


def main():
    if sys.argv[1:] == ["--self-test"]:
        return self_test()
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    expected = read_figures(sys.argv[1])
    # The output goes through a file, not a pipe: a display server or window manager that a failed run left
    # behind would hold a pipe open, and the check would wait for it until the test's time-out.
    with tempfile.TemporaryFile("w+", encoding="utf-8", errors="replace") as captured:
        status = subprocess.run(sys.argv[2:], stdout=captured, stderr=subprocess.STDOUT).returncode
        captured.seek(0)
        output = captured.read()
    print(output, end="")
    faults = check(expected, output, status)
    if faults:
        print("\nSMOKE FAILED: " + " ".join(sys.argv[2:]))
        for fault in faults:
            print("  " + fault)
        return 1
    print(f"\nSMOKE PASSED: {len(expected)} lines of figures printed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
