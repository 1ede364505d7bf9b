#!/usr/bin/env bash
# Horalto's hotkeys as GNOME's own custom shortcuts, on a real GNOME Shell 43 Wayland session
# (scripts/gnome-session/session.sh): a native Wayland window has the focus, keys are pressed through mutter's
# RemoteDesktop, gnome-settings-daemon runs the shortcuts.
#   gnome_desktop_keys.sh HORALTO
. "$(dirname "$0")/../../../scripts/gnome-session/session.sh"
gnome_session "$1"
prog=$tmp/prog/horalto

counter() { import -window "$main" -crop 381x111+24+86 +repage png:- 2>/dev/null | md5sum; }
running() { local before; before=$(counter); sleep 1.1; [ "$(counter)" != "$before" ]; }
stopped() { ! running; }
no_key_commands() { ! pgrep -f "$prog hotkey" >/dev/null; }
list() { gsettings get org.gnome.settings-daemon.plugins.media-keys custom-keybindings; }

# The user's own shortcut on F7, which Horalto wants for the toolbar.
mine=$custom_path/custom0/
gsettings set org.gnome.settings-daemon.plugins.media-keys.custom-keybinding:$mine name '我的截图'
gsettings set org.gnome.settings-daemon.plugins.media-keys.custom-keybinding:$mine command "touch $tmp/mine-ran"
gsettings set org.gnome.settings-daemon.plugins.media-keys.custom-keybinding:$mine binding F7
gsettings set org.gnome.settings-daemon.plugins.media-keys custom-keybindings "['$mine']"

# Before: F5 goes to the focused window, and Horalto says on screen that its keys need its focus.
press key 63
wait_for 5 grep -qx "key F5" "$keylog" || fail "the focused window did not get F5 before desktop-keys on"
stopped || fail "F5 acted before desktop-keys on"

out=$("$prog" desktop-keys on) || fail "desktop-keys on: $out"
echo "$out"
grep -q "F7（被占用）.*我的截图" <<<"$out" || fail "the user's F7 is not named: $out"
grep -q "计时 *F5 *桌面快捷键" <<<"$out" || fail "F5 is not a desktop shortcut: $out"
[[ $(list) == "['$mine', '$custom_path/horalto-start/'"* ]] || fail "the list: $(list)"
gsettings get org.gnome.settings-daemon.plugins.media-keys.custom-keybinding:$custom_path/horalto-start/ command \
  | grep -qF "'$prog' hotkey start" || fail "the start shortcut's command"
sleep 1.5 # gsd picks the list up
cp "$keylog" "$keylog.before"

# F5 starts; Pause held (repeated from 500 ms on) pauses once (its repeats do not continue); F6 resets.
press key 63
wait_for 8 running || fail "F5 did not start the timing"
press hold 119 700
# Every command of the held key has come in (a busy machine starts them late), and the key is
# past the time of a held key.
wait_for 90 no_key_commands || fail "the held key's commands did not end"
sleep 0.7
stopped || fail "a held Pause did not leave the timing paused"
press key 119
wait_for 8 running || fail "Pause did not continue"
press key 64
wait_for 8 stopped || fail "F6 did not reset"
press key 63
wait_for 8 running || fail "F5 did not start again after the reset"
press key 64
wait_for 8 stopped || fail "F6 did not reset the second time"
# A keypad key switches the scheme.
press key 80
wait_for 8 xdotool search --name '^Horalto 计时方案2$' >/dev/null || fail "KP_2 did not switch to scheme 2"
press key 79
wait_for 8 xdotool search --name '^Horalto 计时方案1$' >/dev/null || fail "KP_1 did not switch back"
# The user's F7 still runs the user's command, and Horalto stays in its main window.
press key 65
wait_for 5 test -e "$tmp/mine-ran" || fail "the user's F7 did not run"
xdotool search --onlyvisible --name '^Horalto 计时方案1$' >/dev/null || fail "F7 acted on Horalto"
# The focused window kept the focus and saw none of the bound keys, but an ordinary one.
press key 30
wait_for 5 grep -qx "key a" "$keylog" || fail "the focused window did not get an ordinary key"
new=$(diff "$keylog.before" "$keylog" | sed -n 's/^> //p')
grep -q "active 0" <<<"$new" && fail "the focused window lost the focus: $new"
grep -qE "^key (F5|F6|F7|F8|Pause|KP_|Break)" <<<"$new" && fail "the focused window saw a bound key: $new"

# off: only the user's shortcut is left, Horalto's are reset.
out=$("$prog" desktop-keys off) || fail "desktop-keys off: $out"
[ "$(list)" = "['$mine']" ] || fail "after off the list is $(list)"
gsettings get org.gnome.settings-daemon.plugins.media-keys.custom-keybinding:$custom_path/horalto-start/ binding \
  | grep -qx "''" || fail "the start shortcut was not reset"
gsettings get org.gnome.settings-daemon.plugins.media-keys.custom-keybinding:$mine binding | grep -qx "'F7'" \
  || fail "the user's shortcut changed"
sleep 1.5
press key 63
wait_for 5 sh -c "tail -n 1 '$keylog' | grep -qx 'key F5'" || fail "after off F5 did not reach the focused window"
stopped || fail "F5 still acted after off"
echo "PASS"
