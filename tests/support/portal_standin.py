#!/usr/bin/python3
"""A stand-in for the desktop's portal (org.freedesktop.portal.Desktop) with the GlobalShortcuts
interface, on the bus that DBUS_SESSION_BUS_ADDRESS names.

    portal_standin.py [--version N] [--no-shortcuts] [--refuse]

--no-shortcuts: only the registry is offered, as by a desktop without global shortcuts.
--refuse: BindShortcuts is answered "cancelled", as when the user declines.
The desktop binds every shortcut to its preferred trigger and describes the key by the trigger.

Standard output, one line per event: "ready" once the name is owned, then
    register APPID | session PATH | bind NAME=TRIGGER ... | list | configure PARENT | close PATH
Standard input, one command a line:
    activate NAME [TIME] | deactivate NAME [TIME]   the signal for the latest session
    change NAME [TEXT]                              ShortcutsChanged: NAME's key is TEXT (none: unbound)
    close-session                                   the desktop closes the latest session
    quit                                            the portal goes away
"""
import argparse
import os
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

DESKTOP = '/org/freedesktop/portal/desktop'
SHORTCUTS = 'org.freedesktop.portal.GlobalShortcuts'
SHORTCUT_LIST = 'a(sa{sv})'


def out(*words):
    print(' '.join(str(w) for w in words), flush=True)


def sender_part(sender):
    return sender[1:].replace('.', '_')


def shortcut_list(keys):
    return dbus.Array([dbus.Struct((name, dbus.Dictionary({'trigger_description': text}, signature='sv')))
                       for name, text in keys.items()], signature='(sa{sv})')


class Request(dbus.service.Object):
    @dbus.service.signal('org.freedesktop.portal.Request', signature='ua{sv}')
    def Response(self, code, results):
        pass


class Session(dbus.service.Object):
    def __init__(self, conn, path):
        super().__init__(conn, path)
        self.path = path

    @dbus.service.method('org.freedesktop.portal.Session')
    def Close(self):
        out('close', self.path)
        self.remove_from_connection()

    @dbus.service.signal('org.freedesktop.portal.Session', signature='a{sv}')
    def Closed(self, details):
        pass


class Registry(dbus.service.Object):
    @dbus.service.method('org.freedesktop.host.portal.Registry', in_signature='sa{sv}')
    def Register(self, app_id, options):
        out('register', app_id)


class Portal(Registry):
    def __init__(self, conn, args):
        super().__init__(conn, DESKTOP)
        self.args = args
        self.session = None
        self.keys = {}

    def answer(self, sender, token, code, results):
        path = f'{DESKTOP}/request/{sender_part(sender)}/{token}'
        request = Request(self.connection, path)

        def respond():
            request.Response(dbus.UInt32(code), dbus.Dictionary(results, signature='sv'))
            request.remove_from_connection()
        GLib.idle_add(respond)
        return dbus.ObjectPath(path)

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature='ss', out_signature='v')
    def Get(self, interface, name):
        if interface != SHORTCUTS or name != 'version':
            raise dbus.exceptions.DBusException('no such property', name='org.freedesktop.DBus.Error.InvalidArgs')
        return dbus.UInt32(self.args.version)

    @dbus.service.method(SHORTCUTS, in_signature='a{sv}', out_signature='o', sender_keyword='sender')
    def CreateSession(self, options, sender=None):
        path = f'{DESKTOP}/session/{sender_part(sender)}/{options["session_handle_token"]}'
        self.session = Session(self.connection, path)
        out('session', path)
        return self.answer(sender, options['handle_token'], 0, {'session_handle': dbus.String(path)})

    @dbus.service.method(SHORTCUTS, in_signature='o' + SHORTCUT_LIST + 'sa{sv}', out_signature='o', sender_keyword='sender')
    def BindShortcuts(self, session, shortcuts, parent, options, sender=None):
        out('bind', *(f'{name}={props.get("preferred_trigger", "")}' for name, props in shortcuts))
        if self.args.refuse:
            return self.answer(sender, options['handle_token'], 1, {})
        self.keys = {str(name): str(props.get('preferred_trigger', '')) for name, props in shortcuts}
        return self.answer(sender, options['handle_token'], 0, {'shortcuts': shortcut_list(self.keys)})

    @dbus.service.method(SHORTCUTS, in_signature='oa{sv}', out_signature='o', sender_keyword='sender')
    def ListShortcuts(self, session, options, sender=None):
        out('list')
        return self.answer(sender, options['handle_token'], 0, {'shortcuts': shortcut_list(self.keys)})

    @dbus.service.method(SHORTCUTS, in_signature='osa{sv}')
    def ConfigureShortcuts(self, session, parent, options):
        out('configure', parent)

    @dbus.service.signal(SHORTCUTS, signature='osta{sv}')
    def Activated(self, session, name, time, options):
        pass

    @dbus.service.signal(SHORTCUTS, signature='osta{sv}')
    def Deactivated(self, session, name, time, options):
        pass

    @dbus.service.signal(SHORTCUTS, signature='o' + SHORTCUT_LIST)
    def ShortcutsChanged(self, session, shortcuts):
        pass

    def command(self, words):
        session = dbus.ObjectPath(self.session.path) if self.session else dbus.ObjectPath('/')
        if words[0] in ('activate', 'deactivate'):
            signal = self.Activated if words[0] == 'activate' else self.Deactivated
            signal(session, words[1], dbus.UInt64(int(words[2]) if len(words) > 2 else 1000),
                   dbus.Dictionary({}, signature='sv'))
        elif words[0] == 'change':
            self.keys[words[1]] = ' '.join(words[2:])
            self.ShortcutsChanged(session, shortcut_list({words[1]: self.keys[words[1]]}))
        elif words[0] == 'close-session' and self.session:
            self.session.Closed(dbus.Dictionary({}, signature='sv'))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--version', type=int, default=2)
    parser.add_argument('--no-shortcuts', action='store_true')
    parser.add_argument('--refuse', action='store_true')
    args = parser.parse_args()

    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    portal = Registry(bus, DESKTOP) if args.no_shortcuts else Portal(bus, args)
    name = dbus.service.BusName('org.freedesktop.portal.Desktop', bus)  # noqa: F841 (held while it runs)
    loop = GLib.MainLoop()

    pending = b''

    def on_input(fd, condition):
        nonlocal pending
        data = os.read(fd, 4096)
        pending += data
        while b'\n' in pending:
            line, pending = pending.split(b'\n', 1)
            words = line.decode().split()
            if words == ['quit']:
                data = b''
            elif words and isinstance(portal, Portal):
                portal.command(words)
        if not data:
            loop.quit()
        return bool(data)
    GLib.io_add_watch(sys.stdin.fileno(), GLib.IO_IN | GLib.IO_HUP, on_input)
    out('ready')
    loop.run()


if __name__ == '__main__':
    main()
