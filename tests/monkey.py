#!/usr/bin/env python3
"""Random use of the real window: clicks, drags, wheel turns and keys, seeded and logged.

Runs under an X server (scripts/test starts it with xvfb-run). For each start screen the app is
started, given a share of the events through xdotool, and closed as the desktop closes it. The run
fails on a sanitizer report that names the app's sources, an abort or other crash, or a window that
does not close when asked (it stopped answering).

    tests/monkey.py PATH_TO_TINCTURA [--seed N] [--events N]

Replay a failing run with the seed it printed; the log of every event is kept in the printed folder.
"""
import argparse
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SOURCE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# (start screen or None for the main menu, environment). The camera screens read the synthetic source.
START_SCREENS = [
    (None, {}),
    ("SwatchesVC", {}),
    ("SettingsVC", {}),
    ("ValueCheckerVC", {"TINCTURA_CAMERA": "synthetic:bars"}),
    ("ColorPicker2VC", {"TINCTURA_CAMERA": "synthetic:bars"}),
]
KEYS = ["Escape", "Escape", "Return", "Tab", "BackSpace", "a", "F", "3", "0", "space", "numbersign", "Up"]
CLOSE_TIMEOUT = 20  # seconds a closed window may take to go away


def xdotool(*args, check=True):
    result = subprocess.run(["xdotool", *args], capture_output=True, text=True)
    if check and result.returncode != 0:
        raise RuntimeError(f"xdotool {' '.join(args)}: {result.stderr.strip()}")
    return result.stdout


def find_window(process, timeout=60):
    deadline = time.time() + timeout
    while time.time() < deadline:
        if process.poll() is not None:
            return None
        ids = xdotool("search", "--onlyvisible", "--pid", str(process.pid), "--name", "^Tinctura$",
                      check=False).split()
        if ids:
            return ids[0]
        time.sleep(0.1)
    return None


def geometry(window):
    values = dict(line.split("=", 1) for line in xdotool("getwindowgeometry", "--shell", window).split())
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def make_events(rng, count):
    """Events in window fractions, so a turned (resized) window still gets them inside."""
    events = []
    for _ in range(count):
        kind = rng.choices(["click", "drag", "wheel", "key", "double"], [40, 20, 15, 20, 5])[0]
        point = (rng.random(), rng.random())
        if kind == "drag":
            events.append(("drag", point, (rng.random(), rng.random())))
        elif kind == "wheel":
            events.append(("wheel", point, rng.choice([4, 5]), rng.randint(1, 4), rng.random() < 0.3))
        elif kind == "key":
            events.append(("key", "ctrl+r" if rng.random() < 0.02 else rng.choice(KEYS)))
        else:
            events.append((kind, point))
    return events


def script_for(events, window):
    x0, y0, w, h = geometry(window)
    at = lambda p: (x0 + int(p[0] * (w - 1)), y0 + int(p[1] * (h - 1)))
    # Presses and releases rather than xdotool's click, which waits 100 ms after each.
    press = lambda button: [f"mousedown {button}", f"mouseup {button}"]
    lines = []
    for event in events:
        kind = event[0]
        if kind in ("click", "double"):
            x, y = at(event[1])
            lines += [f"mousemove {x} {y}"] + press(1)
            if kind == "double":
                lines += ["sleep 0.06"] + press(1)
        elif kind == "drag":
            (x, y), (x1, y1) = at(event[1]), at(event[2])
            lines += [f"mousemove {x} {y}", "mousedown 1"]
            for i in range(1, 6):
                lines += [f"mousemove {x + (x1 - x) * i // 5} {y + (y1 - y) * i // 5}", "sleep 0.01"]
            lines.append("mouseup 1")
        elif kind == "wheel":
            x, y = at(event[1])
            lines.append(f"mousemove {x} {y}")
            if event[4]:
                lines.append("keydown ctrl")
            lines += press(event[2]) * event[3]
            if event[4]:
                lines.append("keyup ctrl")
        else:
            lines.append(f"key --delay 0 {event[1]}")
        lines.append("sleep 0.02")
    return "\n".join(lines) + "\n"


def app_reports(text):
    """Sanitizer reports and crash notes in the app's output that concern the app's own code."""
    found = []
    lines = text.splitlines()
    for i, line in enumerate(lines):
        if "runtime error:" in line and SOURCE in line:
            found.append(line)
        elif "ERROR: AddressSanitizer" in line or "ERROR: LeakSanitizer" in line:
            found.append("\n".join(lines[i:i + 12]))
        elif "pure virtual method called" in line or "terminate called" in line or "Fatal error" in line:
            found.append(line)
    return found


def record_stacks(process, output_path, why):
    """Where a stuck app is, for the log: every thread's stack (when a debugger is at hand)."""
    if not shutil.which("gdb"):
        return
    stacks = subprocess.run(["gdb", "-p", str(process.pid), "-batch", "-ex", "thread apply all bt"],
                            capture_output=True, text=True).stdout
    with open(output_path, "a") as output:
        output.write(f"\n--- {why}: the threads' stacks ---\n" + stacks)


def run_screen(app, screen, env_extra, events, work, index, log):
    data = os.path.join(work, f"data-{index}")
    env = dict(os.environ)
    env.update(env_extra)
    env["PATH"] = os.path.join(work, "bin") + os.pathsep + env.get("PATH", "")
    env["ASAN_OPTIONS"] = "detect_leaks=0"
    env["UBSAN_OPTIONS"] = "print_stacktrace=1"
    args = [app, "--device", "phone", "--data-dir", data] + (["--screen", screen] if screen else [])
    output_path = os.path.join(work, f"app-{index}.log")
    with open(output_path, "w") as output:
        process = subprocess.Popen(args, env=env, stdout=output, stderr=subprocess.STDOUT)
    problems = []
    window = find_window(process)
    if window is None and process.poll() is None:
        problems.append("no window appeared")
        record_stacks(process, output_path, "no window after the wait")
    elif window is None:
        problems.append("the app ended before its window appeared")
    else:
        for start in range(0, len(events), 50):
            if process.poll() is not None:
                break
            batch = events[start:start + 50]
            for n, event in enumerate(batch, start):
                log.write(f"{screen or 'main menu'} #{n}: {event}\n")
            log.flush()
            try:
                subprocess.run(["xdotool", "-"], input=script_for(batch, window), text=True, capture_output=True,
                               timeout=60)
            except (RuntimeError, ValueError, KeyError):
                pass  # the window went away under the geometry query: the poll above tells why
            except subprocess.TimeoutExpired:
                problems.append("xdotool hung")
                break
    if process.poll() is None:
        time.sleep(0.5)
        process.send_signal(signal.SIGTERM)  # what closing the window does: SDL turns it into a quit
        try:
            process.wait(CLOSE_TIMEOUT)
        except subprocess.TimeoutExpired:
            record_stacks(process, output_path, f"still running {CLOSE_TIMEOUT} s after SIGTERM")
            process.kill()
            process.wait()
            problems.append(f"the window did not close within {CLOSE_TIMEOUT} s (it stopped answering)")
    elif window is not None:
        problems.append("the app ended during the run")
    if process.returncode not in (0, None, -signal.SIGKILL):
        problems.append(f"exit status {process.returncode}")
    with open(output_path, errors="replace") as output:
        problems += app_reports(output.read())
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("app")
    parser.add_argument("--seed", type=int, default=None)
    parser.add_argument("--events", type=int, default=2000, help="events over all start screens")
    parser.add_argument("--keep", action="store_true", help="keep the work folder even when the run passes")
    options = parser.parse_args()
    seed = options.seed if options.seed is not None else random.SystemRandom().randrange(1, 1 << 31)
    work = tempfile.mkdtemp(prefix="tinctura-monkey-")
    os.makedirs(os.path.join(work, "bin"))
    # Links and file choosers would start other programs: here they fail at once, as when absent.
    for tool in ("xdg-open", "zenity"):
        stub = os.path.join(work, "bin", tool)
        with open(stub, "w") as f:
            f.write("#!/bin/sh\nexit 1\n")
        os.chmod(stub, 0o755)

    per_screen = max(1, options.events // len(START_SCREENS))
    print(f"monkey: seed {seed}, {per_screen * len(START_SCREENS)} events, log in {work}", flush=True)
    started = time.time()
    failures = []
    with open(os.path.join(work, "events.log"), "w") as log:
        for index, (screen, env) in enumerate(START_SCREENS):
            rng = random.Random(f"{seed}/{index}")
            problems = run_screen(options.app, screen, env, make_events(rng, per_screen), work, index, log)
            for problem in problems:
                failures.append(f"{screen or 'main menu'}: {problem}")
    print(f"monkey: {per_screen * len(START_SCREENS)} events in {time.time() - started:.0f} s", flush=True)
    if failures:
        print("monkey: FAILED\n  " + "\n  ".join(failures))
        print(f"monkey: replay with: tests/monkey.py {options.app} --seed {seed} --events {options.events}")
        print(f"monkey: events and app output kept in {work}")
        return 1
    if not options.keep:
        shutil.rmtree(work, ignore_errors=True)
    print("monkey: passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
