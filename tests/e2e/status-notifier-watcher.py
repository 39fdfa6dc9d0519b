#!/usr/bin/python3
"""A status-notifier watcher for the tests' own session bus, with one host always present.
Keeps the items that register, drops one when its bus name leaves, and announces both with
the watcher's signals. Run with /usr/bin/python3 (it needs gi)."""
import signal
import sys

from gi.repository import Gio, GLib

INTERFACE, PATH = "org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher"
XML = f"""<node><interface name="{INTERFACE}">
  <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
  <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
  <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
  <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
  <property name="ProtocolVersion" type="i" access="read"/>
  <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
  <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
  <signal name="StatusNotifierHostRegistered"/>
  <signal name="StatusNotifierHostUnregistered"/>
</interface></node>"""
connection = Gio.bus_get_sync(Gio.BusType.SESSION, None)
items = {}  # "bus name + object path" -> the name's watch id
PROPERTIES = {
    "RegisteredStatusNotifierItems": lambda: GLib.Variant("as", list(items)),
    "IsStatusNotifierHostRegistered": lambda: GLib.Variant("b", True),
    "ProtocolVersion": lambda: GLib.Variant("i", 0),
}


def announce(signal_name, key):
    connection.emit_signal(None, PATH, INTERFACE, signal_name, GLib.Variant("(s)", (key,)))
    connection.emit_signal(
        None, PATH, "org.freedesktop.DBus.Properties", "PropertiesChanged",
        GLib.Variant("(sa{sv}as)", (INTERFACE, {
            "RegisteredStatusNotifierItems": PROPERTIES["RegisteredStatusNotifierItems"]()}, [])))


def unregister(key):
    if key in items:
        Gio.bus_unwatch_name(items.pop(key))
        announce("StatusNotifierItemUnregistered", key)


def call(_connection, sender, _path, _interface, method, parameters, invocation):
    service = parameters.unpack()[0]
    # An item names either its bus name or, on the sender's connection, an object path.
    key = sender + service if service.startswith("/") else service + "/StatusNotifierItem"
    if method == "RegisterStatusNotifierItem" and key not in items:
        items[key] = Gio.bus_watch_name_on_connection(
            connection, key.split("/")[0], Gio.BusNameWatcherFlags.NONE, None,
            lambda _c, _n, k=key: unregister(k))
        announce("StatusNotifierItemRegistered", key)
    elif method == "RegisterStatusNotifierHost":
        connection.emit_signal(None, PATH, INTERFACE, "StatusNotifierHostRegistered", None)
    invocation.return_value(None)


loop = GLib.MainLoop()
connection.register_object(PATH, Gio.DBusNodeInfo.new_for_xml(XML).interfaces[0], call,
                           lambda *arguments: PROPERTIES[arguments[-1]](), None)
Gio.bus_own_name_on_connection(
    connection, INTERFACE, Gio.BusNameOwnerFlags.NONE, None,
    lambda *_: print("status-notifier-watcher: the name is taken", file=sys.stderr) or loop.quit())
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, loop.quit)
loop.run()
