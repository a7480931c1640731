#!/usr/bin/env python3
"""Measures the real game in a virtual X display.

Reports the time from launch to the first frame and to the title screen, the CPU use over ten idle seconds there,
then, walked through the menus to the play screen (tests/e2e/walk.sh), the CPU time per frame while furballs fly
(a run of swipes) and the peak memory.
Then, as a desktop player with a fast mouse: the share of swipes made among 1000 pointer motions a second for
5 s and how long after their release the move came, the time from a restore of the minimised window to the
picture drawn again, and the CPU use while another window has the focus.

    bench/startup/measure.py [build folder]      (default: build)

Needs Xvfb, xdotool, openbox, wmctrl and x11-apps (scripts/install-deps.sh), and the helpers built under
tests/e2e. Each run plays in a fresh copy of the data folder, under the openbox window manager.
"""
import datetime
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
import pick_swipe  # noqa: E402  (shared with the end-to-end test)

TICKS = os.sysconf("SC_CLK_TCK")
IDLE_SECONDS = 10
MOVES = 12
STREAM_SECONDS = 5
STREAM_RATE = 1000      # pointer motions a second, a fast desktop mouse
RESTORES = 5


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
    return float("nan")


class Game:
    def __init__(self, build):
        self.build = build
        self.work = tempfile.mkdtemp(prefix="kelzo_bench_")
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-noreset", "-nolisten", "tcp",
                                      "-screen", "0", "400x560x24"], pass_fds=(write_end,),
                                     stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as display:
            self.env = dict(os.environ, DISPLAY=":" + display.readline().strip(), SDL_AUDIODRIVER="dummy",
                            LANG="en_US.UTF-8")
        self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        for _ in range(100):
            if subprocess.run(["wmctrl", "-m"], env=self.env, capture_output=True).returncode == 0:
                break
            time.sleep(0.1)
        data = os.path.join(self.work, "data")
        shutil.copytree(os.path.join(build, "data"), data)
        self.log_path = os.path.join(self.work, "kelzo.log")
        self.log = open(self.log_path, "w")
        self.launched = time.time()
        self.process = subprocess.Popen([os.path.join(build, "kelzo")], cwd=data, env=self.env,
                                        stdout=self.log, stderr=subprocess.STDOUT)
        self.window = None

    def text(self):
        with open(self.log_path, encoding="utf-8", errors="replace") as log:
            return log.read()

    def wait_for(self, pattern, seconds=30, after=0):
        """The first log line at or after line `after` that matches, waiting up to `seconds`."""
        end = time.time() + seconds
        while time.time() < end:
            lines = self.text().splitlines()[after:]
            for line in lines:
                if re.search(pattern, line):
                    return line
            if self.process.poll() is not None:
                break
            time.sleep(0.02)
        raise RuntimeError(f"no log line /{pattern}/ in time\n" + self.text()[-2000:])

    def line_count(self):
        return len(self.text().splitlines())

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, check=True, capture_output=True,
                              text=True).stdout

    def find_window(self):
        self.window = self.xdotool("search", "--name", "^Kelzo$").split()[0]

    def walk(self, steps):
        """Walks the menus as the end-to-end test does (steps: a function of tests/e2e/walk.sh)."""
        script = 'fail() { echo "walk: $*" >&2; exit 1; }; source "$1"; ' + steps
        env = dict(self.env, log=self.log_path, window=self.window)
        subprocess.run(["bash", "-c", script, "walk", os.path.join(ROOT, "tests", "e2e", "walk.sh")], env=env,
                       check=True, stdout=subprocess.DEVNULL)

    def swipe(self, x, y, dx, dy):
        self.xdotool("mousemove", "--window", self.window, str(x), str(y), "mousedown", "1")
        for step in range(1, 7):
            self.xdotool("mousemove", "--window", self.window, str(x + dx * step * 10), str(y + dy * step * 10))
        self.xdotool("mouseup", "1")

    def close(self):
        closer = os.path.join(self.build, "tests", "e2e", "close_window")
        if self.window and os.path.exists(closer):
            subprocess.run([closer, self.window], env=self.env)
        else:
            self.process.terminate()
        try:
            return self.process.wait(10)
        finally:
            if self.process.poll() is None:
                self.process.kill()
            self.wm.terminate()
            self.wm.wait()
            self.xvfb.terminate()
            self.xvfb.wait()
            self.log.close()
            shutil.rmtree(self.work, ignore_errors=True)


def fly(game):
    """Swipes valid moves one after another; CPU seconds and frames over the animations."""
    frames = 0
    cpu = 0.0
    for _ in range(MOVES):
        game.wait_for(r"furballs \(cell:centre\)")
        swipe = pick_swipe.valid_swipes(pick_swipe.last_furballs(game.text()) or {})
        if not swipe:
            time.sleep(2)   # a stuck board is replaced
            continue
        mark = game.line_count()
        before = cpu_seconds(game.process.pid)
        game.swipe(*swipe[0])
        game.wait_for(r"move made", 5, mark)
        line = game.wait_for(r"animation ran \d+ frames", 10, mark)
        cpu += cpu_seconds(game.process.pid) - before
        frames += int(re.search(r"animation ran (\d+) frames", line).group(1))
        time.sleep(0.2)
        if "board solved" in "\n".join(game.text().splitlines()[mark:]):
            time.sleep(2)   # the next board comes
    return cpu, frames


def swipes_among_motions(game):
    """Swipes made while the pointer moves STREAM_RATE times a second for STREAM_SECONDS: swipes sent, and the
    ms from each release to its move for those that arrived."""
    helper = os.path.join(game.build, "tests", "e2e", "pointer_burst")
    burst = subprocess.Popen([helper, game.window, str(STREAM_SECONDS * STREAM_RATE), str(STREAM_RATE)],
                             env=game.env, stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    sent, delays = 0, []
    end = time.time() + STREAM_SECONDS - 0.5   # the last swipe ends before the motions do
    try:
        while time.time() < end:
            swipes = pick_swipe.valid_swipes(pick_swipe.last_furballs(game.text()) or {})
            if not swipes:
                time.sleep(0.1)   # a finished board is replaced
                continue
            mark = game.line_count()
            burst.stdin.write("%d %d %d %d\n" % swipes[0])
            burst.stdin.flush()
            answer = burst.stdout.readline().split()
            if len(answer) != 2:
                break
            released = int(answer[1]) / 1000
            sent += 1
            try:
                delays.append((log_time(game.wait_for(r"move made", 1, mark)) - released) * 1000)
            except RuntimeError:
                pass
            time.sleep(0.3)
    finally:
        burst.stdin.close()
        burst.wait(STREAM_SECONDS + 5)
    return sent, delays


def restore_times(game):
    """ms from asking the window manager to restore the minimised window to the picture drawn again."""
    times = []
    for _ in range(RESTORES):
        mark = game.line_count()
        game.xdotool("windowminimize", game.window)
        game.wait_for(r"focus lost", 5, mark)
        time.sleep(0.3)
        mark = game.line_count()
        asked = time.time()
        subprocess.run(["wmctrl", "-i", "-a", game.window], env=game.env, check=True)
        times.append((log_time(game.wait_for(r"picture redrawn on request", 5, mark)) - asked) * 1000)
        time.sleep(0.3)
    return times


def unfocused_idle(game):
    """Per cent of one core used over IDLE_SECONDS while another window has the focus."""
    mark = game.line_count()
    other = subprocess.Popen(["xlogo", "-geometry", "150x150+400+400"], env=game.env, stderr=subprocess.DEVNULL)
    try:
        game.wait_for(r"focus lost", 5, mark)
        time.sleep(1)
        before = cpu_seconds(game.process.pid)
        time.sleep(IDLE_SECONDS)
        return (cpu_seconds(game.process.pid) - before) / IDLE_SECONDS * 100
    finally:
        other.terminate()
        other.wait()
        subprocess.run(["wmctrl", "-i", "-a", game.window], env=game.env)


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build"))
    game = Game(build)
    try:
        first = log_time(game.wait_for(r"first frame shown")) - game.launched
        title = log_time(game.wait_for(r"screen 0 shown")) - game.launched
        game.find_window()
        game.walk("walk_language_to_title")   # the first start's title is the language choice
        time.sleep(2)   # start-up threads and the music fade-in settle
        before = cpu_seconds(game.process.pid)
        time.sleep(IDLE_SECONDS)
        idle = (cpu_seconds(game.process.pid) - before) / IDLE_SECONDS * 100
        game.walk("walk_title_to_play")
        time.sleep(1)   # the cross-fade into the play screen ends
        cpu, frames = fly(game)
        peak = peak_memory_mb(game.process.pid)
        time.sleep(2)   # the last flight ends
        sent, delays = swipes_among_motions(game)
        restores = restore_times(game)
        unfocused = unfocused_idle(game)
    finally:
        status = game.close()
    print(f"time to first frame          {first * 1000:7.0f} ms   (goal < 300 ms)")
    print(f"time to title screen         {title * 1000:7.0f} ms   (goal < 1000 ms)")
    print(f"idle CPU over {IDLE_SECONDS} s on title  {idle:7.2f} %    of one core (goal < 2 %)")
    if frames:
        print(f"CPU per frame while flying   {cpu / frames * 1000:7.2f} ms   ({frames} frames, {cpu:.2f} s CPU)")
    else:
        print("CPU per frame while flying       n/a   (no move could be made)")
    print(f"peak memory                  {peak:7.1f} MB   (goal < 150 MB)")
    if sent:
        print(f"swipes among {STREAM_RATE} motions/s    {len(delays)}/{sent} made   (goal: all)")
    else:
        print(f"swipes among {STREAM_RATE} motions/s        n/a   (no swipe could be sent)")
    if delays:
        print(f"  move after release         {sum(delays) / len(delays):7.1f} ms   mean, {max(delays):.0f} ms at most"
              " (goal <= 17 ms)")
    print(f"restore to picture drawn     {sum(restores) / len(restores):7.1f} ms   mean, {max(restores):.0f} ms at most"
          f" of {len(restores)} (goal < 100 ms)")
    print(f"CPU while unfocused          {unfocused:7.2f} %    of one core (goal < 1 %)")
    print(f"exit status                  {status:7d}")
    return 0 if status == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
