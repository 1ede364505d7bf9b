#!/usr/bin/python3
# A native Wayland window (GTK 4) that holds the focus: every key it receives and every change
# of its focus goes as a line into the file LOG ("shown", "key F5", "active 1").
#   key_window.py LOG
import sys
import gi
gi.require_version("Gtk", "4.0")
from gi.repository import Gtk, Gdk

log = open(sys.argv[1], "a", buffering=1)
def on_activate(app):
    win = Gtk.ApplicationWindow(application=app, title="horalto-focus")
    keys = Gtk.EventControllerKey()
    keys.connect("key-pressed", lambda c, keyval, code, state: log.write("key %s\n" % Gdk.keyval_name(keyval)) or False)
    win.add_controller(keys)
    win.connect("notify::is-active", lambda w, p: log.write("active %d\n" % w.is_active()))
    win.connect("map", lambda w: log.write("shown\n"))
    win.maximize()
    win.present()
app = Gtk.Application(application_id="io.horalto.FocusProbe")
app.connect("activate", on_activate)
app.run([])
