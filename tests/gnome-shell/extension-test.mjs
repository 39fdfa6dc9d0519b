// The built GNOME Shell extension against a shell made of fakes: what it tells about keys, to
// whom, when it keeps the overview shut, and who may steer it. Both forms are syntax-checked.
// Usage: node extension-test.mjs BUILT_EXTENSIONS_DIR
import assert from 'node:assert/strict';
import {spawnSync} from 'node:child_process';
import {copyFileSync, mkdtempSync, readFileSync, rmSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {register} from 'node:module';
import {join} from 'node:path';
import {test} from 'node:test';
import {pathToFileURL} from 'node:url';

const extensions = process.argv[2];
const legacyFile = join(extensions, 'holdsheet-legacy@holdsheet.org', 'extension.js');
const esmFile = join(extensions, 'holdsheet@holdsheet.org', 'extension.js');

const KEY = {Super_L: 0xffeb, Super_R: 0xffec, Control_L: 0xffe3, Control_R: 0xffe4,
    Alt_L: 0xffe9, Alt_R: 0xffea, j: 0x6a};
const PROGRAM = ':1.7';
const OVERLAY_HANDLERS = [11, 12];

class Variant {
    constructor(signature, value) {
        this.signature = signature;
        this.value = value;
    }

    deepUnpack() {
        return this.value;
    }
}

// The ES-modules form imports the shell's modules: each resolves to a stand-in that reads
// the fakes of the test running at the time.
const stubs = `
export async function resolve(specifier, context, next) {
    if (specifier.startsWith('gi://') || specifier.startsWith('resource:///'))
        return {url: 'stub:' + specifier, shortCircuit: true};
    return next(specifier, context);
}
export async function load(url, context, next) {
    if (!url.startsWith('stub:'))
        return next(url, context);
    const name = url.slice('stub:'.length);
    let source;
    if (name.startsWith('gi://'))
        source = 'export default new Proxy({}, {get: (_, key) => ' +
            'globalThis.fakes.gi.' + name.slice(5) + '[key]});';
    else if (name.endsWith('/ui/main.js'))
        source = 'export const activateWindow = (...a) => ' +
            'globalThis.fakes.Main.activateWindow(...a);';
    else
        source = 'export class Extension { constructor(metadata) { this.metadata = metadata; } }';
    return {format: 'module', source, shortCircuit: true};
}`;
register(`data:text/javascript,${encodeURIComponent(stubs)}`);
let loads = 0;

// A shell, a bus and a display, as far as the extension touches them, with the extension in
// the given form enabled on it.
async function makeShell(form) {
    const world = {signals: [], blocked: [], idle: [], watch: null, nameOwner: PROGRAM,
        pids: {[PROGRAM]: 4242, ':1.9': 777}, windows: [], nameWatches: [], handlers: {}};
    const Clutter = {EventType: {KEY_PRESS: 1, KEY_RELEASE: 2, BUTTON_PRESS: 3, MOTION: 4},
        get_current_event: () => world.current};
    for (const [name, value] of Object.entries(KEY))
        Clutter[`KEY_${name}`] = value;
    const GLib = {Variant, VariantType: class {}, PRIORITY_DEFAULT: 0, SOURCE_REMOVE: false,
        idle_add: (_priority, callback) => world.idle.push(callback),
        source_remove: () => {}};
    const bus = {
        emit_signal: (destination, _path, _iface, name, variant) =>
            world.signals.push({destination, name, args: variant.value}),
        call: (_dest, _path, _iface, method, args, _type, _flags, _timeout, _cancel, done) => {
            const [argument] = args.value;
            const result = method === 'GetNameOwner'
                ? (world.nameOwner ? {value: [world.nameOwner]} : {error: new Error('no owner')})
                : {value: [world.pids[argument]]};
            setImmediate(() => done(bus, result));
        },
        call_finish: result => {
            if (result.error)
                throw result.error;
            return new Variant('', result.value);
        },
    };
    const Gio = {DBus: {session: bus}, BusNameOwnerFlags: {REPLACE: 1},
        BusNameWatcherFlags: {NONE: 0}, DBusCallFlags: {NONE: 0},
        DBusExportedObject: {wrapJSObject: () => ({export() {}, unexport() {}})},
        bus_own_name_on_connection: () => 1, bus_unown_name() {},
        bus_watch_name_on_connection: (_bus, name, _flags, _appeared, vanished) =>
            world.nameWatches.push({name, vanished, live: true}),
        bus_unwatch_name: id => {
            world.nameWatches[id - 1].live = false;
        }};
    const GObject = {SignalMatchType: {ID: 1, UNBLOCKED: 2}, signal_lookup: () => 99,
        signal_handler_find: () => OVERLAY_HANDLERS.find(h => !world.blocked.includes(h)) ?? 0};
    const display = {
        focus_window: null,
        connect: (name, callback) => {
            world.handlers[name] = callback;
            return 1;
        },
        disconnect() {},
        list_all_windows: () => world.windows,
        block_signal_handler: id => world.blocked.push(id),
        unblock_signal_handler: id => {
            world.blocked = world.blocked.filter(other => other !== id);
        },
    };
    const monitor = {
        add_user_active_watch: callback => {
            world.watch = callback;
            return 1;
        },
        remove_watch: () => {
            world.watch = null;
        },
    };
    world.display = display;
    const global = {backend: {get_core_idle_monitor: () => monitor}, display,
        get_current_time: () => 5};
    const Main = {activateWindow: window => window.calls.push('activate')};
    const imports = {gi: {Clutter, Gio, GLib, GObject, Meta: {Display: {}}}, ui: {main: Main}};
    const logError = e => {
        throw e;
    };
    if (form === 'legacy') {
        const init = new Function('imports', 'global', 'logError',
            `${readFileSync(legacyFile, 'utf8')}\nreturn init;`)(imports, global, logError);
        const shell = init();
        shell.enable();
        // GNOME 43 keeps the one instance across disable and enable (the lock screen).
        const restart = () => {
            shell.disable();
            shell.enable();
            return shell;
        };
        return {shell, world, restart};
    }
    globalThis.fakes = {gi: imports.gi, Main};
    // The shell's `global` is node's own here: lend it the shell's parts.
    Object.assign(globalThis, global, {logError});
    const {default: Extension} = await import(`${pathToFileURL(esmFile)}?${++loads}`);
    const extension = new Extension({uuid: 'holdsheet@holdsheet.org'});
    extension.enable();
    const restart = () => {
        extension.disable();
        extension.enable();
        return extension._shell;
    };
    return {shell: extension._shell, world, restart};
}

// One input event, delivered as mutter's idle monitor delivers it.
function send(world, type, symbol, time) {
    world.current = {type: () => type, get_key_symbol: () => symbol, get_time: () => time};
    const watch = world.watch;
    world.watch = null;
    assert.ok(watch, 'the idle watch is armed');
    watch();
}

async function invoke(shell, method, args, sender = PROGRAM) {
    const invocation = {
        get_sender: () => sender,
        return_value(value) {
            this.reply = value ? value.value : [];
        },
        return_dbus_error(name) {
            this.error = name;
        },
    };
    shell[`${method}Async`](args, invocation);
    for (let i = 0; i < 5 && !invocation.reply && !invocation.error; i++)
        await new Promise(resolve => setImmediate(resolve));
    return invocation;
}

const holdKeys = world => world.signals.filter(s => s.name === 'HoldKey');
const [PRESS, RELEASE, BUTTON] = [1, 2, 3];

test('both forms pass the syntax check', () => {
    const folder = mkdtempSync(join(tmpdir(), 'holdsheet-extension-'));
    try {
        const module = join(folder, 'extension.mjs');
        copyFileSync(esmFile, module);
        for (const file of [legacyFile, module]) {
            const check = spawnSync(process.execPath, ['--check', file], {encoding: 'utf8'});
            assert.equal(check.status, 0, `${file}: ${check.stderr}`);
        }
    } finally {
        rmSync(folder, {recursive: true});
    }
    assert.match(readFileSync(esmFile, 'utf8'), /export default class \w+ extends Extension/);
    assert.doesNotMatch(readFileSync(legacyFile, 'utf8'), /^\s*(import|export)\s/m);
});

// [name, hold key, suppress after ms, events [type, key, time], HoldKey events, overview kept shut]
const cases = [
    ['not watching before SetHoldKey', null, 1000,
        [[PRESS, 'Super_L', 0], [RELEASE, 'Super_L', 2500]], [], false],
    ['a long lone Super hold', 'super', 1000,
        [[PRESS, 'Super_L', 100], [RELEASE, 'Super_L', 2600]],
        [['press', 100], ['release', 2600]], true],
    ['a tap shorter than the suppression', 'super', 1000,
        [[PRESS, 'Super_L', 0], [RELEASE, 'Super_L', 999]], [['press', 0], ['release', 999]],
        false],
    ['the right Super key', 'super', 0,
        [[PRESS, 'Super_R', 0], [RELEASE, 'Super_R', 10]], [['press', 0], ['release', 10]],
        true],
    ['Super+j held long: another key, no suppression', 'super', 1000,
        [[PRESS, 'Super_L', 0], [PRESS, 'j', 1500], [RELEASE, 'j', 1600],
            [RELEASE, 'Super_L', 3000]],
        [['press', 0], ['other', 1500], ['release', 3000]], false],
    ['a button while held', 'super', 1000,
        [[PRESS, 'Super_L', 0], [BUTTON, 0, 1200], [RELEASE, 'Super_L', 2000]],
        [['press', 0], ['other', 1200], ['release', 2000]], false],
    ['the hold key repeating is no other key', 'super', 1000,
        [[PRESS, 'Super_L', 0], [PRESS, 'Super_L', 500], [PRESS, 'Super_L', 530],
            [RELEASE, 'Super_L', 1200]],
        [['press', 0], ['release', 1200]], true],
    ['the other side while held is another key; its release ends nothing', 'super', 1000,
        [[PRESS, 'Super_L', 0], [PRESS, 'Super_R', 100], [RELEASE, 'Super_R', 200],
            [RELEASE, 'Super_L', 1500]],
        [['press', 0], ['other', 100], ['release', 1500]], false],
    ['keys and buttons while up say nothing', 'super', 1000,
        [[PRESS, 'j', 0], [RELEASE, 'j', 10], [PRESS, 'Control_L', 20], [BUTTON, 0, 30],
            [RELEASE, 'Control_L', 40], [RELEASE, 'Super_L', 50]], [], false],
    ['Control as hold key, Super meanwhile', 'control', 1000,
        [[PRESS, 'Control_R', 0], [PRESS, 'Super_L', 10], [RELEASE, 'Super_L', 20],
            [RELEASE, 'Control_R', 3000]],
        [['press', 0], ['other', 10], ['release', 3000]], false],
    ['a long lone Control hold leaves the overview alone', 'control', 0,
        [[PRESS, 'Control_L', 0], [RELEASE, 'Control_L', 3000]],
        [['press', 0], ['release', 3000]], false],
    ['Alt, either side', 'alt', 1000,
        [[PRESS, 'Alt_R', 0], [RELEASE, 'Alt_R', 100], [PRESS, 'Super_L', 200],
            [RELEASE, 'Super_L', 300]],
        [['press', 0], ['release', 100]], false],
    ['times past 32 bits wrap as the event clock does', 'super', 1000,
        [[PRESS, 'Super_L', 2 ** 32 + 5], [RELEASE, 'Super_L', 2 ** 32 + 2000]],
        [['press', 5], ['release', 2000]], true],
];

for (const form of ['legacy', 'esm']) {
    for (const [name, holdKey, suppressAfter, events, expected, keptShut] of cases) {
        test(`${form}: ${name}`, async () => {
            const {shell, world} = await makeShell(form);
            if (holdKey)
                assert.deepEqual((await invoke(shell, 'SetHoldKey', [holdKey])).reply, []);
            await invoke(shell, 'SetSuppressOverviewAfter', [suppressAfter]);
            let blockedAtRelease = false;
            for (const [type, key, time] of events) {
                send(world, type, KEY[key] ?? 0, time);
                blockedAtRelease ||= world.blocked.length === OVERLAY_HANDLERS.length;
            }
            const signals = holdKeys(world);
            assert.deepEqual(signals.map(s => s.args), expected);
            assert.ok(signals.every(s => s.destination === PROGRAM), 'sent to the program alone');
            assert.equal(blockedAtRelease, keptShut);
            // Blocked only until the main loop is idle again: the next tap opens the overview.
            world.idle.splice(0).forEach(callback => callback());
            assert.deepEqual(world.blocked, []);
        });
    }

    test(`${form}: only the owner of the program name steers the extension`, async () => {
        const {shell, world} = await makeShell(form);
        for (const [method, args] of [['SetHoldKey', ['super']], ['SetSuppressOverviewAfter', [0]],
            ['PlacePanel', ['Holdsheet panel', 0, 0]]]) {
            const stranger = await invoke(shell, method, args, ':1.9');
            assert.equal(stranger.error, 'org.freedesktop.DBus.Error.AccessDenied', method);
        }
        world.nameOwner = null;
        assert.equal((await invoke(shell, 'SetHoldKey', ['super'])).error,
            'org.freedesktop.DBus.Error.AccessDenied', 'nobody owns the name');
        assert.equal((await invoke(shell, 'SetHoldKey', ['shift'])).error,
            'org.freedesktop.DBus.Error.InvalidArgs');
        send(world, PRESS, KEY.Super_L, 0);
        assert.deepEqual(holdKeys(world), [], 'a refused SetHoldKey watches nothing');
    });

    test(`${form}: the program going away, an empty key or disabling stops the watch`, async () => {
        for (const stop of ['vanish', 'empty', 'disable']) {
            const made = await makeShell(form);
            const {world, restart} = made;
            let {shell} = made;
            await invoke(shell, 'SetHoldKey', ['super']);
            send(world, PRESS, KEY.Super_L, 0);
            if (stop === 'vanish')
                world.nameWatches.find(w => w.name === PROGRAM && w.live).vanished();
            else if (stop === 'empty')
                await invoke(shell, 'SetHoldKey', ['']);
            else {
                // The legacy form keeps one instance across the lock screen's disable and enable.
                shell = restart();
            }
            send(world, RELEASE, KEY.Super_L, 10);
            send(world, PRESS, KEY.Super_L, 20);
            assert.deepEqual(holdKeys(world).map(s => s.args), [['press', 0]], stop);
        }
    });

    function makeWindow(pid, title) {
        return {pid, title, calls: [], minimized: false, get_pid: () => pid, get_title: () => title,
            move_frame(userOp, x, y) {
                this.calls.push(`move ${x},${y}`);
            },
            make_above() {
                this.calls.push('above');
            },
            stick() {
                this.calls.push('stick');
            },
            unminimize() {}, connect: () => 1, disconnect() {}};
    }

    test(`${form}: PlacePanel places the caller's own window by title, nothing else`, async () => {
        const {shell, world} = await makeShell(form);
        const theirs = makeWindow(777, 'Holdsheet panel');
        const other = makeWindow(4242, 'Holdsheet settings');
        const panel = makeWindow(4242, 'Holdsheet panel');
        world.windows.push(theirs, other, panel);
        assert.deepEqual((await invoke(shell, 'PlacePanel', ['Holdsheet panel', 30, 40])).reply,
            [true]);
        assert.deepEqual(panel.calls, ['move 30,40', 'above', 'stick', 'activate']);
        assert.deepEqual([theirs.calls, other.calls], [[], []]);
        assert.deepEqual((await invoke(shell, 'PlacePanel', ['Holdsheet tour', 0, 0])).reply,
            [false]);
    });

    // The tap that closes the focused panel is the panel's; once it is gone, a tap is the shell's.
    test(`${form}: a Super tap on the focused panel keeps the overview shut`, async () => {
        const {shell, world} = await makeShell(form);
        const panel = makeWindow(4242, 'Holdsheet panel');
        world.windows.push(panel);
        await invoke(shell, 'SetHoldKey', ['super']);
        await invoke(shell, 'SetSuppressOverviewAfter', [2000]);
        await invoke(shell, 'PlacePanel', ['Holdsheet panel', 30, 40]);
        const tap = focused => {
            world.display.focus_window = focused;
            send(world, PRESS, KEY.Super_L, 0);
            send(world, RELEASE, KEY.Super_L, 50);
            const blocked = world.blocked.length === OVERLAY_HANDLERS.length;
            world.idle.splice(0).forEach(callback => callback());
            return blocked;
        };
        assert.equal(tap(panel), true);
        assert.equal(tap(makeWindow(99, 'Untitled 1 - Mousepad')), false);
    });

    test(`${form}: a window placed before mutter shows it is placed again when shown`, async () => {
        const {shell, world} = await makeShell(form);
        const panel = makeWindow(4242, 'Holdsheet panel');
        const handlers = {};
        panel.connect = (name, callback) => {
            handlers[name] = callback;
            return name.length;
        };
        world.handlers['window-created'](world.display, panel);
        world.windows.push(panel);
        await invoke(shell, 'PlacePanel', ['Holdsheet panel', 30, 40]);
        panel.calls.length = 0;
        handlers.shown();
        assert.deepEqual(panel.calls, ['move 30,40', 'above', 'stick', 'activate']);
    });

    test(`${form}: the focused window as GetFocus and FocusChanged tell it`, async () => {
        const {shell, world} = await makeShell(form);
        assert.deepEqual(shell.GetFocus(), [0, '', '', '']);
        for (const [gtkId, sandboxId, expected] of [
            ['org.xfce.mousepad', 'ignored', 'org.xfce.mousepad'],
            [null, 'org.example.Sandboxed', 'org.example.Sandboxed'], [null, null, '']]) {
            world.display.focus_window = {get_pid: () => 99, get_gtk_application_id: () => gtkId,
                get_sandboxed_app_id: () => sandboxId, get_wm_class: () => 'Mousepad',
                get_title: () => 'Untitled 1'};
            const info = [99, expected, 'Mousepad', 'Untitled 1'];
            assert.deepEqual(shell.GetFocus(), info);
            world.handlers['notify::focus-window']();
            assert.deepEqual(world.signals.at(-1),
                {destination: null, name: 'FocusChanged', args: info});
        }
        // A window whose process mutter does not know.
        world.display.focus_window.get_pid = () => -1;
        assert.equal(shell.GetFocus()[0], 0);
    });
}
