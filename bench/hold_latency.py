#!/usr/bin/python3
"""How long after the hold delay ends the panel is on the screen, in the session it runs in:
mousepad in front, the hold key held by the session's own tools (xdotool on X11, wtype on
sway, mutter's remote desktop on GNOME), the panel's window watched where the desktop shows it
(the X server's window list on X11, the compositor's window events on sway, the window the
shell focuses on GNOME, as the program's extension tells it).
Usage (inside scripts/test-session, scripts/sway-session or scripts/gnome-session):
    hold_latency.py HOLDSHEET [ROUNDS]"""
import json
import os
import statistics
import subprocess
import sys
import threading
import time

from gi.repository import Gio, GLib

binary = sys.argv[1]
rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 5
sway = bool(os.environ.get("SWAYSOCK"))
gnome = not sway and bool(os.environ.get("HOLDSHEET_GNOME_INPUT_TOOL"))
input_tool = os.environ.get("HOLDSHEET_GNOME_INPUT_TOOL")
delay = 2.0  # the default hold level
bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)


def status():
    try:
        reply = bus.call_sync("org.holdsheet.Holdsheet", "/org/holdsheet/Holdsheet",
                              "org.holdsheet.Holdsheet", "Status", None, None,
                              Gio.DBusCallFlags.NO_AUTO_START, 10000, None)
        return reply.unpack()[0]
    except GLib.Error:
        return None


def wait(condition, limit=30):
    deadline = time.monotonic() + limit
    while time.monotonic() < deadline:
        if condition():
            return True
        time.sleep(0.005)
    sys.exit("hold_latency: gave up waiting")


mapped = []  # monotonic times the panel's window appeared


def watch_sway():
    events = subprocess.Popen(["swaymsg", "-t", "subscribe", "-m", '["window"]'],
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    decoder, text = json.JSONDecoder(), ""
    for line in events.stdout:
        text += line
        try:
            event, end = decoder.raw_decode(text.strip())
        except ValueError:
            continue
        text = ""
        container = event.get("container", {})
        if event.get("change") == "new" and container.get("name") in (None, "Holdsheet panel") \
                and container.get("app_id") == "org.holdsheet.Holdsheet":
            mapped.append(time.monotonic())


def gnome_panel_focused():
    reply = bus.call_sync("org.holdsheet.ShellExtension", "/org/holdsheet/ShellExtension",
                          "org.holdsheet.ShellExtension", "GetFocus", None, None,
                          Gio.DBusCallFlags.NO_AUTO_START, 10000, None)
    pid, _, _, title = reply.unpack()
    return pid == program.pid and title == "Holdsheet panel"


def x11_panel_shown():
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Holdsheet panel"],
                          capture_output=True).returncode == 0


editor = subprocess.Popen(["mousepad"], stderr=subprocess.DEVNULL)
program = subprocess.Popen([binary], stderr=subprocess.DEVNULL)
wait(lambda: status() is not None)
time.sleep(1)  # the editor's window takes focus as it maps
if sway:
    threading.Thread(target=watch_sway, daemon=True).start()
    time.sleep(0.3)
latencies = []
for _ in range(rounds):
    before = len(mapped)
    start = time.monotonic()
    if sway:
        key = subprocess.Popen(["wtype", "-P", "Super_L", "-M", "logo", "-s",
                                str(int(delay * 1000) + 1500), "-p", "Super_L", "-m", "logo"])
        wait(lambda: len(mapped) > before)
        shown = mapped[-1]
    elif gnome:
        subprocess.run([input_tool, "press", "Super_L"], check=True)
        start = time.monotonic()  # the tool answers once the key is sent
        wait(gnome_panel_focused)
        shown = time.monotonic()
    else:
        subprocess.run(["xdotool", "keydown", "super"])
        wait(x11_panel_shown)
        shown = time.monotonic()
    latencies.append((shown - start - delay) * 1000)
    if sway:
        key.wait()
    elif gnome:
        subprocess.run([input_tool, "release", "Super_L"], check=True)
    else:
        subprocess.run(["xdotool", "keyup", "super"])
    wait(lambda: status()["visible"])
    subprocess.run(["wtype", "-k", "Escape"] if sway else
                   [input_tool, "tap", "Escape"] if gnome else ["xdotool", "key", "Escape"])
    wait(lambda: not status()["visible"])
    time.sleep(0.5)
program.terminate()
editor.terminate()
program.wait()
print("%s: panel on screen %s ms after the hold delay (median %.0f ms, %d holds)"
      % ("sway" if sway else "GNOME" if gnome else "X11", " ".join("%.0f" % x for x in latencies),
         statistics.median(latencies), rounds))
