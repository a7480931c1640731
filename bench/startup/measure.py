#!/usr/bin/env python3
"""Measures the real game in a virtual X display.

Reports the time from launch to the first frame and to the title screen, the CPU use over ten idle seconds there,
then, walked through the menus to the play screen, the CPU time per frame while furballs fly (a run of moves)
and the peak memory.
Then, as a desktop player with a fast mouse: the share of swipes made among 1000 pointer motions a second for
5 s and how long after their release the move came, the time from a restore of the minimised window to the
picture drawn again, and the CPU use while another window has the focus.

    bench/startup/measure.py [--quick] [build folder]      (default: build)

--quick measures each line as briefly as it can (a second of each idle wait, two moves, two seconds of
motions, one restore), for the smoke run of the test command: its figures say only that they can be measured.

The walks and the moves are the end-to-end tests' own (tests/e2e/walk.sh, pick_swipe.py), so a change of the
screen flow breaks this script in the same run as those tests. A line that cannot be measured ends the script
with status 1 and says why; a figure is never made up.

Needs Xvfb, xdotool, openbox, wmctrl and x11-apps (scripts/install-deps.sh), and the helpers built under
tests/e2e. Each run plays in a fresh copy of the data folder, under the openbox window manager.
"""
import argparse
import datetime
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
E2E = os.path.join(ROOT, "tests", "e2e")
sys.path.insert(0, E2E)
import pick_swipe  # noqa: E402  (shared with the end-to-end tests)

TICKS = os.sysconf("SC_CLK_TCK")
STREAM_RATE = 1000      # pointer motions a second, a fast desktop mouse


@dataclass
class Plan:
    idle_seconds: int = 10
    moves: int = 12
    stream_seconds: int = 5
    restores: int = 5


QUICK = Plan(idle_seconds=1, moves=2, stream_seconds=2, restores=1)


class Unmeasured(Exception):
    """A line that could not be measured, and why."""


def log_time(line):
    """Wall-clock seconds of a log line's stamp " dd/mm/yy hh:mm:ss.mmm "."""
    stamp = re.search(r"(\d\d/\d\d/\d\d \d\d:\d\d:\d\d\.\d\d\d)", line).group(1)
    return datetime.datetime.strptime(stamp, "%d/%m/%y %H:%M:%S.%f").timestamp()


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS   # utime, stime


def peak_memory_mb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024
    raise Unmeasured("peak memory: no VmHWM in /proc")


class Game:
    """The game in a fresh copy of the data folder on a virtual display of its own, under openbox. The display,
    the window manager and the game all end in close(), whatever happened before."""

    def __init__(self, build):
        self.build = build
        self.work = tempfile.mkdtemp(prefix="kelzo_bench_")
        self.xvfb = self.wm = self.process = self.log = self.window = None

    def start(self):
        read_end, write_end = os.pipe()
        # Neither server shares this script's output: a server left behind would hold it open.
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-noreset", "-nolisten", "tcp",
                                      "-screen", "0", "400x560x24"], pass_fds=(write_end,),
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as display:
            # An English device: its first start opens on the title. The locale's other variables would win
            # over LANG.
            self.env = dict(os.environ, DISPLAY=":" + display.readline().strip(), SDL_AUDIODRIVER="dummy",
                            LANG="en_US.UTF-8")
            for name in ("LC_ALL", "LC_MESSAGES"):
                self.env.pop(name, None)
        self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        for _ in range(100):
            if subprocess.run(["wmctrl", "-m"], env=self.env, capture_output=True).returncode == 0:
                break
            time.sleep(0.1)
        else:
            raise Unmeasured("openbox did not start")
        data = os.path.join(self.work, "data")
        shutil.copytree(os.path.join(self.build, "data"), data)
        self.log_path = os.path.join(self.work, "kelzo.log")
        self.log = open(self.log_path, "w")
        self.launched = time.time()
        self.process = subprocess.Popen([os.path.join(self.build, "kelzo")], cwd=data, env=self.env,
                                        stdout=self.log, stderr=subprocess.STDOUT)

    def text(self):
        with open(self.log_path, encoding="utf-8", errors="replace") as log:
            return log.read()

    def wait_for(self, pattern, seconds=30, after=0):
        """The first log line at or after line `after` that matches, waiting up to `seconds`; None when none
        came."""
        end = time.time() + seconds
        while time.time() < end:
            for line in self.text().splitlines()[after:]:
                if re.search(pattern, line):
                    return line
            if self.process.poll() is not None:
                break
            time.sleep(0.02)
        return None

    def expect(self, pattern, why, seconds=30, after=0):
        """As wait_for; a line that never came ends the measurement with `why`."""
        line = self.wait_for(pattern, seconds, after)
        if line is None:
            raise Unmeasured(f"{why}: no log line /{pattern}/ within {seconds} s")
        return line

    def line_count(self):
        return len(self.text().splitlines())

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, check=True, capture_output=True,
                              text=True).stdout

    def find_window(self):
        self.window = self.xdotool("search", "--name", "^Kelzo$").split()[0]

    def walk(self, steps):
        """Runs helpers of tests/e2e/walk.sh on the game, as the end-to-end tests do; their output. A helper that
        fails ends the measurement with its message and the end of the game's log."""
        script = 'source "$1"; log="$2"; window="$3"; ' + steps
        walked = subprocess.run(["bash", "-c", script, "walk", os.path.join(E2E, "xvfb_support.sh"),
                                 self.log_path, self.window], env=self.env, capture_output=True, text=True)
        if walked.returncode != 0:
            raise Unmeasured(f"the walk '{steps}' failed:\n{walked.stdout}{walked.stderr}")
        return walked.stdout

    def close(self):
        """Closes the window as a window manager would and ends whatever is left; the game's exit status."""
        status = None
        try:
            if self.process:
                closer = os.path.join(self.build, "tests", "e2e", "close_window")
                if self.window and os.path.exists(closer):
                    subprocess.run([closer, self.window], env=self.env)
                else:
                    self.process.terminate()
                status = self.process.wait(10)
        except subprocess.TimeoutExpired:
            pass
        finally:
            for started in (self.process, self.wm, self.xvfb):
                if started and started.poll() is None:
                    started.kill()
                    started.wait()
            if self.log:
                self.log.close()
            shutil.rmtree(self.work, ignore_errors=True)
        return status


def fly(game, moves):
    """Makes `moves` moves with the end-to-end tests' helpers, playing on past a solved board or a finished
    level; CPU seconds and frames over their flights."""
    frames = 0
    cpu = 0.0
    for _ in range(moves):
        mark = game.line_count()
        before = cpu_seconds(game.process.pid)
        game.walk("make_a_move")
        line = game.expect(r"animation ran \d+ frames", "CPU per frame while flying: the flight never ended", 10,
                           mark)
        cpu += cpu_seconds(game.process.pid) - before
        frames += int(re.search(r"animation ran (\d+) frames", line).group(1))
        game.walk("play_on_to_next_board")
    return cpu, frames


def send_touch(burst, touch):
    """Asks pointer_burst for a swipe "x y dx dy" (a direction of 0 0 is a tap) among its motions; the
    wall-clock second of the release, or None when the helper has stopped."""
    burst.stdin.write("%d %d %d %d\n" % touch)
    burst.stdin.flush()
    answer = burst.stdout.readline().split()
    return int(answer[1]) / 1000 if len(answer) == 2 else None


def swipes_among_motions(game, seconds):
    """Swipes made while the pointer moves STREAM_RATE times a second for `seconds`: swipes sent, and the ms
    from each release to its move for those that arrived. A finished level's popup is answered by a tap among
    the motions, so that play goes on."""
    helper = os.path.join(game.build, "tests", "e2e", "pointer_burst")
    burst = subprocess.Popen([helper, game.window, str(seconds * STREAM_RATE), str(STREAM_RATE)],
                             env=game.env, stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    sent, delays = 0, []
    end = time.time() + seconds - 0.5   # the last swipe ends before the motions do
    try:
        while time.time() < end:
            swipe = pick_swipe.best_swipe(pick_swipe.last_furballs(game.text()) or {})
            if not swipe:
                popup = game.walk("level_popup_point").split()
                if popup and send_touch(burst, (int(popup[0]), int(popup[1]), 0, 0)) is None:
                    break
                time.sleep(0.1)   # a finished board is replaced
                continue
            mark = game.line_count()
            released = send_touch(burst, swipe)
            if released is None:
                break
            sent += 1
            line = game.wait_for(r"move made", 1, mark)
            if line:
                delays.append((log_time(line) - released) * 1000)
            time.sleep(0.3)
    finally:
        burst.stdin.close()
        burst.wait(seconds + 5)
    if not sent:
        raise Unmeasured(f"swipes among motions: no board offered a valid swipe in {seconds} s")
    return sent, delays


def restore_times(game, restores):
    """ms from asking the window manager to restore the minimised window to the picture drawn again."""
    times = []
    for _ in range(restores):
        mark = game.line_count()
        game.xdotool("windowminimize", game.window)
        game.expect(r"focus lost", "restore: minimising did not take the focus", 5, mark)
        time.sleep(0.3)
        mark = game.line_count()
        asked = time.time()
        subprocess.run(["wmctrl", "-i", "-a", game.window], env=game.env, check=True)
        line = game.expect(r"picture redrawn on request", "restore: no picture drawn again", 5, mark)
        times.append((log_time(line) - asked) * 1000)
        time.sleep(0.3)
    return times


def unfocused_idle(game, seconds):
    """Per cent of one core used over `seconds` while another window has the focus."""
    mark = game.line_count()
    other = subprocess.Popen(["xlogo", "-geometry", "150x150+400+400"], env=game.env, stderr=subprocess.DEVNULL)
    try:
        game.expect(r"focus lost", "CPU while unfocused: another window did not take the focus", 5, mark)
        time.sleep(1)
        before = cpu_seconds(game.process.pid)
        time.sleep(seconds)
        return (cpu_seconds(game.process.pid) - before) / seconds * 100
    finally:
        other.terminate()
        other.wait()
        subprocess.run(["wmctrl", "-i", "-a", game.window], env=game.env)


def say(line):
    print(line, flush=True)


def measure(game, plan):
    """Prints each figure as soon as it is measured."""
    first = log_time(game.expect(r"first frame shown", "time to first frame")) - game.launched
    say(f"time to first frame          {first * 1000:7.0f} ms   (goal < 300 ms)")
    title = log_time(game.expect(r"screen 0 shown", "time to title screen")) - game.launched
    say(f"time to title screen         {title * 1000:7.0f} ms   (goal < 1000 ms)")
    game.find_window()
    game.walk("walk_first_screen")
    time.sleep(2)   # start-up threads and the music fade-in settle
    before = cpu_seconds(game.process.pid)
    time.sleep(plan.idle_seconds)
    idle = (cpu_seconds(game.process.pid) - before) / plan.idle_seconds * 100
    say(f"idle CPU over {plan.idle_seconds} s on title  {idle:7.2f} %    of one core (goal < 2 %)")

    game.walk("walk_title_to_play")
    time.sleep(1)   # the cross-fade into the play screen ends
    cpu, frames = fly(game, plan.moves)
    if not frames:
        raise Unmeasured(f"CPU per frame while flying: {plan.moves} moves drew no frames")
    say(f"CPU per frame while flying   {cpu / frames * 1000:7.2f} ms   ({frames} frames, {cpu:.2f} s CPU;"
        " goal <= 2 ms)")
    say(f"peak memory                  {peak_memory_mb(game.process.pid):7.1f} MB   (goal < 150 MB)")

    sent, delays = swipes_among_motions(game, plan.stream_seconds)
    say(f"swipes among {STREAM_RATE} motions/s    {len(delays)}/{sent} made   (goal: all)")
    if not delays:
        raise Unmeasured(f"move after release: none of the {sent} swipes made a move")
    say(f"  move after release         {sum(delays) / len(delays):7.1f} ms   mean, {max(delays):.0f} ms at most"
        " (goal <= 17 ms)")

    restores = restore_times(game, plan.restores)
    say(f"restore to picture drawn     {sum(restores) / len(restores):7.1f} ms   mean, {max(restores):.0f} ms at most"
        f" of {len(restores)} (goal < 100 ms)")
    unfocused = unfocused_idle(game, plan.idle_seconds)
    say(f"CPU while unfocused          {unfocused:7.2f} %    of one core (goal < 1 %)")


def main():
    parser = argparse.ArgumentParser(description="Measures the real game in a virtual X display.")
    parser.add_argument("--quick", action="store_true", help="each line as briefly as it can be measured")
    parser.add_argument("build", nargs="?", default=os.path.join(ROOT, "build"))
    args = parser.parse_args()
    game = Game(os.path.abspath(args.build))
    try:
        game.start()
        measure(game, QUICK if args.quick else Plan())
    except Unmeasured as unmeasured:
        game.close()
        print(f"measure.py: cannot measure {unmeasured}", file=sys.stderr)
        return 1
    except BaseException:
        game.close()
        raise
    status = game.close()
    if status is None:
        print("measure.py: the game did not end within 10 s of the close", file=sys.stderr)
        return 1
    say(f"exit status                  {status:7d}")
    return 0 if status == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
