#!/usr/bin/env python3
"""Measures Earnmeter side by side with floor programs (bench/minimal-qt) on one
private Xvfb display with its own session bus, all in one run, so that the
figures can be read as ratios. Absolute figures move with the machine's load;
compare only figures of the same run.

  start-up  from exec: the first map of the main window (X MapNotify of the
            window carrying the program's _NET_WM_PID) and its first complete
            frame (DAMAGE since the map covering the whole window), the
            processor time of all threads by then, in the first 1.5 s (the
            process CPU clock, which keeps the threads that ended) and VmRSS at
            1.5 s; with the session bus and without one (DBUS_SESSION_BUS_ADDRESS
            unset); the programs take turns run by run, against a one-label
            floor and a menu-bar floor
  wakeups   context switches of the main thread per second (voluntary and
            involuntary): idle, running visible, focused, paused and hidden
            (closed to the tray), against the floor idle and a one-label program
            whose 1 s timer rewrites its label and caption
  history   with 1, 10, 30 and 100 years of records: the time to open the History
            window (Ctrl+H, to its map and first complete frame), the running
            meter's processor time per minute with the window open and closed,
            and the time of `earnmeter --history`
  bus       messages and bytes the meter sends on the session bus per minute, idle,
            running and paused with no tray host; with xfce4-panel as the
            StatusNotifierItem host, all the bus's traffic per second while running
  accuracy  the count after a long run with every core kept busy, against the
            wall-clock running time

  bench/bench.py [--short] [--startup-only | --wakeups-only | --history-only | --bus-only]
                 [--program PATH] [--compare LABEL=PATH]... [--seed-history COMMAND]
                 [--output FILE] [--runs N] [--window SECONDS]

--short         3 start-up runs each, 3-5 s windows, one year of history and a 10 s
                accuracy run: CI's smoke test, whose figures mean little; written to
                build-bench/results-short.md unless --output is given.
--startup-only  measure only the start-up and memory (a few minutes).
--wakeups-only  measure only the wakeups, WAKEUP_WINDOW seconds (20) a state, and
                print them; nothing is written.
--history-only  measure only the History window and `earnmeter --history`.
--bus-only      measure only the session-bus traffic.
--program       the earnmeter executable to measure, in a CMake build tree of this
                project: the floors are built in the same tree, so that they are
                compiled and linked with the same flags. By default a Release build
                is made in build-release/ (the one scripts/package.sh packs).
--compare       another earnmeter build that takes its turn in the start-up runs and
                has its own session of wakeups, to try a change against the current
                program in the same run.
--seed-history  run COMMAND once for each program's data folder before the runs, with
                the folder as $1 (sh -c COMMAND seed FOLDER), e.g. to create a
                History.sqlite holding a year of records.
--output        where to write the results instead of bench/results.md.
--runs, --window  override the number of start-up runs and the length of the
                measuring windows, to try the script quickly.

Run as root, the timed parts (start-up, opening the History window, the command
line) run at SCHED_FIFO priority 10 with the display and the bus, so that the
shared machine's other work does not swing the ratios; the steady states
(wakeups, processor time per minute, bus traffic) and the accuracy run, which is
about load, run at normal priority.

The full run takes about 25 minutes, writes bench/results.md and regenerates the
table between the bench markers in README.md.
"""
import argparse
import datetime
import os
import re
import select
import shutil
import signal
import sqlite3
import struct
import subprocess
import sys
import tempfile
import time
from contextlib import contextmanager
from dataclasses import dataclass, field
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent
SAMPLE_AT = 1.5
MAIN_TITLE = "Earnmeter!"
HISTORY_TITLE = "Earnmeter History"
FIFO_PRIORITY = 10


def say(text):
    print(f"== {text}", file=sys.stderr, flush=True)


class BenchError(Exception):
    pass


# --- Options -------------------------------------------------------------------


@dataclass
class Plan:
    short: bool
    parts: set
    program: str
    compare: dict
    seed_command: str
    output: Path
    publish: bool
    runs: int
    window: float
    accuracy_seconds: int
    history_years: list
    history_runs: int
    history_window: float
    bus_window: float
    invocation: str


def compare_option(text):
    match = re.fullmatch(r"([A-Za-z0-9_-]+)=(.+)", text)
    if not match:
        raise argparse.ArgumentTypeError("--compare takes LABEL=PATH")
    return match.group(1), os.path.realpath(match.group(2))


def parse_options(argv):
    parser = argparse.ArgumentParser(prog="bench/bench.py", description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--short", action="store_true")
    only = parser.add_mutually_exclusive_group()
    for part in ("startup", "wakeups", "history", "bus"):
        only.add_argument(f"--{part}-only", action="store_true")
    parser.add_argument("--program", default="")
    parser.add_argument("--compare", type=compare_option, action="append", default=[])
    parser.add_argument("--seed-history", default="")
    parser.add_argument("--output", default="")
    parser.add_argument("--runs", type=int)
    parser.add_argument("--window", type=float)
    args = parser.parse_args(argv)
    only_part = next((p for p in ("startup", "wakeups", "history", "bus") if getattr(args, f"{p}_only")), None)
    parts = {only_part} if only_part else {"startup", "wakeups", "status", "accuracy", "history", "bus"}
    short = args.short
    default_output = "build-bench/results-short.md" if short else "bench/results.md"
    window = args.window or (5 if short else 60)
    return Plan(
        short=short,
        parts=parts,
        program=args.program,
        compare=dict(args.compare),
        seed_command=args.seed_history,
        output=REPO / (args.output or default_output),
        # Only a full run to the default place is the project's published measurement.
        publish=not short and not only_part and not args.output and args.runs is None and args.window is None,
        runs=args.runs or (3 if short else 15),
        window=window,
        accuracy_seconds=10 if short else 300,
        history_years=[1] if short else [1, 10, 30, 100],
        history_runs=args.runs or (2 if short else 5),
        history_window=args.window or (3 if short else 30),
        bus_window=args.window or (3 if short else 60),
        invocation=" ".join(["bench/bench.py", *argv]),
    )


def require_tools():
    for tool in ("Xvfb", "xdotool", "xwininfo", "trayer", "dbus-daemon", "dbus-monitor", "dbus-send", "cc", "cmake"):
        if not shutil.which(tool):
            raise BenchError(f"{tool} is missing (scripts/deps.sh test installs it)")
    for header, package in (("xcb/xcb.h", "libxcb1-dev"), ("xcb/damage.h", "libxcb-damage0-dev")):
        if not Path("/usr/include", header).exists():
            raise BenchError(f"the frame probe needs {package} (scripts/deps.sh test installs it)")


# --- Small helpers -------------------------------------------------------------


def run(command, **kwargs):
    return subprocess.run(command, check=True, **kwargs)


def output_of(command):
    return subprocess.run(command, capture_output=True, text=True).stdout.strip()


def wait_until(test, seconds=5.0, step=0.05):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if test():
            return True
        time.sleep(step)
    return test()


def cpu_seconds(pid):
    """The process CPU clock of another process: all its threads, ended ones too."""
    return time.clock_gettime(((~pid) << 3) | 2)


# --- Statistics ----------------------------------------------------------------


@dataclass
class Summary:
    median: float
    q1: float
    q3: float
    low: float
    high: float


def quantile(values, p):
    h = (len(values) - 1) * p
    low = int(h)
    high = min(low + 1, len(values) - 1)
    return values[low] + (h - low) * (values[high] - values[low])


def summarize(values):
    values = sorted(v for v in values if v is not None)
    if not values:
        return None
    return Summary(quantile(values, 0.5), quantile(values, 0.25), quantile(values, 0.75), values[0], values[-1])


def paired_ratios(a, b):
    """Ratios of runs of the same round."""
    return [x / y for x, y in zip(a, b) if x is not None and y]


def figure(values, scale=1.0, form="{:.1f}", unit=""):
    """'median[unit] [q1–q3]' of the values divided by scale, or '-'."""
    s = summarize(values)
    if s is None:
        return "-"
    f = lambda v: form.format(v / scale)
    return f"{f(s.median)}{unit} [{f(s.q1)}–{f(s.q3)}]"


def ratio_figure(a, b):
    return figure(paired_ratios(a, b), 1, "{:.2f}", "×")


def median(values, scale=1.0):
    s = summarize(values)
    return None if s is None else s.median / scale


# --- Build ---------------------------------------------------------------------


@dataclass
class Programs:
    earnmeter: Path
    floor: Path
    menu_floor: Path
    timer_floor: Path
    framewait: Path
    wmclose: Path


def build_programs(plan):
    (REPO / "build-bench").mkdir(exist_ok=True)
    nice = ["nice", "-n", "10"]
    program = plan.program
    if not program:
        say("building a Release earnmeter in build-release/")
        run(nice + ["cmake", "-S", ".", "-B", "build-release", "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
                    "-DEARNMETER_TESTS=OFF", "-DEARNMETER_BENCH=OFF"], cwd=REPO, stdout=subprocess.DEVNULL)
        run(nice + ["cmake", "--build", "build-release", "-j2", "--target", "earnmeter"], cwd=REPO,
            stdout=subprocess.DEVNULL)
        program = "build-release/earnmeter"
    program = Path(os.path.realpath(REPO / program))
    build = program.parent
    if not (build / "CMakeCache.txt").exists():
        raise BenchError(f"{program} is not in a CMake build tree of this project")
    say(f"building the floors in {build}/bench/minimal-qt/ and the X helpers in build-bench/")
    floors = ["minimal-qt", "minimal-qt-menu", "minimal-qt-timer"]
    if subprocess.run(nice + ["cmake", "--build", str(build), "-j2", "--target", *floors],
                      stdout=subprocess.DEVNULL).returncode != 0:
        raise BenchError(f"cannot build the floors in {build}")
    helpers = REPO / "build-bench"
    for name, libraries in (("framewait", ["-lxcb", "-lxcb-damage"]), ("wmclose", ["-lxcb"])):
        run(nice + ["cc", "-O2", "-Wall", "-Wextra", "-o", str(helpers / name), str(REPO / f"bench/{name}.c"),
                    *libraries])
    floor_dir = build / "bench/minimal-qt"
    return Programs(program, floor_dir / "minimal-qt", floor_dir / "minimal-qt-menu", floor_dir / "minimal-qt-timer",
                    helpers / "framewait", helpers / "wmclose")


# --- A private display, session bus and clean environment ------------------------


def read_from_fd(fd, seconds):
    """The first line a child writes to the pipe fd, within seconds."""
    text = b""
    deadline = time.monotonic() + seconds
    while not text.endswith(b"\n") and time.monotonic() < deadline:
        ready, _, _ = select.select([fd], [], [], 0.1)
        if ready:
            chunk = os.read(fd, 4096)
            if not chunk:
                break
            text += chunk
    return text.decode().strip()


class Session:
    """Xvfb, a session bus and the environment every program here starts in.

    A desktop session has a session bus: Qt asks it for accessibility at
    start-up, and what that costs belongs in the figures."""

    def __init__(self):
        self.work = Path(tempfile.mkdtemp(prefix="earnmeter-bench."))
        self.children = []
        self.xvfb = self.bus = None

    def spawn(self, command, **kwargs):
        process = subprocess.Popen(command, **kwargs)
        self.children.append(process)
        return process

    def start_with_fd(self, command_for_fd, what):
        read_end, write_end = os.pipe()
        process = self.spawn(command_for_fd(write_end), pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
        os.close(write_end)
        line = read_from_fd(read_end, 10)
        os.close(read_end)
        if not line:
            raise BenchError(f"{what} did not start")
        return process, line

    def start(self):
        home, runtime = self.work / "home", self.work / "runtime"
        home.mkdir()
        runtime.mkdir(mode=0o700)
        self.xvfb, display = self.start_with_fd(
            lambda fd: ["Xvfb", "-displayfd", str(fd), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"], "Xvfb")
        for name in ("XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "QT_QPA_PLATFORMTHEME", "SESSION_MANAGER"):
            os.environ.pop(name, None)
        os.environ.update(DISPLAY=f":{display}", HOME=str(home), XDG_RUNTIME_DIR=str(runtime), QT_QPA_PLATFORM="xcb",
                          LC_ALL="C.UTF-8")
        # Services the bus starts on demand (the panel's settings daemon) get this environment too.
        self.bus, address = self.start_with_fd(
            lambda fd: ["dbus-daemon", "--session", "--nofork", "--nopidfile", f"--print-address={fd}"], "dbus-daemon")
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        self.root_window = re.search(r"Window id: (\S+)", output_of(["xwininfo", "-root"])).group(1)

    def stop(self, process):
        if process.poll() is None:
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        if process in self.children:
            self.children.remove(process)

    def close(self):
        for process in reversed(self.children[:]):
            self.stop(process)
        shutil.rmtree(self.work, ignore_errors=True)


def without_bus():
    """The environment with no session bus. libdbus then finds none: no
    dbus-launch to autolaunch one, and the runtime folder has no bus socket."""
    environment = dict(os.environ)
    environment.pop("DBUS_SESSION_BUS_ADDRESS", None)
    return environment


# --- Priority ------------------------------------------------------------------


class Priority:
    """On a shared machine a start-up's wall-clock time measures the neighbours'
    builds as much as the program. When we may, this process (so everything it
    starts), the display and the bus run at SCHED_FIFO while something is timed;
    their own work is brief, so the neighbours lose little."""

    def __init__(self, session):
        self.pids = [0, session.xvfb.pid, session.bus.pid]
        self.fifo = os.geteuid() == 0
        if self.fifo:
            try:
                os.sched_setscheduler(session.bus.pid, os.SCHED_FIFO, os.sched_param(FIFO_PRIORITY))
                os.sched_setscheduler(session.bus.pid, os.SCHED_OTHER, os.sched_param(0))
            except OSError:
                self.fifo = False
        self.root = os.geteuid() == 0
        if self.fifo:
            self.note = (f"at SCHED_FIFO priority {FIFO_PRIORITY} (the display, the bus and the probe too), "
                         "ahead of the machine's other work")
        elif self.root:
            self.note = "at nice -10 (the display and the bus too; SCHED_FIFO was refused)"
        else:
            self.note = "at normal priority (not root)"

    def set(self, fifo):
        if self.fifo:
            policy, param = (os.SCHED_FIFO, FIFO_PRIORITY) if fifo else (os.SCHED_OTHER, 0)
            for pid in self.pids:
                os.sched_setscheduler(pid, policy, os.sched_param(param))
        elif self.root:
            for pid in self.pids:
                os.setpriority(os.PRIO_PROCESS, pid, -10 if fifo else 0)

    @contextmanager
    def raised(self):
        self.set(True)
        try:
            yield
        finally:
            self.set(False)


# --- The programs' folders and launching ------------------------------------------


@dataclass
class Start:
    """What the frame probe saw of one start, times from exec in ms."""
    pid: int
    map_ms: float
    map_cpu_ms: float
    frame_ms: float
    frame_cpu_ms: float
    cpu_ms: float
    rss_kb: float


class Launched:
    """A program started through the frame probe, which stays its parent."""

    def __init__(self, session, probe, start):
        self.session, self.probe, self.start = session, probe, start
        self.pid = start.pid

    def stop(self):
        """Ends the program as a session end would (SIGTERM) and waits for it."""
        try:
            os.kill(self.pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
        try:
            self.probe.wait(5)
        except subprocess.TimeoutExpired:
            os.kill(self.pid, signal.SIGKILL)
        self.session.stop(self.probe)


def copy_program(folder, path):
    """A copy of an earnmeter build in a folder of its own, its data folder."""
    folder.mkdir(parents=True, exist_ok=True)
    shutil.copy(path, folder / "earnmeter")
    # The desktop program is a module the executable loads from its folder.
    for extra in ("earnmeter-program.so", "Readme.html"):
        if (path.parent / extra).exists():
            shutil.copy(path.parent / extra, folder)
    (folder / "Config.ewg").write_bytes(b'"v2.5",6.75,45.5,0,0,-1\r\n')
    return folder / "earnmeter"


class Peers:
    """The floors and each earnmeter build, which runs from a folder of its own
    with valid settings and no saved count, so it starts straight to its main
    window."""

    def __init__(self, session, programs, plan):
        self.session, self.programs = session, programs
        self.copies = {}
        for label, path in [("earnmeter", programs.earnmeter), *plan.compare.items()]:
            self.copies[label] = copy_program(session.work / "copies" / label, Path(path))

    def seed(self, command):
        """Runs the history seed command for each data folder, before anything is measured."""
        for label, program in self.copies.items():
            say(f"seeding {program.parent}: {command}")
            if subprocess.run(["sh", "-c", command, "seed-history", str(program.parent)]).returncode != 0:
                raise BenchError(f"the history seed command failed for {label}")

    def command(self, peer):
        floors = {"floor": ("Minimal Qt", self.programs.floor), "menu-floor": ("Minimal Qt menu",
                  self.programs.menu_floor), "timer-floor": ("Minimal Qt timer", self.programs.timer_floor)}
        if peer in floors:
            title, path = floors[peer]
            return title, [str(path)]
        (self.copies[peer].parent / "Prev.ewg").write_bytes(b"0\r\n")
        return MAIN_TITLE, [str(self.copies[peer])]

    def launch(self, peer, environment=None):
        title, command = self.command(peer)
        return launch(self.session, self.programs.framewait, title, command, environment)


def launch(session, framewait, title, command, environment=None):
    """Starts the program through the frame probe and waits for its window's
    first complete frame and the sample at 1.5 s. Whatever comes next finds the
    start-up's work done, most of it."""
    probe = session.spawn([str(framewait), "--timeout", "30", "--name", title, "--sample-at", str(SAMPLE_AT), "--",
                           *command], stdout=subprocess.PIPE, text=True, env=environment)
    first = probe.stdout.readline().split()
    second = probe.stdout.readline().split()
    if len(first) != 5 or len(second) != 2:
        session.stop(probe)
        raise BenchError(f"{' '.join(command)} showed no complete window titled '{title}'")
    return Launched(session, probe, Start(int(first[0]), *map(float, first[1:]), *map(float, second)))


# --- The desktop, seen through xdotool ---------------------------------------------


class Desktop:
    def __init__(self, session, programs):
        self.session, self.programs = session, programs

    def title_of(self, window):
        return output_of(["xdotool", "getwindowname", window])

    def expect_title(self, window, text):
        if not wait_until(lambda: self.title_of(window).startswith(text), 5, 0.1):
            raise BenchError(f"expected a title starting with '{text}', got '{self.title_of(window)}'")

    def expect_unmapped(self, window):
        """Unmapped, or gone: Qt may destroy a closed window's X window."""
        if not wait_until(lambda: "IsViewable" not in output_of(["xwininfo", "-id", window]), 5, 0.1):
            raise BenchError(f"window {window} is still shown after it was closed")

    def window_of(self, pid, title):
        found = output_of(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid), "--name", title]).split()
        return found[0] if found else None

    def focus(self, window):
        run(["xdotool", "windowfocus", "--sync", window])

    def unfocus(self):
        """With no window manager the root window takes the focus: the program then
        runs in the background, as it does while its user works in another window."""
        run(["xdotool", "windowfocus", self.session.root_window])

    def key(self, *keys):
        run(["xdotool", "key", *keys])

    def type(self, text):
        run(["xdotool", "type", "--delay", "50", text])

    def close(self, window):
        """Closes as a window manager's close button does (WM_DELETE_WINDOW)."""
        run([str(self.programs.wmclose), window])

    def start_meter(self, window):
        """Types a wage into the focused main window and starts the timer."""
        self.focus(window)
        self.type("36")
        self.key("Return")
        self.expect_title(window, "$")


# --- Start-up and memory ----------------------------------------------------------------

STARTUP_MEASURES = ("frame_ms", "frame_cpu_ms", "map_ms", "map_cpu_ms", "cpu_ms", "rss_kb")
BUS_STATES = ("bus", "nobus")


def measure_startup(plan, session, peers, priority):
    """One round launches every peer once with the bus and once without, in
    alternating order so that none profits from going second; round 0 warms the
    caches and is not counted."""
    names = ["floor", "menu-floor", "earnmeter", *plan.compare]
    turns = [(peer, bus) for bus in BUS_STATES for peer in names]
    figures = {turn: {m: [] for m in STARTUP_MEASURES} for turn in turns}
    say(f"start-up and memory: {plan.runs} runs each, with and without the bus, after one warm-up, taken in turns")
    with priority.raised():
        for round_number in range(plan.runs + 1):
            for peer, bus in turns if round_number % 2 == 0 else reversed(turns):
                launched = peers.launch(peer, None if bus == "bus" else without_bus())
                launched.stop()
                if round_number > 0:
                    for measure in STARTUP_MEASURES:
                        figures[peer, bus][measure].append(getattr(launched.start, measure))
    return figures


# --- Wakeups ------------------------------------------------------------------------------


def switches(pid):
    """Context switches, voluntary and not: (main thread, main thread involuntary
    only, all threads). Involuntary ones are the machine's other load taking the
    processor, not the program waking."""
    main = involuntary = every = 0
    for task in Path(f"/proc/{pid}/task").iterdir():
        try:
            status = (task / "status").read_text()
        except OSError:
            continue
        for name, count in re.findall(r"^((?:non)?voluntary)_ctxt_switches:\s+(\d+)", status, re.M):
            every += int(count)
            if task.name == str(pid):
                main += int(count)
                involuntary += int(count) if name == "nonvoluntary" else 0
    return main, involuntary, every


def switch_rate(pid, window):
    """Per second over the window, after the program has settled."""
    time.sleep(2)
    before = switches(pid)
    time.sleep(window)
    after = switches(pid)
    return tuple((a - b) / window for a, b in zip(after, before))


class Tray:
    """trayer, an XEmbed notification area."""

    def __init__(self, session):
        self.session, self.process = session, None

    def start(self):
        self.process = self.session.spawn(["trayer", "--expand", "false", "--widthtype", "pixel", "--width", "120",
                                           "--height", "24"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1)

    def stop(self):
        if self.process:
            self.session.stop(self.process)
            self.process = None


def wakeups_of_a_run(peers, desktop, label, window):
    """One session of use: idle, Start, focused, in the background, paused,
    started again and closed to the tray."""
    rates = {}
    launched = peers.launch(label)
    pid = launched.pid
    desktop.unfocus()
    rates["idle"] = switch_rate(pid, window)
    main = desktop.window_of(pid, MAIN_TITLE)
    desktop.start_meter(main)
    rates["focused"] = switch_rate(pid, window)
    desktop.unfocus()
    rates["running"] = switch_rate(pid, window)
    desktop.focus(main)
    desktop.key("alt+p")
    desktop.unfocus()
    desktop.expect_title(main, "PAUSED")
    rates["paused"] = switch_rate(pid, window)
    desktop.focus(main)
    desktop.key("alt+s")
    desktop.unfocus()
    desktop.expect_title(main, "$")
    desktop.close(main)
    desktop.expect_unmapped(main)
    rates["hidden"] = switch_rate(pid, window)
    launched.stop()
    return {f"{label}/{state}": rate for state, rate in rates.items()}


def idle_rate(peers, desktop, peer, window):
    launched = peers.launch(peer)
    desktop.unfocus()
    rate = switch_rate(launched.pid, window)
    launched.stop()
    return rate


def measure_wakeups(plan, session, peers, desktop, window):
    say(f"wakeups: {window:g} s windows")
    wakeups = {"floor": idle_rate(peers, desktop, "floor", window),
               "notray": idle_rate(peers, desktop, "earnmeter", window)}
    tray = Tray(session)
    tray.start()
    wakeups["timer"] = idle_rate(peers, desktop, "timer-floor", window)
    for label in ["earnmeter", *plan.compare]:
        wakeups.update(wakeups_of_a_run(peers, desktop, label, window))
    tray.stop()
    return wakeups


# --- The command line's round trip to a running copy ----------------------------------------


def wall_times_ms(runs, command):
    times = []
    for _ in range(runs):
        started = time.monotonic()
        if subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode != 0:
            raise BenchError(f"{' '.join(command)} failed")
        times.append((time.monotonic() - started) * 1000)
    return times


def has_status_command(program):
    """--status is measured once the program lists it in its --help (answered without a display)."""
    environment = dict(os.environ)
    environment.pop("DISPLAY", None)
    try:
        help_text = subprocess.run([str(program), "--help"], capture_output=True, text=True, timeout=5,
                                   env=environment, preexec_fn=no_core_dumps).stdout
    except subprocess.TimeoutExpired:
        return False
    return "--status" in help_text


def no_core_dumps():
    import resource
    resource.setrlimit(resource.RLIMIT_CORE, (0, 0))


def measure_status_round_trip(plan, peers, priority):
    program = peers.copies["earnmeter"]
    if not has_status_command(program):
        return None
    say(f"the round trip of earnmeter --status, {plan.runs} runs")
    launched = peers.launch("earnmeter")
    with priority.raised():
        times = wall_times_ms(plan.runs, [str(program), "--status"])
    launched.stop()
    return times


# --- Accuracy under load ----------------------------------------------------------------------


@dataclass
class Accuracy:
    wall: float
    count: int
    key_latency_ms: float
    checkpoint_note: str


def measure_accuracy(plan, session, peers, desktop):
    say(f"accuracy: a {plan.accuracy_seconds} s run with {os.cpu_count()} busy loops")
    prev = peers.copies["earnmeter"].parent / "Prev.ewg"
    launched = peers.launch("earnmeter")
    main = desktop.window_of(launched.pid, MAIN_TITLE)
    desktop.focus(main)
    desktop.type("36")
    hogs = [session.spawn(["yes"], stdout=subprocess.DEVNULL) for _ in range(os.cpu_count())]
    time.sleep(2)
    before_start = time.time()
    desktop.key("Return")
    started = time.time()
    desktop.unfocus()
    desktop.expect_title(main, "$")
    time.sleep(max(0.0, started + plan.accuracy_seconds + 0.5 - time.time()))
    # The count is saved every 300 counted seconds; a run that long also times that save.
    note = "The run is shorter than 300 s, so the program saved no count on the way"
    if plan.accuracy_seconds >= 300:
        saved = prev.read_text().strip()
        note = (f"On the way, the program saved the count {saved} to Prev.ewg "
                f"{prev.stat().st_mtime - started:.3f} s after Start")
    stopped = time.time()
    launched.stop()
    for hog in hogs:
        session.stop(hog)
    return Accuracy(stopped - started, int(prev.read_text().strip()), (started - before_start) * 1000, note)


# --- History --------------------------------------------------------------------------------------


def earned_for(seconds, wage):
    """The program's rounding: to the nearest ten-thousandth, halves to even."""
    units, rest = divmod(seconds * wage, 3600)
    return units + (1 if rest > 1800 or (rest == 1800 and units % 2) else 0)


def seed_history(path, years, today=None):
    """Writes History.sqlite with `years` of work ending today, in the layout the
    program writes (bench/SeedHistory.cpp's days, any number of years): weekdays
    of six to ten stretches at two wages, weekends off. Returns the record count."""
    today = today or datetime.date.today()
    path.unlink(missing_ok=True)
    database = sqlite3.connect(path)
    database.executescript("""
        CREATE TABLE records (id INTEGER PRIMARY KEY, date TEXT NOT NULL, start_epoch INTEGER NOT NULL,
            end_epoch INTEGER NOT NULL, seconds INTEGER NOT NULL, hourly_wage INTEGER NOT NULL,
            earned INTEGER NOT NULL, utc_offset INTEGER);
        CREATE INDEX records_by_date ON records (date);
        PRAGMA user_version = 2;""")
    database.executemany(
        "INSERT INTO records (date, start_epoch, end_epoch, seconds, hourly_wage, earned, utc_offset) "
        "VALUES (?, ?, ?, ?, ?, ?, 0)", history_rows(years, today))
    database.commit()
    count = database.execute("SELECT count(*) FROM records").fetchone()[0]
    database.close()
    return count


def history_rows(years, today):
    for back in range(round(365.25 * years) - 1, -1, -1):
        day = today - datetime.timedelta(days=back)
        if day.weekday() >= 5:
            continue
        midnight = int(datetime.datetime.combine(day, datetime.time()).timestamp())
        for i in range(6 + (back * 7) % 5):
            start = midnight + 8 * 3600 + i * 4000
            seconds = 1800 + (back * 13 + i * 7) % 1800
            wage = 450000 if i % 3 == 0 else 360000
            yield day.isoformat(), start, start + seconds, seconds, wage, earned_for(seconds, wage)


@dataclass
class HistoryFigures:
    years: int
    records: int
    size_mib: float
    cold_map: list = field(default_factory=list)
    cold_frame: list = field(default_factory=list)
    cold_cpu: list = field(default_factory=list)
    warm_map: list = field(default_factory=list)
    warm_frame: list = field(default_factory=list)
    warm_cpu: list = field(default_factory=list)
    cpu_closed: float = None
    cpu_open: float = None
    command: list = field(default_factory=list)
    command_lines: int = 0


class HistoryOpening:
    """Times Ctrl+H in the focused main window: from just before xdotool is
    started to the History window's map and first complete frame."""

    def __init__(self, session, programs, desktop):
        self.session, self.programs, self.desktop = session, programs, desktop

    def open(self, pid, main):
        self.desktop.focus(main)
        watch = self.session.spawn([str(self.programs.framewait), "--watch", str(pid), "--name", HISTORY_TITLE,
                                    "--timeout", "60"], stdout=subprocess.PIPE, text=True)
        if watch.stdout.readline().strip() != "ready":
            raise BenchError("the frame probe did not start watching")
        cpu_before = cpu_seconds(pid) * 1000
        pressed = time.monotonic() * 1000
        self.desktop.key("ctrl+h")
        seen = watch.stdout.readline().split()
        self.session.stop(watch)
        if len(seen) != 4:
            raise BenchError("the History window did not open")
        map_at, frame_at, _, frame_cpu = map(float, seen)
        return map_at - pressed, frame_at - pressed, frame_cpu - cpu_before

    def close(self, pid):
        window = self.desktop.window_of(pid, HISTORY_TITLE)
        self.desktop.close(window)
        self.desktop.expect_unmapped(window)


def cpu_per_minute(pid, window):
    time.sleep(2)
    before = cpu_seconds(pid)
    time.sleep(window)
    return (cpu_seconds(pid) - before) * 1000 * 60 / window


def measure_history_size(plan, session, programs, desktop, priority, years):
    program = copy_program(session.work / "copies" / f"history-{years}", programs.earnmeter)
    database = program.parent / "History.sqlite"
    records = seed_history(database, years)
    figures = HistoryFigures(years, records, database.stat().st_size / 2**20)
    say(f"history, {years_of(years)} ({records} records): opening the window, {plan.history_runs} runs")
    with priority.raised():
        for _ in range(plan.history_runs):
            time_openings(session, programs, desktop, program, figures)
        figures.command = wall_times_ms(plan.history_runs, [str(program), "--history"])
    figures.command_lines = len(output_of([str(program), "--history"]).splitlines())
    say(f"history, {years_of(years)}: processor time running, {plan.history_window:g} s with the window closed and open")
    figures.cpu_closed, figures.cpu_open = history_cpu(session, programs, desktop, program, plan.history_window)
    return figures


def years_of(years):
    return f"{years} year{'' if years == 1 else 's'}"


def launch_meter(session, programs, program):
    (program.parent / "Prev.ewg").write_bytes(b"0\r\n")
    launched = launch(session, programs.framewait, MAIN_TITLE, [str(program)])
    return launched, Desktop(session, programs).window_of(launched.pid, MAIN_TITLE)


def time_openings(session, programs, desktop, program, figures):
    """A fresh start: the History window opened first (made), then again (shown anew)."""
    launched, main = launch_meter(session, programs, program)
    opening = HistoryOpening(session, programs, desktop)
    for kind in ("cold", "warm"):
        map_ms, frame_ms, cpu_ms = opening.open(launched.pid, main)
        getattr(figures, f"{kind}_map").append(map_ms)
        getattr(figures, f"{kind}_frame").append(frame_ms)
        getattr(figures, f"{kind}_cpu").append(cpu_ms)
        opening.close(launched.pid)
    launched.stop()


def history_cpu(session, programs, desktop, program, window):
    """Processor time per minute of the running meter, History window closed and open."""
    launched, main = launch_meter(session, programs, program)
    desktop.start_meter(main)
    desktop.unfocus()
    closed = cpu_per_minute(launched.pid, window)
    desktop.focus(main)
    desktop.key("ctrl+h")
    if not wait_until(lambda: desktop.window_of(launched.pid, HISTORY_TITLE), 60, 0.1):
        raise BenchError("the History window did not open")
    desktop.unfocus()
    opened = cpu_per_minute(launched.pid, window)
    launched.stop()
    return closed, opened


def xdotool_key_ms(runs):
    """What xdotool's own start adds to the opening times: a key no window takes."""
    return wall_times_ms(runs, ["xdotool", "key", "shift"])


def measure_history(plan, session, programs, desktop, priority):
    sizes = [measure_history_size(plan, session, programs, desktop, priority, years) for years in plan.history_years]
    with priority.raised():
        key_ms = xdotool_key_ms(max(plan.history_runs, 5))
    return sizes, key_ms


# --- Bus traffic ------------------------------------------------------------------------------------


def bus_header(data):
    """The sender and member of one D-Bus message, from its header fields."""
    order = "<" if data[0:1] == b"l" else ">"
    (fields_length,) = struct.unpack_from(order + "I", data, 12)
    position, end, found = 16, 16 + fields_length, {}
    align = lambda p, n: (p + n - 1) // n * n
    while position < end:
        position = align(position, 8)
        code, signature_length = data[position], data[position + 1]
        signature = data[position + 2:position + 2 + signature_length].decode()
        position += 3 + signature_length
        if signature in ("s", "o"):
            position = align(position, 4)
            (length,) = struct.unpack_from(order + "I", data, position)
            found[code] = data[position + 4:position + 4 + length].decode(errors="replace")
            position += 5 + length
        elif signature == "g":
            length = data[position]
            found[code] = data[position + 1:position + 1 + length].decode()
            position += 2 + length
        elif signature == "u":
            position = align(position, 4) + 4
        else:
            break
    return found.get(7, ""), found.get(3, "")


def bus_messages(pcap):
    """(time, bytes, sender, member) of each message in dbus-monitor --pcap output."""
    if len(pcap) < 24:
        return
    order = "<" if pcap[:4] == b"\xd4\xc3\xb2\xa1" else ">"
    position = 24
    while position + 16 <= len(pcap):
        seconds, micro, captured, length = struct.unpack_from(order + "IIII", pcap, position)
        data = pcap[position + 16:position + 16 + captured]
        position += 16 + captured
        if len(data) < captured:
            break
        sender, member = bus_header(data)
        yield seconds + micro / 1e6, length, sender, member


class BusMonitor:
    """Everything on the session bus, as dbus-monitor --pcap records it."""

    def __init__(self, session, name):
        self.session = session
        self.path = session.work / f"{name}.pcap"
        self.file = open(self.path, "wb")
        # Unbuffered: the monitor is ended by a signal, which would lose a buffer.
        self.process = session.spawn(["stdbuf", "-o0", "dbus-monitor", "--session", "--pcap"], stdout=self.file,
                                     stderr=subprocess.DEVNULL)
        time.sleep(0.5)

    def messages(self):
        self.session.stop(self.process)
        self.file.close()
        return list(bus_messages(self.path.read_bytes()))


def unique_names_of(pid):
    """The bus connections of one process (the meter has Qt's and its own)."""
    names = re.findall(r":\d+\.\d+", output_of(["dbus-send", "--session", "--print-reply=literal",
                                                 "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                                                 "org.freedesktop.DBus.ListNames"]))
    owned = set()
    for name in names:
        reply = output_of(["dbus-send", "--session", "--print-reply=literal", "--dest=org.freedesktop.DBus",
                           "/org/freedesktop/DBus", "org.freedesktop.DBus.GetConnectionUnixProcessID",
                           f"string:{name}"])
        if reply.split()[-1:] == [str(pid)]:
            owned.add(name)
    return owned


@dataclass
class Traffic:
    messages: int
    bytes: int
    seconds: float
    members: dict


def traffic_in(messages, begin, end, senders=None):
    chosen = [m for m in messages if begin <= m[0] < end and (senders is None or m[2] in senders)]
    members = {}
    for _, _, _, member in chosen:
        members[member] = members.get(member, 0) + 1
    return Traffic(len(chosen), sum(m[1] for m in chosen), end - begin, members)


def timed_window(window):
    """A span of the given length after a second to settle: the tick's messages come within it."""
    time.sleep(1)
    begin = time.time()
    time.sleep(window)
    return begin, time.time()


def measure_bus_alone(peers, desktop, session, window):
    """The meter with no tray host: what it sends idle, running and paused."""
    say(f"bus traffic with no tray host: {window:g} s idle, running and paused")
    monitor = BusMonitor(session, "alone")
    launched = peers.launch("earnmeter")
    desktop.unfocus()
    spans = {"idle": timed_window(window)}
    names = unique_names_of(launched.pid)
    main = desktop.window_of(launched.pid, MAIN_TITLE)
    desktop.start_meter(main)
    desktop.unfocus()
    spans["running"] = timed_window(window)
    desktop.focus(main)
    desktop.key("alt+p")
    desktop.unfocus()
    desktop.expect_title(main, "PAUSED")
    spans["paused"] = timed_window(window)
    launched.stop()
    messages = monitor.messages()
    return {state: traffic_in(messages, *span, names) for state, span in spans.items()}


PANEL_CONFIG = """<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=6;x=0;y=0"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="size" type="uint" value="26"/>
      <property name="plugin-ids" type="array">
        <value type="int" value="1"/>
      </property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="systray"/>
  </property>
</channel>
"""


def watcher_registered():
    reply = output_of(["dbus-send", "--session", "--print-reply=literal", "--dest=org.freedesktop.DBus",
                       "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
                       "string:org.kde.StatusNotifierWatcher"])
    return reply.endswith("true")


def start_panel(session):
    """xfce4-panel with only its notification area, the StatusNotifierItem host."""
    channel = Path(os.environ["HOME"]) / ".config/xfce4/xfconf/xfce-perchannel-xml"
    channel.mkdir(parents=True, exist_ok=True)
    (channel / "xfce4-panel.xml").write_text(PANEL_CONFIG)
    panel = session.spawn(["xfce4-panel", "--disable-wm-check"], stdout=subprocess.DEVNULL,
                          stderr=open(session.work / "panel.log", "w"))
    if not wait_until(watcher_registered, 15, 0.2):
        session.stop(panel)
        return None
    time.sleep(1)
    return panel


def user_icons(installed):
    """The program's icon in the user's icon theme, as the package or a user install puts it."""
    icons = Path(os.environ["HOME"]) / ".local/share/icons/hicolor"
    shutil.rmtree(icons, ignore_errors=True)
    if installed:
        shutil.copytree(REPO / "data/icons/hicolor", icons)


def measure_bus_with_panel(peers, desktop, session, window, icon_installed=True):
    if not shutil.which("xfce4-panel"):
        return "xfce4-panel is not installed"
    where = "installed" if icon_installed else "not installed"
    say(f"bus traffic with xfce4-panel as the tray host, the icon {where}: {window:g} s running")
    user_icons(icon_installed)
    panel = start_panel(session)
    if panel is None:
        return "xfce4-panel registered no StatusNotifierWatcher on the private bus"
    monitor = BusMonitor(session, "panel")
    launched = peers.launch("earnmeter")
    names = unique_names_of(launched.pid)
    main = desktop.window_of(launched.pid, MAIN_TITLE)
    desktop.start_meter(main)
    desktop.unfocus()
    span = timed_window(window)
    launched.stop()
    messages = monitor.messages()
    session.stop(panel)
    registered = any(m[3] == "RegisterStatusNotifierItem" for m in messages)
    return {"all": traffic_in(messages, *span), "meter": traffic_in(messages, *span, names),
            "registered": registered}


def measure_bus(peers, desktop, session, window):
    return (measure_bus_alone(peers, desktop, session, window),
            measure_bus_with_panel(peers, desktop, session, window, icon_installed=True),
            measure_bus_with_panel(peers, desktop, session, window, icon_installed=False))


# --- Report -------------------------------------------------------------------------------------------


def peer_name(peer):
    return {"floor": "Floor: one label", "menu-floor": "Floor: menu bar (three menus) and one label",
            "earnmeter": "Earnmeter"}.get(peer, f"Earnmeter ({peer})")


def header_section(plan, load_before, priority):
    cpu = re.search(r"model name\s*:\s*(.*)", Path("/proc/cpuinfo").read_text())
    qt = output_of(["dpkg-query", "-W", "-f=${Version}", "libqt6core6"]) or "?"
    return [
        "# Earnmeter benchmarks", "",
        f"Measured by `{plan.invocation}` on {datetime.datetime.utcnow():%Y-%m-%d %H:%M} UTC:",
        f"{cpu.group(1) if cpu else '?'}, {os.cpu_count()} cores, Linux {os.uname().release},",
        f"Qt {qt}, Xvfb with no window manager and a private session bus; load average",
        f"before the run: {load_before}, after: {' '.join(Path('/proc/loadavg').read_text().split()[:3])}.",
        f"Scheduling: the timed parts (start-up, opening the History window, the command line) ran {priority.note};",
        "the steady states (wakeups, processor time per minute, bus traffic) and the accuracy run at normal priority.",
        "The machine is shared: compare figures of the same run only.",
    ]


STARTUP_TABLES = (
    ("First complete frame (ms from exec)", "frame_ms", 1),
    ("Exec to first map (ms)", "map_ms", 1),
    ("Processor time by the first complete frame (ms)", "frame_cpu_ms", 1),
    ("Processor time by the map (ms)", "map_cpu_ms", 1),
    ("Processor time, first 1.5 s (ms)", "cpu_ms", 1),
    ("Resident memory at 1.5 s (MiB)", "rss_kb", 1024),
)


def startup_row(figures, peer, measure, scale):
    cells = [peer_name(peer)]
    for bus in BUS_STATES:
        values = figures[peer, bus][measure]
        cells.append(figure(values, scale))
        for floor in ("floor", "menu-floor"):
            cells.append("" if peer == floor else ratio_figure(values, figures[floor, bus][measure]))
    return "| " + " | ".join(cells) + " |"


def startup_section(plan, figures, priority):
    peers = ["floor", "menu-floor", "earnmeter", *plan.compare]
    lines = ["", "## Start-up and memory", "",
             f"Median [interquartile range] of {plan.runs} runs each, the programs taking turns after one",
             f"warm-up round, {priority.note}. Every program started once with the",
             "session bus and once without one (DBUS_SESSION_BUS_ADDRESS unset) in each round.",
             "Times count from exec. The first complete frame is the first moment after the map",
             "at which DAMAGE has reported every pixel of the window drawn (`bench/framewait.c`).",
             "Processor time is that of all threads (the process CPU clock): unlike the wall-clock",
             "time it leaves out the waits for a processor on a busy machine. × one-label and",
             "× menu bar are the medians of each run's ratio to that floor's run of the same round",
             "and bus setting. The floors (`bench/minimal-qt`) have the simple window's fixed size",
             "and are built in the same tree with the same flags: one label, and a QMainWindow with",
             "three menus over one label (which, like Earnmeter, measures its menu font before the map)."]
    if plan.seed_command:
        lines.append(f"Each data folder was seeded first with `{plan.seed_command}`.")
    for title, measure, scale in STARTUP_TABLES:
        lines += ["", f"### {title}", "",
                  "| Program | With the bus | × one-label | × menu bar | Without a bus | × one-label | × menu bar |",
                  "|---|---:|---:|---:|---:|---:|---:|"]
        lines += [startup_row(figures, peer, measure, scale) for peer in peers]
    return lines


def wakeup_section(plan, wakeups, window):
    row = lambda name, key: "| {} | {:.2f} | {:.2f} | {:.2f} |".format(name, *wakeups[key])
    lines = ["", "## Wakeups", "",
             f"Context switches per second over {window:g} s (voluntary and involuntary), from",
             "/proc/PID/task/*/status: the main thread, and all threads (Qt adds an X11 reader",
             "thread and a D-Bus thread). Involuntary switches are the machine's other load",
             "preempting the thread. trayer is the tray panel except in the first two rows.", "",
             "| Program and state | Main thread /s | of which involuntary | All threads /s |",
             "|---|---:|---:|---:|",
             row("Floor, idle", "floor"), row("Earnmeter idle, no tray", "notray"),
             row("Timer floor: one label and the caption rewritten every second, in the background", "timer")]
    for label in ["earnmeter", *plan.compare]:
        name = peer_name(label)
        lines += [row(f"{name} idle", f"{label}/idle"),
                  row(f"{name} running, in the background", f"{label}/running"),
                  row(f"{name} running, focused (the wage box's text cursor blinks)", f"{label}/focused"),
                  row(f"{name} paused, in the background", f"{label}/paused"),
                  row(f"{name} running, closed to the tray", f"{label}/hidden")]
    return lines


def history_section(plan, sizes, key_ms):
    lines = ["", "## History", "",
             "The data folder held the years of records given (bench.py writes them as",
             "`bench/SeedHistory.cpp` writes one year: weekdays of six to ten stretches, weekends off).",
             f"Opening: Ctrl+H in the main window, {plan.history_runs} fresh starts, each opening the window",
             "first (the window is made) and again after closing it (the window is shown again and",
             "re-reads the history); times from just before `xdotool key` started to the window's map",
             "and first complete frame, and the processor time the meter used in that span.",
             f"`xdotool key` itself takes {figure(key_ms)} ms to its end, part of which is in these times.",
             f"Processor time per minute: the meter running in the background, {plan.history_window:g} s with",
             "the History window closed, then the same with it open (the open window adds each",
             f"second to the day totals it read). `earnmeter --history`: wall-clock time of {plan.history_runs} runs,",
             "its CSV written to /dev/null.", "",
             "| Years | Records | File (MiB) | Open: map (ms) | Open: first frame (ms) | Processor time (ms) "
             "| Reopen: first frame (ms) | Processor time (ms) | CPU/min closed (ms) | CPU/min open (ms) "
             "| `--history` (ms) | Its lines |",
             "|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|"]
    for s in sizes:
        lines.append(f"| {s.years} | {s.records} | {s.size_mib:.1f} | {figure(s.cold_map)} | {figure(s.cold_frame)} "
                     f"| {figure(s.cold_cpu)} | {figure(s.warm_frame)} | {figure(s.warm_cpu)} "
                     f"| {s.cpu_closed:.1f} | {s.cpu_open:.1f} | {figure(s.command)} | {s.command_lines} |")
    return lines


def traffic_cell(traffic, per):
    scale = per / traffic.seconds
    return f"{traffic.messages * scale:.1f} | {traffic.bytes * scale:.0f}"


def members_of(traffic):
    return ", ".join(f"{name or '(reply)'} {count}" for name, count in sorted(traffic.members.items())) or "none"


def bus_section(alone, with_panel, without_icon, window):
    lines = ["", "## Session-bus traffic", "",
             f"Recorded with `dbus-monitor --pcap` on the private bus, {window:g} s a state after 1 s to settle;",
             "bytes are whole messages as the bus carries them. The meter's messages are those whose",
             "sender is one of its connections (Qt's and the meter's own).", "",
             "With no tray host (no StatusNotifierWatcher, no XEmbed tray), what the meter sends:", "",
             "| State | Messages/min | Bytes/min | Messages by member |", "|---|---:|---:|---|"]
    for state, traffic in alone.items():
        lines.append(f"| {state} | {traffic_cell(traffic, 60)} | {members_of(traffic)} |")
    lines.append("")
    if isinstance(with_panel, str):
        lines.append(f"With a StatusNotifierItem host: not measured ({with_panel}).")
        return lines
    lines += ["With xfce4-panel's notification area as the StatusNotifierItem host, running; the icon in the",
              "user's icon theme (as installed) or not (a build run where it was built):", "",
              "| Icon | Messages | Messages/s | Bytes/s | Messages by member |", "|---|---|---:|---:|---|"]
    for label, traffic in (("installed", with_panel), ("not installed", without_icon)):
        if isinstance(traffic, str):
            lines.append(f"| {label} | not measured ({traffic}) | | | |")
            continue
        seen = "" if traffic["registered"] else " (no RegisterStatusNotifierItem seen)"
        lines += [f"| {label}{seen} | All on the bus | {traffic_cell(traffic['all'], 1)} | {members_of(traffic['all'])} |",
                  f"| {label} | Sent by the meter | {traffic_cell(traffic['meter'], 1)} | {members_of(traffic['meter'])} |"]
    return lines


def status_section(plan, status):
    if not status:
        return []
    return ["", "## Command line", "",
            f"`earnmeter --status` against a running copy, wall-clock time of {plan.runs} runs:",
            f"{figure(status)} ms (median [interquartile range])."]


def accuracy_section(accuracy):
    return ["", "## Accuracy under load", "",
            f"{os.cpu_count()} busy loops (`yes > /dev/null`, normal priority) ran throughout; the timer was",
            "started with the Return key and the program ended with SIGTERM, which saves the count.", "",
            "| Wall-clock running time (s) | Count (s) | Count − whole wall-clock seconds |", "|---:|---:|---:|",
            f"| {accuracy.wall:.3f} | {accuracy.count} | {accuracy.count - int(accuracy.wall)} |", "",
            f"{accuracy.checkpoint_note}. Start was timed when the key press had been sent",
            f"({accuracy.key_latency_ms:.0f} ms after it was begun), so the figures carry a few milliseconds of doubt."]


def findings_of(output):
    """Notes written by hand under '## Findings' outlive a new measurement."""
    if not output.exists():
        return []
    text = output.read_text()
    at = text.find("\n## Findings")
    return ["", text[at + 1:].rstrip("\n")] if at >= 0 else []


def write_results(plan, results, load_before, priority):
    lines = header_section(plan, load_before, priority)
    if "startup" in results:
        lines += startup_section(plan, results["startup"], priority)
    if "wakeups" in results:
        lines += wakeup_section(plan, results["wakeups"], plan.window)
    if "history" in results:
        lines += history_section(plan, *results["history"])
    if "bus" in results:
        lines += bus_section(*results["bus"], plan.bus_window)
    if "status" in results:
        lines += status_section(plan, results["status"])
    if "accuracy" in results:
        lines += accuracy_section(results["accuracy"])
    lines += findings_of(plan.output)
    plan.output.parent.mkdir(parents=True, exist_ok=True)
    temporary = plan.output.with_suffix(".tmp")
    temporary.write_text("\n".join(lines) + "\n")
    temporary.replace(plan.output)


def readme_cell(figures, measure, scale, unit):
    values = figures["earnmeter", "bus"][measure]
    one = median(paired_ratios(values, figures["floor", "bus"][measure]))
    menu = median(paired_ratios(values, figures["menu-floor", "bus"][measure]))
    return f"{median(values, scale):.1f} {unit} ({one:.2f}× / {menu:.2f}×)"


def readme_table(results):
    figures, wakeups, accuracy = results["startup"], results["wakeups"], results["accuracy"]
    floor = lambda peer, measure, scale, unit: f"{median(figures[peer, 'bus'][measure], scale):.1f} {unit}"
    rate = lambda key: f"{wakeups[key][0]:.2f}"
    lines = ["| | Floor (one label) | Floor (menu bar) | Earnmeter (× each floor) |", "|---|---:|---:|---:|"]
    for name, measure, scale, unit in (("First complete frame", "frame_ms", 1, "ms"),
                                       ("Exec to first window mapped", "map_ms", 1, "ms"),
                                       ("Processor time, first 1.5 s", "cpu_ms", 1, "ms"),
                                       ("Resident memory at 1.5 s", "rss_kb", 1024, "MiB")):
        lines.append(f"| {name} | {floor('floor', measure, scale, unit)} | {floor('menu-floor', measure, scale, unit)} "
                     f"| {readme_cell(figures, measure, scale, unit)} |")
    lines += [f"| Main-thread wakeups/s, idle | {rate('floor')} | | {rate('earnmeter/idle')} |",
              f"| … running in the background | {rate('timer')} (1 s timer) | | {rate('earnmeter/running')} |",
              f"| … running, closed to the tray | | | {rate('earnmeter/hidden')} |"]
    sizes, _ = results["history"]
    for s in (sizes[0], sizes[-1]):
        lines.append(f"| History window opened, {years_of(s.years)} of records | | | {median(s.cold_frame):.0f} ms |")
    for s in (sizes[0], sizes[-1]):
        lines.append(f"| Processor time a minute running, History open / closed, {years_of(s.years)} | | | "
                     f"{s.cpu_open:.0f} / {s.cpu_closed:.0f} ms |")
    alone, with_panel, _ = results["bus"]
    lines.append(f"| Bus messages/min sent running, no tray host | | | "
                 f"{alone['running'].messages * 60 / alone['running'].seconds:.0f} |")
    if not isinstance(with_panel, str):
        panel = with_panel["all"]
        lines.append(f"| Bus traffic running, xfce4-panel's tray, icon installed | | | "
                     f"{panel.bytes / panel.seconds / 1024:.1f} KB/s |")
    lines += [
              f"| Count after {accuracy.wall:.2f} s with both cores busy | | | {accuracy.count} |"]
    return lines


def publish_readme(results):
    """Rewrites what lies between the bench markers in README.md."""
    readme = REPO / "README.md"
    text = readme.read_text()
    begin, end = "<!-- bench:begin -->\n", "<!-- bench:end -->"
    if begin not in text or end not in text:
        raise BenchError("README.md lacks the bench markers")
    head, rest = text.split(begin, 1)
    tail = rest[rest.index(end):]
    readme.write_text(head + begin + "\n".join(readme_table(results)) + "\n" + tail)
    say("README.md's benchmark table updated")


# --- Main -----------------------------------------------------------------------------------------


def measure(plan, session, programs, peers, priority):
    desktop = Desktop(session, programs)
    if "wakeups" in plan.parts and len(plan.parts) == 1:
        window = float(os.environ.get("WAKEUP_WINDOW", 20))
        for state, rates in sorted(measure_wakeups(plan, session, peers, desktop, window).items()):
            print(f"{state:<24} {rates[0]:.2f} {rates[1]:.2f} {rates[2]:.2f}")
        return None
    results = {}
    if "startup" in plan.parts:
        results["startup"] = measure_startup(plan, session, peers, priority)
    if "wakeups" in plan.parts:
        results["wakeups"] = measure_wakeups(plan, session, peers, desktop, plan.window)
    if "history" in plan.parts:
        results["history"] = measure_history(plan, session, programs, desktop, priority)
    if "status" in plan.parts:
        results["status"] = measure_status_round_trip(plan, peers, priority)
    if "accuracy" in plan.parts:
        results["accuracy"] = measure_accuracy(plan, session, peers, desktop)
    # Last: the panel leaves the services it started on the bus (its settings, the accessibility bus).
    if "bus" in plan.parts:
        results["bus"] = measure_bus(peers, desktop, session, plan.bus_window)
    return results


def main(argv):
    plan = parse_options(argv)
    os.chdir(REPO)
    require_tools()
    programs = build_programs(plan)
    load_before = " ".join(Path("/proc/loadavg").read_text().split()[:3])
    session = Session()
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(130))
    try:
        session.start()
        priority = Priority(session)
        peers = Peers(session, programs, plan)
        if plan.seed_command:
            peers.seed(plan.seed_command)
        results = measure(plan, session, programs, peers, priority)
        if results is None:
            return 0
        write_results(plan, results, load_before, priority)
        if plan.publish:
            publish_readme(results)
        print(plan.output.read_text())
        say(f"written to {plan.output}")
        return 0
    finally:
        session.close()


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv[1:]))
    except BenchError as error:
        print(f"bench: {error}", file=sys.stderr)
        sys.exit(1)
    except KeyboardInterrupt:
        sys.exit(130)
