#!/usr/bin/python3
# Real key presses and clicks through mutter's RemoteDesktop interface, one session for the
# whole run (the first events of a new session are lost: it is warmed with a Shift press).
# Reads commands from standard input, answers each with "ok <monotonic seconds of the press>":
#   key CODE          press and release an evdev key
#   hold CODE MS      press, wait MS milliseconds, release
#   home              the pointer to the top-left corner
#   click DX DY       the pointer moved by DX, DY, then a left click
import sys, time
from gi.repository import Gio, GLib

bus = Gio.bus_get_sync(Gio.BusType.SESSION)
def call(path, iface, method, args=None):
    return bus.call_sync("org.gnome.Mutter.RemoteDesktop", path, iface, method, args, None,
                         Gio.DBusCallFlags.NONE, 5000, None)
session = call("/org/gnome/Mutter/RemoteDesktop", "org.gnome.Mutter.RemoteDesktop", "CreateSession").unpack()[0]
S = "org.gnome.Mutter.RemoteDesktop.Session"
call(session, S, "Start")
def key(code, down):
    call(session, S, "NotifyKeyboardKeycode", GLib.Variant("(ub)", (code, down)))
def button(down):
    call(session, S, "NotifyPointerButton", GLib.Variant("(ib)", (272, down)))
def move(dx, dy):
    call(session, S, "NotifyPointerMotionRelative", GLib.Variant("(dd)", (dx, dy)))
key(42, True); key(42, False); time.sleep(0.3)
print("ready", flush=True)
for line in sys.stdin:
    w = line.split()
    if not w:
        continue
    t = time.monotonic()
    if w[0] == "key":
        key(int(w[1]), True); key(int(w[1]), False)
    elif w[0] == "hold":
        key(int(w[1]), True); time.sleep(int(w[2]) / 1000); key(int(w[1]), False)
    elif w[0] == "home":
        for _ in range(10):
            move(-500, -500)
    elif w[0] == "click":
        move(float(w[1]), float(w[2])); time.sleep(0.1); button(True); button(False)
    print("ok %.6f" % t, flush=True)
call(session, S, "Stop")
