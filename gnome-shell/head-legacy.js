// Holdsheet's helper in GNOME Shell 43 and 44 (legacy imports).
'use strict';

const {Clutter, Gio, GLib, GObject, Meta} = imports.gi;
const Main = imports.ui.main;
