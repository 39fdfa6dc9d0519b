// The body shared by both entry forms: each form's head binds Clutter, Gio, GLib, GObject,
// Meta and Main, and its tail hands HoldsheetShell to the shell.

const BUS_NAME = 'org.holdsheet.ShellExtension';
const OBJECT_PATH = '/org/holdsheet/ShellExtension';
const INTERFACE = 'org.holdsheet.ShellExtension';
// Only the program itself may steer windows or receive key events.
const PROGRAM_NAME = 'org.holdsheet.Holdsheet';
const INTERFACE_XML = `<node>
  <interface name="${INTERFACE}">
    <method name="SetHoldKey"><arg type="s" direction="in" name="key"/></method>
    <method name="SetSuppressOverviewAfter"><arg type="i" direction="in" name="ms"/></method>
    <method name="PlacePanel">
      <arg type="s" direction="in" name="title"/>
      <arg type="i" direction="in" name="x"/>
      <arg type="i" direction="in" name="y"/>
      <arg type="b" direction="out" name="placed"/>
    </method>
    <method name="PostKeys"><arg type="au" direction="in" name="keysyms"/></method>
    <method name="GetFocus">
      <arg type="u" direction="out" name="pid"/>
      <arg type="s" direction="out" name="app_id"/>
      <arg type="s" direction="out" name="wm_class"/>
      <arg type="s" direction="out" name="title"/>
    </method>
    <signal name="HoldKey">
      <arg type="s" name="event"/>
      <arg type="u" name="time_ms"/>
    </signal>
    <signal name="FocusChanged">
      <arg type="u" name="pid"/>
      <arg type="s" name="app_id"/>
      <arg type="s" name="wm_class"/>
      <arg type="s" name="title"/>
    </signal>
    <property name="Version" type="u" access="read"/>
  </interface>
</node>`;

function holdKeySymbols(key) {
    switch (key) {
    case 'super':
        return [Clutter.KEY_Super_L, Clutter.KEY_Super_R];
    case 'control':
        return [Clutter.KEY_Control_L, Clutter.KEY_Control_R];
    case 'alt':
        return [Clutter.KEY_Alt_L, Clutter.KEY_Alt_R];
    case '':
        return [];
    default:
        return null;
    }
}

function windowInfo(window) {
    if (!window)
        return [0, '', '', ''];
    const appId = window.get_gtk_application_id() || window.get_sandboxed_app_id() || '';
    return [Math.max(window.get_pid(), 0), appId, window.get_wm_class() || '',
        window.get_title() || ''];
}

function accessDenied(invocation, method) {
    invocation.return_dbus_error('org.freedesktop.DBus.Error.AccessDenied',
        `${method} is only for ${PROGRAM_NAME}`);
}

// Watches the hold key and the focus, and places the program's panel.
var HoldsheetShell = class HoldsheetShell {
    constructor() {
        this._symbols = [];
        this._holdKey = '';
        this._client = null;
        this._clientWatch = 0;
        this._heldSymbol = 0;
        this._pressTime = 0;
        this._chord = false;
        this._suppressAfterMs = -1;
        this._panel = null;  // the program's panel, as it last placed it
        this._blocked = [];
        this._unblockId = 0;
        this._watchId = 0;
        this._keyboard = null;
    }

    enable() {
        this._bus = Gio.DBus.session;
        this._exported = Gio.DBusExportedObject.wrapJSObject(INTERFACE_XML, this);
        this._exported.export(this._bus, OBJECT_PATH);
        this._nameId = Gio.bus_own_name_on_connection(this._bus, BUS_NAME,
            Gio.BusNameOwnerFlags.REPLACE, null, null);

        // Mutter takes a lone Super (its overlay key) and hands keys to the focused client
        // before event filters or stage signals see them, but it tells its core idle monitor
        // of every input event first, with that event current. A user-active watch fires
        // once, so each callback arms the next.
        this._idleMonitor = global.backend.get_core_idle_monitor();
        this._armWatch();

        // A window is placed by mutter when it is first shown, which may come after the
        // program asked for its place: such a window gets its place again then.
        this._unshown = new Map();
        this._createdId = global.display.connect('window-created', (display, window) => {
            const entry = {place: null};
            entry.shownId = window.connect('shown', () => {
                this._forgetUnshown(window);
                if (entry.place)
                    entry.place();
            });
            entry.unmanagedId = window.connect('unmanaged', () => this._forgetUnshown(window));
            this._unshown.set(window, entry);
        });

        this._focusId = global.display.connect('notify::focus-window', () => {
            this._bus.emit_signal(null, OBJECT_PATH, INTERFACE, 'FocusChanged',
                new GLib.Variant('(usss)', windowInfo(global.display.focus_window)));
        });
    }

    disable() {
        if (this._watchId)
            this._idleMonitor.remove_watch(this._watchId);
        this._watchId = 0;
        this._idleMonitor = null;
        global.display.disconnect(this._focusId);
        global.display.disconnect(this._createdId);
        for (const window of [...this._unshown.keys()])
            this._forgetUnshown(window);
        this._unblockOverlayKey();
        this._keyboard = null;
        // The shell disables extensions while the screen is locked: the program asks again
        // when the name comes back.
        this._stopWatching();
        Gio.bus_unown_name(this._nameId);
        this._exported.unexport();
        this._exported = null;
        this._bus = null;
    }

    _armWatch() {
        this._watchId = this._idleMonitor.add_user_active_watch(() => {
            this._watchId = 0;
            try {
                const event = Clutter.get_current_event();
                if (event)
                    this._onEvent(event);
            } catch (e) {
                logError(e, 'holdsheet');
            }
            if (this._idleMonitor)
                this._armWatch();
        });
    }

    _onEvent(event) {
        const type = event.type();
        const time = event.get_time();
        if (type === Clutter.EventType.KEY_PRESS) {
            const symbol = event.get_key_symbol();
            if (!this._heldSymbol) {
                if (this._symbols.includes(symbol)) {
                    this._heldSymbol = symbol;
                    this._pressTime = time;
                    this._chord = false;
                    this._send('press', time);
                }
                // Anything else while the hold key is up is none of our business.
            } else if (symbol !== this._heldSymbol) {
                // Never which key: only that one went down.
                this._chord = true;
                this._send('other', time);
            }
        } else if (type === Clutter.EventType.BUTTON_PRESS && this._heldSymbol) {
            this._chord = true;
            this._send('other', time);
        } else if (type === Clutter.EventType.KEY_RELEASE && this._heldSymbol &&
                   event.get_key_symbol() === this._heldSymbol) {
            this._heldSymbol = 0;
            // A long hold opened the panel; a tap while the panel has the focus closes it.
            // Neither is meant for the overview.
            const long = this._suppressAfterMs >= 0 &&
                time - this._pressTime >= this._suppressAfterMs;
            const onPanel = this._panel !== null && global.display.focus_window === this._panel;
            if (this._holdKey === 'super' && !this._chord && (long || onPanel))
                this._blockOverlayKeyOnce();
            this._send('release', time);
        }
    }

    _send(event, time) {
        if (!this._client)
            return;
        this._bus.emit_signal(this._client, OBJECT_PATH, INTERFACE, 'HoldKey',
            new GLib.Variant('(su)', [event, time >>> 0]));
    }

    // Mutter emits MetaDisplay::overlay-key while handling this release, after the idle
    // monitor has run: the shell's handlers (the overview toggle) stay blocked until the
    // main loop is idle again.
    _blockOverlayKeyOnce() {
        const signalId = GObject.signal_lookup('overlay-key', Meta.Display);
        const mask = GObject.SignalMatchType.ID | GObject.SignalMatchType.UNBLOCKED;
        for (;;) {
            const id = GObject.signal_handler_find(global.display, mask, signalId, 0, null,
                null, null);
            if (!id)
                break;
            global.display.block_signal_handler(id);
            this._blocked.push(id);
        }
        if (!this._unblockId) {
            this._unblockId = GLib.idle_add(GLib.PRIORITY_DEFAULT, () => {
                this._unblockId = 0;
                this._unblockOverlayKey();
                return GLib.SOURCE_REMOVE;
            });
        }
    }

    _unblockOverlayKey() {
        if (this._unblockId)
            GLib.source_remove(this._unblockId);
        this._unblockId = 0;
        for (const id of this._blocked)
            global.display.unblock_signal_handler(id);
        this._blocked = [];
    }

    _forgetUnshown(window) {
        const entry = this._unshown.get(window);
        if (!entry)
            return;
        window.disconnect(entry.shownId);
        window.disconnect(entry.unmanagedId);
        this._unshown.delete(window);
    }

    _place(window, x, y) {
        if (window.minimized)
            window.unminimize();
        window.move_frame(true, x, y);
        window.make_above();
        window.stick();
        Main.activateWindow(window, global.get_current_time());
    }

    _setClient(sender) {
        if (this._client === sender)
            return;
        this._forgetClient();
        this._client = sender;
        // When the program goes, so does the watch on its keys.
        this._clientWatch = Gio.bus_watch_name_on_connection(this._bus, sender,
            Gio.BusNameWatcherFlags.NONE, null, () => {
                if (this._client === sender)
                    this._stopWatching();
            });
    }

    _forgetClient() {
        if (this._clientWatch)
            Gio.bus_unwatch_name(this._clientWatch);
        this._clientWatch = 0;
        this._client = null;
        this._panel = null;
    }

    _stopWatching() {
        this._forgetClient();
        this._holdKey = '';
        this._symbols = [];
        this._heldSymbol = 0;
        this._suppressAfterMs = -1;
    }

    _busCall(method, argument, replyType) {
        return new Promise((resolve, reject) => {
            this._bus.call('org.freedesktop.DBus', '/org/freedesktop/DBus',
                'org.freedesktop.DBus', method, new GLib.Variant('(s)', [argument]),
                new GLib.VariantType(replyType), Gio.DBusCallFlags.NONE, 5000, null,
                (bus, result) => {
                    try {
                        resolve(bus.call_finish(result).deepUnpack()[0]);
                    } catch (e) {
                        reject(e);
                    }
                });
        });
    }

    // Runs `action` for the program's own connection, answers AccessDenied to any other.
    _fromProgram(invocation, method, action) {
        const sender = invocation.get_sender();
        this._busCall('GetNameOwner', PROGRAM_NAME, '(s)').catch(() => '').then(owner => {
            if (!this._exported) {
                invocation.return_dbus_error('org.freedesktop.DBus.Error.Failed',
                    'the extension was disabled');
                return;
            }
            if (!sender || owner !== sender) {
                accessDenied(invocation, method);
                return;
            }
            action(sender).catch(e => {
                invocation.return_dbus_error('org.freedesktop.DBus.Error.Failed', e.message);
            });
        });
    }

    // ---- D-Bus ----
    get Version() {
        return 1;
    }

    GetFocus() {
        return windowInfo(global.display.focus_window);
    }

    SetHoldKeyAsync([key], invocation) {
        const symbols = holdKeySymbols(key);
        if (!symbols) {
            invocation.return_dbus_error('org.freedesktop.DBus.Error.InvalidArgs',
                `unknown hold key '${key}'`);
            return;
        }
        this._fromProgram(invocation, 'SetHoldKey', async sender => {
            if (key === '') {
                this._stopWatching();
            } else {
                this._setClient(sender);
                this._holdKey = key;
                this._symbols = symbols;
                this._heldSymbol = 0;
            }
            invocation.return_value(null);
        });
    }

    SetSuppressOverviewAfterAsync([ms], invocation) {
        this._fromProgram(invocation, 'SetSuppressOverviewAfter', async () => {
            this._suppressAfterMs = ms < 0 ? -1 : ms;
            invocation.return_value(null);
        });
    }

    // Keys for a row of the program's panel, into the focused window: a virtual keyboard of
    // the shell's own needs no remote desktop session and no consent dialog.
    PostKeysAsync([keysyms], invocation) {
        this._fromProgram(invocation, 'PostKeys', async () => {
            if (!this._keyboard) {
                this._keyboard = Clutter.get_default_backend().get_default_seat()
                    .create_virtual_device(Clutter.InputDeviceType.KEYBOARD_DEVICE);
            }
            let time = GLib.get_monotonic_time();
            for (const keysym of keysyms)
                this._keyboard.notify_keyval(time++, keysym, Clutter.KeyState.PRESSED);
            for (const keysym of [...keysyms].reverse())
                this._keyboard.notify_keyval(time++, keysym, Clutter.KeyState.RELEASED);
            invocation.return_value(null);
        });
    }

    PlacePanelAsync([title, x, y], invocation) {
        this._fromProgram(invocation, 'PlacePanel', async sender => {
            const pid = await this._busCall('GetConnectionUnixProcessID', sender, '(u)');
            const window = global.display.list_all_windows().find(w =>
                w.get_pid() === pid && w.get_title() === title);
            if (window) {
                this._panel = window;
                this._place(window, x, y);
                const unshown = this._unshown.get(window);
                if (unshown)
                    unshown.place = () => this._place(window, x, y);
            }
            invocation.return_value(new GLib.Variant('(b)', [Boolean(window)]));
        });
    }
};
