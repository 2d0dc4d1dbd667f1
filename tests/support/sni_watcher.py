#!/usr/bin/python3
"""A StatusNotifierWatcher for tests, on the session bus: it says a tray host is there, and
prints "ready" once it owns its name and "registered SERVICE" for each item that registers."""
import sys

from gi.repository import Gio, GLib

XML = """
<node>
  <interface name="org.kde.StatusNotifierWatcher">
    <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
    <signal name="StatusNotifierHostRegistered"/>
  </interface>
</node>
"""
items = []


def call(connection, sender, path, interface, method, arguments, invocation):
    if method == "RegisterStatusNotifierItem":
        service = arguments.unpack()[0]
        if not service.startswith(":") and not service.startswith("org."):
            service = sender  # an object path was given: the item is the sender's
        items.append(service)
        print("registered", service if service.startswith("org.") else sender, flush=True)
        connection.emit_signal(None, path, interface, "StatusNotifierItemRegistered",
                               GLib.Variant("(s)", (service,)))
    invocation.return_value(None)


def get(connection, sender, path, interface, name):
    return {"RegisteredStatusNotifierItems": GLib.Variant("as", items),
            "IsStatusNotifierHostRegistered": GLib.Variant("b", True),
            "ProtocolVersion": GLib.Variant("i", 0)}.get(name)


def acquired(connection, name):
    print("ready", flush=True)


def bus_up(connection, name):
    info = Gio.DBusNodeInfo.new_for_xml(XML).interfaces[0]
    connection.register_object("/StatusNotifierWatcher", info, call, get, None)


Gio.bus_own_name(Gio.BusType.SESSION, "org.kde.StatusNotifierWatcher",
                 Gio.BusNameOwnerFlags.NONE, bus_up, acquired, lambda *a: sys.exit(1))
GLib.MainLoop().run()
