#!/usr/bin/python3
"""Starts the program, waits until it answers on the bus, then leaves it alone with the panel
closed and prints its wakeups per second (voluntary and involuntary context switches, summed
over all its threads) and its CPU use over that time.
Usage (inside scripts/test-session): idle.py HOLDSHEET_BINARY [SECONDS]"""
import os
import signal
import subprocess
import sys
import time

from gi.repository import Gio, GLib

binary = sys.argv[1]
seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 60
bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
ticks = os.sysconf("SC_CLK_TCK")


def answers():
    try:
        bus.call_sync("org.holdsheet.Holdsheet", "/org/holdsheet/Holdsheet",
                      "org.holdsheet.Holdsheet", "Status", None, None,
                      Gio.DBusCallFlags.NO_AUTO_START, 10000, None)
        return True
    except GLib.Error:
        return False


def sample(pid):
    """Context switches of each thread by its id, and CPU ticks of the whole process."""
    switches = {}
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/status") as status:
                switches[task] = sum(int(line.split()[1]) for line in status if line.startswith(
                    ("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")))
        except FileNotFoundError:  # a thread that ended between the listing and the read
            pass
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return switches, int(fields[11]) + int(fields[12])


program = subprocess.Popen([binary], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
try:
    deadline = time.monotonic() + 60
    while not answers():
        if time.monotonic() > deadline or program.poll() is not None:
            sys.exit("idle: the program never answered on the bus")
        time.sleep(0.1)
    # Start-up work (the first harvest, fonts, the tray) settles before the count starts.
    time.sleep(5)
    switches, cpu = sample(program.pid)
    start = time.monotonic()
    time.sleep(seconds)
    switches_after, cpu_after = sample(program.pid)
    elapsed = time.monotonic() - start
    # A thread that ended meanwhile took its count with it: only the living are summed.
    woke = sum(count - switches.get(task, 0) for task, count in switches_after.items())
    ended = len(switches.keys() - switches_after.keys())
    print(f"idle {elapsed:.0f} s, {len(switches_after)} threads ({ended} ended): "
          f"{woke / elapsed:.2f} wakeups/s, "
          f"{100 * (cpu_after - cpu) / ticks / elapsed:.2f} % CPU", flush=True)
finally:
    if program.poll() is None:
        program.send_signal(signal.SIGTERM)
        try:
            program.wait(timeout=30)
        except subprocess.TimeoutExpired:
            program.kill()
