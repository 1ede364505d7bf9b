# A real GNOME Shell Wayland session, headless, for Horalto's desktop shortcuts: sourced by the
# end-to-end test and the benchmark. Two private buses (the second stands in for the system
# bus, which the shell needs), a private home, gnome-shell with XWayland, gnome-settings-daemon's
# media keys (which run the custom shortcuts), Horalto from a copy of its program directory, a
# GTK 4 window holding the focus, and keys pressed through mutter's RemoteDesktop.
#   gnome_session HORALTO     sets tmp, main (Horalto's main window), keylog; everything started
#                             stops at exit
set -u
pids=()
gnome_stop() {
  [ -n "${keys_pid:-}" ] && { exec {KEYS[1]}>&- ; wait "$keys_pid" 2>/dev/null; }
  for p in "${pids[@]}"; do kill -- "-$p" 2>/dev/null; done
  sleep 0.5
  for p in "${pids[@]}"; do kill -KILL -- "-$p" 2>/dev/null; done
  [ -n "${bus_pid:-}" ] && kill "$bus_pid" "$system_pid" 2>/dev/null
  # A killed shell leaves its X server's lock files and sockets behind.
  for n in 0 1 2 3 4 5; do
    f=/tmp/.X$n-lock
    [ -f "$f" ] && ! kill -0 "$(tr -d ' ' <"$f")" 2>/dev/null && rm -f "$f" "/tmp/.X11-unix/X$n"
  done
  rm -rf "$tmp"
}
fail() { echo "FAIL: $*"; for f in "$tmp"/*.log; do echo "== $f"; tail -n 15 "$f"; done; exit 1; }
spawn() { local name=$1; shift; setsid "$@" >"$tmp/$name.log" 2>&1 & pids+=($!); }
wait_for() { local end=$((SECONDS + $1)); shift; until "$@"; do ((SECONDS < end)) || return 1; sleep 0.1; done; }
# One command to the key presser; its answer ("ok TIME").
press() { echo "$*" >&"${KEYS[1]}"; read -r -t 10 answer <&"${KEYS[0]}" || fail "no answer from the key presser"; }
media_key() { gsettings "$@"; }
custom_path=/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings

gnome_session() {
  local horalto=$1
  for p in gnome-shell /usr/libexec/gsd-media-keys /usr/libexec/dconf-service gsettings xdotool import; do
    command -v "$p" >/dev/null || { echo "$p is missing: scripts/test installs it"; exit 1; }
  done
  /usr/bin/python3 -c 'import gi; gi.require_version("Gtk", "4.0")' 2>/dev/null \
    || { echo "python3-gi with GTK 4 is missing: scripts/test installs it"; exit 1; }
  tmp=$(mktemp -d /tmp/horalto-gnome.XXXXXX)
  trap gnome_stop EXIT
  export HOME=$tmp/home XDG_RUNTIME_DIR=$tmp/run XDG_CONFIG_HOME=$tmp/home/.config XDG_DATA_HOME=$tmp/home/.local/share
  export XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_DESKTOP=gnome ASAN_OPTIONS=detect_leaks=0
  export NO_AT_BRIDGE=1 GSETTINGS_BACKEND=dconf
  unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XAUTHORITY
  mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$tmp/prog" && chmod 700 "$XDG_RUNTIME_DIR"
  # XWayland wants the sockets' folder writable by all, as X servers make it.
  [ -d /tmp/.X11-unix ] || mkdir -p /tmp/.X11-unix
  [ -O /tmp/.X11-unix ] && chmod 1777 /tmp/.X11-unix
  read -r DBUS_SESSION_BUS_ADDRESS bus_pid < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 | tr '\n' ' ')
  read -r DBUS_SYSTEM_BUS_ADDRESS system_pid < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 | tr '\n' ' ')
  export DBUS_SESSION_BUS_ADDRESS DBUS_SYSTEM_BUS_ADDRESS
  gsettings set org.gnome.desktop.session idle-delay 0
  gsettings set org.gnome.desktop.screensaver lock-enabled false
  gsettings set org.gnome.desktop.interface enable-hot-corners false
  gsettings set org.gnome.shell welcome-dialog-last-shown-version 999
  spawn shell gnome-shell --wayland --headless --virtual-monitor 1280x720 --wayland-display "horalto-gnome-$$"
  wait_for 60 grep -q "GNOME Shell started" "$tmp/shell.log" || fail "gnome-shell did not start"
  gdbus call --session -d org.gnome.Shell -o /org/gnome/Shell -m org.freedesktop.DBus.Properties.Set \
    org.gnome.Shell OverviewActive '<false>' >/dev/null
  export WAYLAND_DISPLAY=horalto-gnome-$$
  export DISPLAY=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$tmp/shell.log" | head -n 1)
  [ -n "$DISPLAY" ] || fail "no XWayland display in the shell's log"
  wait_for 20 sh -c 'ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* >/dev/null 2>&1' || fail "no XWayland authority"
  export XAUTHORITY=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* | head -n 1)
  spawn media-keys /usr/libexec/gsd-media-keys
  wait_for 20 sh -c 'gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus -m org.freedesktop.DBus.NameHasOwner org.gnome.SettingsDaemon.MediaKeys | grep -q true' \
    || fail "gsd-media-keys did not start"

  local dir; dir=$(dirname "$horalto")
  cp -r "$horalto" "$dir/horalto-sound.so" "$dir/horalto-remote.so" "$dir/wav" "$tmp/prog/" 2>/dev/null
  [ -x "$tmp/prog/horalto" ] || fail "no program to copy from $dir"
  spawn horalto "$tmp/prog/horalto"
  wait_for 30 xdotool search --name '^Horalto 计时方案1$' >/dev/null || fail "the main window did not appear"
  main=$(xdotool search --name '^Horalto 计时方案1$' | head -n 1)

  keylog=$tmp/window-keys.log
  : >"$keylog"
  spawn window /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/key_window.py" "$keylog"
  coproc KEYS { exec /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/remote_keys.py" 2>"$tmp/keys.log"; }
  keys_pid=$KEYS_PID
  read -r -t 20 answer <&"${KEYS[0]}" && [ "$answer" = ready ] || fail "mutter's RemoteDesktop did not answer"
  # The window gets the focus from a click in its free corner (Horalto's windows stay on top).
  wait_for 30 grep -qx shown "$keylog" || fail "the GTK window did not show"
  local tries
  for tries in 1 2 3 4 5; do
    press home
    press click 60 650
    wait_for 3 grep -qx "active 1" "$keylog" && return 0
  done
  fail "the GTK window did not take the focus"
}
