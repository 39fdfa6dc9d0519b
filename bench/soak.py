#!/usr/bin/python3
"""Show and hide the panel many times over mousepad, stopping and continuing mousepad every
BLOCK cycles; prints the program's resident memory and open descriptors per block.
Usage (inside scripts/test-session): soak.py HOLDSHEET_BINARY [CYCLES] [BLOCK]"""
import os
import signal
import subprocess
import sys
import time

from gi.repository import Gio, GLib

binary = sys.argv[1]
cycles = int(sys.argv[2]) if len(sys.argv) > 2 else 10000
block = int(sys.argv[3]) if len(sys.argv) > 3 else 500

bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)


def call(method):
    try:
        reply = bus.call_sync("org.holdsheet.Holdsheet", "/org/holdsheet/Holdsheet",
                              "org.holdsheet.Holdsheet", method, None, None,
                              Gio.DBusCallFlags.NO_AUTO_START, 10000, None)
        return reply.unpack()
    except GLib.Error:
        return None


def wait_for(condition, limit):
    deadline = time.monotonic() + limit
    while not condition():
        if time.monotonic() > deadline:
            return False
        time.sleep(0.05)
    return True


def active_pid():
    out = subprocess.run(["xdotool", "getactivewindow", "getwindowpid"],
                         capture_output=True, text=True).stdout.strip()
    return int(out) if out.isdigit() else -1


def usage(pid):
    rss = 0
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                rss = int(line.split()[1])
    return rss, len(os.listdir(f"/proc/{pid}/fd"))


editor = subprocess.Popen(["mousepad"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
program = subprocess.Popen([binary], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
try:
    if not wait_for(lambda: call("Status") is not None, 60) or \
            not wait_for(lambda: active_pid() == editor.pid, 30):
        sys.exit("soak: the program or the editor never came up")
    stopped = False
    start = time.monotonic()
    print("cycles  rss_kb  fds  target  seconds", flush=True)
    for cycle in range(cycles + 1):
        if cycle % block == 0:
            rss, fds = usage(program.pid)
            print(f"{cycle:6d}  {rss:6d}  {fds:3d}  {'stopped' if stopped else 'running':7s}"
                  f"  {time.monotonic() - start:7.1f}", flush=True)
            if cycle == cycles:
                break
            os.kill(editor.pid, signal.SIGCONT if stopped else signal.SIGSTOP)
            stopped = not stopped
        if call("Show") is None or call("Hide") is None:
            sys.exit(f"soak: no answer at cycle {cycle}")
    program.send_signal(signal.SIGTERM)
    print(f"exit status {program.wait(timeout=30)}")
finally:
    os.kill(editor.pid, signal.SIGCONT)
    for process in (program, editor):
        if process.poll() is None:
            process.kill()
