#!/usr/bin/python3
"""A status-notifier watcher for the tests' own session bus, with one host always present.

Keeps the items that register, drops an item when its bus name leaves, and announces both
with the watcher's signals. Run with /usr/bin/python3 (it needs gi).
"""
import signal
import sys

from gi.repository import Gio, GLib

INTERFACE = "org.kde.StatusNotifierWatcher"
PATH = "/StatusNotifierWatcher"
ITEM_PATH = "/StatusNotifierItem"

XML = f"""
<node>
  <interface name="{INTERFACE}">
    <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
    <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
    <signal name="StatusNotifierHostRegistered"/>
    <signal name="StatusNotifierHostUnregistered"/>
  </interface>
</node>
"""


class Watcher:
    def __init__(self, connection):
        self.connection = connection
        self.items = {}  # "bus name + object path" -> the name's watch id

    def emit(self, name, parameters=None):
        self.connection.emit_signal(None, PATH, INTERFACE, name, parameters)

    def properties_changed(self):
        self.connection.emit_signal(
            None, PATH, "org.freedesktop.DBus.Properties", "PropertiesChanged",
            GLib.Variant("(sa{sv}as)", (INTERFACE, {
                "RegisteredStatusNotifierItems": GLib.Variant("as", list(self.items))}, [])))

    def register_item(self, sender, service):
        # An item names either its bus name or, on the sender's connection, an object path.
        if service.startswith("/"):
            bus_name, path = sender, service
        else:
            bus_name, path = service, ITEM_PATH
        key = bus_name + path
        if key in self.items:
            return
        self.items[key] = Gio.bus_watch_name_on_connection(
            self.connection, bus_name, Gio.BusNameWatcherFlags.NONE, None,
            lambda _c, _n, k=key: self.unregister_item(k))
        self.emit("StatusNotifierItemRegistered", GLib.Variant("(s)", (key,)))
        self.properties_changed()

    def unregister_item(self, key):
        watch = self.items.pop(key, None)
        if watch is None:
            return
        Gio.bus_unwatch_name(watch)
        self.emit("StatusNotifierItemUnregistered", GLib.Variant("(s)", (key,)))
        self.properties_changed()

    def call(self, _connection, sender, _path, _interface, method, parameters, invocation):
        if method == "RegisterStatusNotifierItem":
            self.register_item(sender, parameters.unpack()[0])
        elif method == "RegisterStatusNotifierHost":
            self.emit("StatusNotifierHostRegistered")
        invocation.return_value(None)

    def get(self, _connection, _sender, _path, _interface, name):
        if name == "RegisteredStatusNotifierItems":
            return GLib.Variant("as", list(self.items))
        if name == "IsStatusNotifierHostRegistered":
            return GLib.Variant("b", True)
        if name == "ProtocolVersion":
            return GLib.Variant("i", 0)
        return None


def main():
    loop = GLib.MainLoop()
    connection = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    watcher = Watcher(connection)
    node = Gio.DBusNodeInfo.new_for_xml(XML)
    connection.register_object(PATH, node.interfaces[0], watcher.call, watcher.get, None)

    def lost(_connection, _name):
        print("status-notifier-watcher: the name is taken", file=sys.stderr)
        loop.quit()

    Gio.bus_own_name_on_connection(connection, INTERFACE, Gio.BusNameOwnerFlags.NONE,
                                   None, lost)
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, loop.quit)
    loop.run()


if __name__ == "__main__":
    main()
