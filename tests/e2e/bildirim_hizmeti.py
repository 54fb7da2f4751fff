#!/usr/bin/python3
"""A notification service for the end-to-end test: owns org.freedesktop.Notifications on the
session bus, as a desktop's notification daemon does, and writes every call it gets as a line of
JSON to LOG. The test asks it, through its own interface, to invoke an action of a notification
as a user's click would; the service then emits ActionInvoked as a daemon does.

    bildirim_hizmeti.py LOG

Prints "ready" once the name is owned.
"""

import json
import sys
import time

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.freedesktop.Notifications"
PATH = "/org/freedesktop/Notifications"
TEST_IFACE = "org.ravla.test.Bildirimler"


def plain(v):
    """A D-Bus value as JSON can hold it; a picture's bytes by their length."""
    if isinstance(v, dbus.Array) and v.signature == "y":
        return {"bytes": len(v)}
    if isinstance(v, (dbus.Array, list, tuple, dbus.Struct)):
        return [plain(x) for x in v]
    if isinstance(v, dbus.Dictionary):
        return {str(k): plain(x) for k, x in v.items()}
    if isinstance(v, dbus.Boolean):
        return bool(v)
    if isinstance(v, (dbus.Byte, dbus.Int16, dbus.Int32, dbus.Int64, dbus.UInt16, dbus.UInt32,
                      dbus.UInt64)):
        return int(v)
    return str(v)


class Service(dbus.service.Object):
    def __init__(self, bus, log_path):
        super().__init__(bus, PATH)
        self.log = open(log_path, "a", encoding="utf-8", buffering=1)
        self.next_id = 1
        self.open = set()

    def record(self, call, **args):
        self.log.write(json.dumps({"t": time.monotonic(), "call": call, **args},
                                  ensure_ascii=False) + "\n")

    @dbus.service.method(NAME, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app_name, replaces_id, app_icon, summary, body, actions, hints, timeout):
        nid = int(replaces_id) if int(replaces_id) in self.open else self.next_id
        if nid == self.next_id:
            self.next_id += 1
        self.open.add(nid)
        self.record("Notify", id=nid, app_name=str(app_name), replaces_id=int(replaces_id),
                    app_icon=str(app_icon), summary=str(summary), body=str(body),
                    actions=plain(actions), hints=plain(hints), timeout=int(timeout))
        return dbus.UInt32(nid)

    @dbus.service.method(NAME, in_signature="u", out_signature="")
    def CloseNotification(self, nid):
        self.record("CloseNotification", id=int(nid))
        if int(nid) in self.open:
            self.open.discard(int(nid))
            self.NotificationClosed(nid, dbus.UInt32(3))

    @dbus.service.method(NAME, in_signature="", out_signature="as")
    def GetCapabilities(self):
        return ["actions", "body", "icon-static"]

    @dbus.service.method(NAME, in_signature="", out_signature="ssss")
    def GetServerInformation(self):
        return ("ravla-e2e", "ravla", "1", "1.2")

    @dbus.service.signal(NAME, signature="us")
    def ActionInvoked(self, nid, key):
        pass

    @dbus.service.signal(NAME, signature="uu")
    def NotificationClosed(self, nid, reason):
        pass

    # The test's click on an action button: the daemon tells the client, then the notification
    # goes, as a notification daemon does it.
    @dbus.service.method(TEST_IFACE, in_signature="us", out_signature="")
    def Invoke(self, nid, key):
        self.record("Invoke", id=int(nid), key=str(key))
        self.ActionInvoked(nid, key)
        self.open.discard(int(nid))
        self.NotificationClosed(nid, dbus.UInt32(2))


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    service = Service(bus, sys.argv[1])
    name = dbus.service.BusName(NAME, bus, do_not_queue=True)
    print("ready", flush=True)
    try:
        GLib.MainLoop().run()
    finally:
        del name, service
    return 0


if __name__ == "__main__":
    sys.exit(main())
