#!/usr/bin/python3
"""How long the GNOME Shell extension takes to tell the program that the hold key went down
and up: from the key sent through mutter's remote desktop to the HoldKey signal received.
Usage (inside scripts/gnome-session): gnome_hold_signal.py [ROUNDS]"""
import statistics
import sys
import time

from gi.repository import Gio, GLib

rounds = int(sys.argv[1]) if len(sys.argv) > 1 else 50
bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
SUPER_L = 0xffeb


def call(dest, path, interface, method, args=None, reply=None):
    value = bus.call_sync(dest, path, interface, method, args,
                          GLib.VariantType(reply) if reply else None,
                          Gio.DBusCallFlags.NONE, 10000, None)
    return value.unpack() if value is not None else None


received = []
bus.signal_subscribe('org.holdsheet.ShellExtension', 'org.holdsheet.ShellExtension', 'HoldKey',
                     '/org/holdsheet/ShellExtension', None, Gio.DBusSignalFlags.NONE,
                     lambda *a: received.append((a[5].unpack()[0], time.monotonic())))
call('org.freedesktop.DBus', '/org/freedesktop/DBus', 'org.freedesktop.DBus', 'RequestName',
     GLib.Variant('(su)', ('org.holdsheet.Holdsheet', 4)))
ext = ('org.holdsheet.ShellExtension', '/org/holdsheet/ShellExtension',
       'org.holdsheet.ShellExtension')
call(*ext, 'SetHoldKey', GLib.Variant('(s)', ('super',)))
call(*ext, 'SetSuppressOverviewAfter', GLib.Variant('(i)', (0,)))  # no overview between rounds

rd = 'org.gnome.Mutter.RemoteDesktop'
(session,) = call(rd, '/org/gnome/Mutter/RemoteDesktop', rd, 'CreateSession', None, '(o)')
call(rd, session, rd + '.Session', 'Start')


def latency(down):
    received.clear()
    sent = time.monotonic()
    call(rd, session, rd + '.Session', 'NotifyKeyboardKeysym',
         GLib.Variant('(ub)', (SUPER_L, down)))
    deadline = sent + 10
    while not received and time.monotonic() < deadline:
        GLib.MainContext.default().iteration(True)
    if not received:
        sys.exit('gnome_hold_signal: no HoldKey signal')
    return (received[0][1] - sent) * 1000


presses, releases = [], []
for _ in range(rounds):
    presses.append(latency(True))
    releases.append(latency(False))
call(rd, session, rd + '.Session', 'Stop')
for name, values in (('press', presses), ('release', releases)):
    print(f'{name}: median {statistics.median(values):.2f} ms, max {max(values):.2f} ms '
          f'over {rounds} rounds')
