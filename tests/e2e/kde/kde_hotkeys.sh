#!/usr/bin/env bash
# Horalto's hotkeys on a real KDE Plasma Wayland desktop: kwin_wayland headless (with XWayland and
# its global-shortcut service) and KDE's portal on a private bus, the real program, System
# Settings as the Wayland window that has the focus, keys pressed through kwin's fake-input
# protocol by PRESSKEY. Everything it starts is stopped at the end.
#   kde_hotkeys.sh HORALTO PRESSKEY
set -u
horalto=$1 presskey=$2
tmp=$(mktemp -d /tmp/horalto-kde.XXXXXX)
pids=()
stop() { for p in "${pids[@]}"; do kill -- "-$p" 2>/dev/null; done; [ -n "${dbus_pid:-}" ] && kill "$dbus_pid"; sleep 0.5; rm -rf "$tmp"; }
trap stop EXIT
fail() { echo "FAIL: $*"; for f in "$tmp"/*.log; do echo "== $f"; tail -n 12 "$f"; done; exit 1; }
spawn() { local name=$1; shift; setsid "$@" >"$tmp/$name.log" 2>&1 & pids+=($!); } # in a process group of its own
wait_for() { local end=$((SECONDS + $1)); shift; until "$@"; do ((SECONDS < end)) || return 1; sleep 0.2; done; }

export HOME=$tmp/home XDG_RUNTIME_DIR=$tmp/run XDG_CONFIG_HOME=$tmp/home/.config XDG_DATA_HOME=$tmp/home/.local/share
export XDG_CURRENT_DESKTOP=KDE XDG_SESSION_TYPE=wayland KDE_FULL_SESSION=true KDE_SESSION_VERSION=5 ASAN_OPTIONS=detect_leaks=0
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME/applications" "$tmp/prog" && chmod 700 "$XDG_RUNTIME_DIR"
[ -d /tmp/.X11-unix ] || { mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix; }
printf '[Daemon]\nAutolock=false\nLockOnResume=false\nTimeout=0\n' >"$XDG_CONFIG_HOME/kscreenlockerrc"
# kwin lets only a program its launcher entry names use fake input.
printf '[Desktop Entry]\nType=Application\nName=presskey\nExec=%s\nX-KDE-Wayland-Interfaces=org_kde_kwin_fake_input\n' \
  "$presskey" >"$XDG_DATA_HOME/applications/horalto-presskey.desktop"
read -r DBUS_SESSION_BUS_ADDRESS dbus_pid < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 | tr '\n' ' ')
export DBUS_SESSION_BUS_ADDRESS
cp /usr/bin/kwin_wayland "$tmp/" # a copy without the file capability, which cannot be executed here
spawn kwin "$tmp/kwin_wayland" --virtual --xwayland --socket "horalto-kde-$$" --width 1280 --height 800 \
  "sh -c 'echo \$DISPLAY >$tmp/display; exec sleep 600'"
wait_for 60 test -s "$tmp/display" || fail "kwin_wayland did not start XWayland"
export WAYLAND_DISPLAY=horalto-kde-$$ DISPLAY=$(cat "$tmp/display")
spawn portal-kde /usr/lib/*/libexec/xdg-desktop-portal-kde
spawn portal /usr/libexec/xdg-desktop-portal
wait_for 30 sh -c 'qdbus | grep -qx " org.freedesktop.portal.Desktop"' || fail "the portal did not start"
spawn settings env QT_QPA_PLATFORM=wayland systemsettings

# The program's shortcuts in kglobalaccel ("start 16777268": Qt's key codes), the count of its
# components, and its keys that are an ordinary digit.
shortcuts() {
  /usr/bin/python3 -c '
import dbus
bus = dbus.SessionBus()
kga = dbus.Interface(bus.get_object("org.kde.kglobalaccel", "/kglobalaccel"), "org.kde.KGlobalAccel")
comps = [str(c) for c in kga.allComponents() if "Horalto" in str(c)]
digits = 0
for name in bus.get_object("org.kde.kglobalaccel", "/component/Horalto").shortcutNames(dbus_interface="org.kde.kglobalaccel.Component"):
    keys = [int(k) for seq in kga.shortcutKeys(["Horalto", name, "", ""], signature="as") for k in seq[0] if k]
    digits += sum(0x30 <= k & 0x1FFFFFF <= 0x39 and not k & 0x20000000 for k in keys)
    print(name, *keys)
print("components", len(comps), "digits", digits)' 2>&1
}
focus() { # gives the focus to the window of that class or caption
  printf 'const c = workspace.clientList().filter(w => w.resourceClass == "%s" || w.caption == "%s")[0];
if (c) workspace.activeClient = c;
print("focus " + (workspace.activeClient ? workspace.activeClient.resourceClass + workspace.activeClient.caption : ""));' "$1" "$1" >"$tmp/focus.js"
  qdbus org.kde.KWin /Scripting org.kde.kwin.Scripting.unloadScript horalto-focus >/dev/null
  qdbus org.kde.KWin /Scripting org.kde.kwin.Scripting.loadScript "$tmp/focus.js" horalto-focus >/dev/null
  qdbus org.kde.KWin /Scripting org.kde.kwin.Scripting.start >/dev/null
  sleep 0.3
  tail -n 3 "$tmp/kwin.log" | grep -q "js: focus .*$1"
}
invoke() { qdbus org.kde.kglobalaccel /component/Horalto org.kde.kglobalaccel.Component.invokeShortcut "$1" >/dev/null; }
counter() { import -window "$main" -crop 381x111+24+86 +repage png:- 2>/dev/null | md5sum; }
running() { local before; before=$(counter); sleep 1.1; [ "$(counter)" != "$before" ]; }
stopped() { ! running; }
start_program() {
  spawn horalto "$tmp/prog/horalto"
  wait_for 30 xdotool search --name '^Horalto 计时方案1$' >/dev/null || fail "the main window did not appear"
  main=$(xdotool search --name '^Horalto 计时方案1$' | head -n 1)
  wait_for 20 sh -c "$(declare -f shortcuts); shortcuts | grep -qx 'start 16777268'" || fail "no F5 for start: $(shortcuts)"
}

dir=$(dirname "$horalto")
cp -r "$horalto" "$dir/horalto-sound.so" "$dir/horalto-remote.so" "$dir/wav" "$tmp/prog/"
start_program
# (a) kglobalaccel holds the program's one component with F5 for start, and no ordinary digit.
list=$(shortcuts)
echo "$list"
grep -qx "components 1 digits 0" <<<"$list" || fail "components or digit keys: $list"
wait_for 20 focus systemsettings || fail "System Settings did not take the focus"
# (e) The digit 2 typed into the focused window does not switch to scheme 2.
"$presskey" 3 || fail "no fake input"
sleep 1
xdotool search --name '^Horalto 计时方案1$' >/dev/null || fail "the key 2 acted on Horalto"
# (b) A real F5 while System Settings has the focus starts the timing.
stopped || fail "counting before any key"
"$presskey" 63
wait_for 8 running || fail "F5 did not start the timing"
# (c) The same shortcut twice in a row acts twice: pause, then continue.
invoke pause
wait_for 8 stopped || fail "the first pause did not act"
invoke pause
wait_for 8 running || fail "the second pause did not act"
# (d) Saving the hotkey dialog (item 12 of the popup menu while stopped; 保存设置 below the thirteenth row) leaves the keys working.
"$presskey" 64
wait_for 8 stopped || fail "F6 did not reset"
wait_for 10 focus "Horalto 计时方案1" || fail "Horalto did not take the focus"
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove --sync $((X + 200)) $((Y + 140)) click 3
sleep 0.8
"$presskey" 108 108 108 108 108 108 108 108 108 108 108 108 28
wait_for 10 xdotool search --onlyvisible --name '^全局快捷键设置$' >/dev/null || fail "the hotkey dialog did not open"
eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name '^全局快捷键设置$' | head -n 1)")"
xdotool mousemove --sync $((X + 249)) $((Y + 517)) click 1
wait_for 10 sh -c "! xdotool search --onlyvisible --name '^全局快捷键设置$' >/dev/null" || fail "保存设置 did not close the dialog"
wait_for 20 focus systemsettings || fail "System Settings did not take the focus back"
"$presskey" 63
wait_for 8 running || fail "F5 did not start after the dialog"
"$presskey" 64
wait_for 8 stopped || fail "F6 did not reset after the dialog"
# Started again, the program has the same component and F5 starts it.
kill -TERM "${pids[-1]}"
wait_for 20 sh -c "! xdotool search --name '^Horalto 计时方案1$' >/dev/null" || fail "Horalto did not end"
start_program
grep -qx "components 1 digits 0" <<<"$(shortcuts)" || fail "after a restart: $(shortcuts)"
wait_for 20 focus systemsettings || fail "System Settings did not take the focus"
"$presskey" 63
wait_for 8 running || fail "F5 did not start after a restart"
echo "PASS"
