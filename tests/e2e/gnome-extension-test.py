#!/usr/bin/python3
"""The GNOME Shell extension on a real headless shell: keys only through the remote-desktop
server of scripts/gnome-session, answers read over the session bus as the program reads them.
Prints 'N passed, N failed'; exit status 1 on any failure."""
import os
import subprocess
import sys
import time

import gi
gi.require_version('Gdk', '3.0')
gi.require_version('Gtk', '3.0')
from gi.repository import Gdk, Gio, GLib, Gtk  # noqa: E402

EXT = ('org.holdsheet.ShellExtension', '/org/holdsheet/ShellExtension',
       'org.holdsheet.ShellExtension')
INPUT = os.environ['HOLDSHEET_GNOME_INPUT_TOOL']
T0 = time.monotonic()


def log(*parts):
    print(f'[{time.monotonic() - T0:6.2f}]', *parts, flush=True)


def pump(seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.01)


def wait_for(predicate, timeout):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if predicate():
            return True
        pump(0.02)
    return predicate()


def call(bus, method, signature=None, *args, reply=None, target=EXT):
    value = bus.call_sync(target[0], target[1], target[2], method,
                          GLib.Variant(signature, args) if signature else None,
                          GLib.VariantType(reply) if reply else None,
                          Gio.DBusCallFlags.NONE, 10000, None)
    return value.unpack() if value is not None else None


def error_of(bus, method, signature=None, *args):
    try:
        call(bus, method, signature, *args)
        return ''
    except GLib.Error as error:
        return Gio.DBusError.get_remote_error(error) or error.message


def keys(*words):
    subprocess.run([INPUT, *map(str, words)], check=True, timeout=60)


def overview_active():
    return call(program, 'Get', '(ss)', 'org.gnome.Shell', 'OverviewActive',
                target=('org.gnome.Shell', '/org/gnome/Shell',
                        'org.freedesktop.DBus.Properties'))[0]


def leave_overview():
    # A first Escape may only clear the overview's search.
    for _ in range(3):
        if not overview_active():
            return True
        keys('tap', 'Escape')
        wait_for(lambda: not overview_active(), 3)
    return not overview_active()


class Listener:
    """What one connection receives of the extension's signals."""

    def __init__(self, bus):
        self.signals = []
        bus.signal_subscribe(EXT[0], EXT[2], None, EXT[1], None, Gio.DBusSignalFlags.NONE,
                             self._on_signal)

    def _on_signal(self, _bus, _sender, _path, _interface, name, parameters):
        self.signals.append((name, parameters.unpack()))

    def holds(self):
        return [s[1][0] for s in self.signals if s[0] == 'HoldKey']

    def hold_times(self):
        return [s[1][1] for s in self.signals if s[0] == 'HoldKey']

    def focus_pids(self):
        return [s[1][0] for s in self.signals if s[0] == 'FocusChanged']

    def clear(self):
        self.signals.clear()


results = []


def check(label, ok, detail=''):
    results.append(bool(ok))
    log(('PASS ' if ok else 'FAIL ') + label + (f' ({detail})' if detail and not ok else ''))


# The program's connection owns the program's name; the stranger is any other client.
program = Gio.bus_get_sync(Gio.BusType.SESSION, None)
stranger = Gio.DBusConnection.new_for_address_sync(
    os.environ['DBUS_SESSION_BUS_ADDRESS'],
    Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
    Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
ours, theirs = Listener(program), Listener(stranger)

check('the extension is version 1',
      call(program, 'Get', '(ss)', EXT[2], 'Version',
           target=(EXT[0], EXT[1], 'org.freedesktop.DBus.Properties'))[0] == 1)

# Nobody owns the program's name yet: even its future connection is a stranger.
for connection, who in ((program, 'before owning the name'), (stranger, 'a stranger')):
    for method, signature, args in (('SetHoldKey', '(s)', ('super',)),
                                    ('SetSuppressOverviewAfter', '(i)', (0,)),
                                    ('PlacePanel', '(sii)', ('x', 0, 0)),
                                    ('PostKeys', '(au)', ([0x61],))):
        denied = error_of(connection, method, signature, *args)
        check(f'{method} by {who} is denied', denied == 'org.freedesktop.DBus.Error.AccessDenied',
              denied)
check('GetFocus answers anyone', len(call(stranger, 'GetFocus')) == 4)

(owned,) = call(program, 'RequestName', '(su)', 'org.holdsheet.Holdsheet', 4,
                target=('org.freedesktop.DBus', '/org/freedesktop/DBus', 'org.freedesktop.DBus'))
check('the program owns its name', owned == 1)
for method, signature, args in (('SetHoldKey', '(s)', ('super',)),
                                ('PlacePanel', '(sii)', ('x', 0, 0)),
                                ('PostKeys', '(au)', ([0x61],))):
    denied = error_of(stranger, method, signature, *args)
    check(f'{method} by a stranger is still denied',
          denied == 'org.freedesktop.DBus.Error.AccessDenied', denied)
invalid = error_of(program, 'SetHoldKey', '(s)', 'shift')
check('an unknown hold key is refused', invalid == 'org.freedesktop.DBus.Error.InvalidArgs',
      invalid)

# mousepad in front, on Wayland.
env = dict(os.environ, GDK_BACKEND='wayland')
app = subprocess.Popen(['mousepad', '--disable-server'], env=env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
check('GetFocus names mousepad', wait_for(lambda: call(program, 'GetFocus')[0] == app.pid, 30),
      call(program, 'GetFocus'))
focus = call(program, 'GetFocus')
check('GetFocus gives its application id, class and title',
      'mousepad' in focus[1].lower() + focus[2].lower() and focus[3] != '', focus)
check('FocusChanged reaches any client', wait_for(lambda: app.pid in theirs.focus_pids(), 10))

# Not watching until asked: a lone Super says nothing.
ours.clear()
keys('tap', 'Super_L')
wait_for(overview_active, 10)
check('no hold key set: nothing about keys', ours.holds() == [], ours.holds())
check('no hold key set: a Super tap opens the overview', overview_active())
leave_overview()

call(program, 'SetHoldKey', '(s)', 'super')
call(program, 'SetSuppressOverviewAfter', '(i)', 1000)

# A long lone hold: the press at once, the release only at the release.
ours.clear(); theirs.clear()
t_press = time.monotonic()
keys('press', 'Super_L')
check('Super down: press', wait_for(lambda: ours.holds() == ['press'], 10), ours.holds())
pump(max(0.0, 2.5 - (time.monotonic() - t_press)))
check('still held after 2.5 s: no release yet', ours.holds() == ['press'], ours.holds())
keys('release', 'Super_L')
check('Super up: release', wait_for(lambda: ours.holds() == ['press', 'release'], 10),
      ours.holds())
times = ours.hold_times()
check('event times span the hold', len(times) == 2 and 2400 <= times[1] - times[0] <= 4000, times)
check('the overview stays shut after a 2.5 s hold', not wait_for(overview_active, 1.5))
check('HoldKey goes to the program only', theirs.holds() == [], theirs.holds())

# Super+j and Super+click: another key or button while held, and no overview.
for label, between in (('Super+j', ('tap', 'j')), ('Super+click', ('click', 640, 400))):
    leave_overview()
    ours.clear()
    keys('press', 'Super_L')
    keys(*between)
    keys('release', 'Super_L')
    check(f'{label}: press, other, release',
          wait_for(lambda: ours.holds() == ['press', 'other', 'release'], 10), ours.holds())
# The shell's own choice after Super+click is left alone; after Super+j it opens nothing.
leave_overview()
ours.clear()
keys('press', 'Super_L')
pump(1.2)
keys('tap', 'j')
keys('release', 'Super_L')
wait_for(lambda: ours.holds() == ['press', 'other', 'release'], 10)
check('a 1.2 s Super+j: no overview', not wait_for(overview_active, 1.5))

# Keys while the hold key is up are never reported; the tap after them shows what came.
leave_overview()
ours.clear()
keys('type', 'hello')
keys('tap', 'Control_L')
keys('click', 640, 400)
keys('hold', 'Super_L', 200)
check('nothing while the hold key is up, then press and release of a tap',
      wait_for(lambda: len(ours.holds()) >= 2, 10) and ours.holds() == ['press', 'release'],
      ours.holds())
check('a short tap still opens the overview', wait_for(overview_active, 10), ours.hold_times())
check('leaving it with Escape', leave_overview())

# Control as the hold key: either side; Super is then nobody's business.
call(program, 'SetHoldKey', '(s)', 'control')
ours.clear()
keys('hold', 'Control_R', 300)
keys('tap', 'Super_L')
wait_for(overview_active, 10)
keys('chord', 'Control_L', 'n')
check('control: a hold of Control_R, no Super, then Control+n',
      wait_for(lambda: len(ours.holds()) >= 5, 10) and
      ours.holds() == ['press', 'release', 'press', 'other', 'release'], ours.holds())
check('the overview closes', leave_overview())

# Stopped: nothing, as the next hold key's first tap shows.
call(program, 'SetHoldKey', '(s)', '')
ours.clear()
keys('hold', 'Control_L', 200)
call(program, 'SetHoldKey', '(s)', 'control')
keys('hold', 'Control_L', 200)
check('stopped with an empty key: nothing until watching again',
      wait_for(lambda: len(ours.holds()) >= 2, 10) and ours.holds() == ['press', 'release'],
      ours.holds())

# Placing a window of the caller's own process, and only that.
window = Gtk.Window(title='Holdsheet test panel')
window.set_default_size(300, 200)
typed = []
window.connect('key-press-event',
               lambda _w, event: typed.append((event.keyval, bool(
                   event.state & Gdk.ModifierType.CONTROL_MASK))))
window.show_all()
check('our window is mapped', wait_for(window.get_mapped, 20))
check("another process's window is not placed",
      call(program, 'PlacePanel', '(sii)', focus[3], 10, 10) == (False,))
check('a title nobody has is not placed',
      call(program, 'PlacePanel', '(sii)', 'no such window', 10, 10) == (False,))
# Mapped on the client's side may come before the shell knows the window.
check('our window is placed', wait_for(
    lambda: call(program, 'PlacePanel', '(sii)', window.get_title(), 900, 500) == (True,), 10))
check('and focused', wait_for(lambda: call(program, 'GetFocus')[0] == os.getpid(), 10),
      call(program, 'GetFocus'))
# Keys of a row of the panel: modifiers first, into the focused window.
call(program, 'PostKeys', '(au)', [0xffe3, 0x61])  # Control_L, a
check('posted keys reach the focused window with their modifiers',
      wait_for(lambda: (0x61, True) in typed, 10), typed)

# When the program's connection goes, so does the hold key.
call(program, 'ReleaseName', '(s)', 'org.holdsheet.Holdsheet',
     target=('org.freedesktop.DBus', '/org/freedesktop/DBus', 'org.freedesktop.DBus'))
denied = error_of(program, 'SetHoldKey', '(s)', 'super')
check('after giving up the name, the program is a stranger too',
      denied == 'org.freedesktop.DBus.Error.AccessDenied', denied)

app.terminate()
app.wait(10)
window.destroy()
passed = sum(results)
failed = len(results) - passed
print(f'{passed} passed, {failed} failed')
sys.exit(1 if failed else 0)
