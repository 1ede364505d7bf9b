#!/usr/bin/env bash
# Horalto.exe from the Windows zip, under Wine on a private Xvfb with openbox: the main window
# appears; with Notepad holding the focus F5 starts the counter and F6 resets it (records.csv
# beside the program gets the line ended 复位); `Horalto.exe pause` reaches the running program;
# a config.ini in GBK gives its title. Then the installer beside the zip puts the program under
# Program Files with its Start-menu entry; the installed program keeps its records in
# %APPDATA%\Horalto; the uninstaller takes it away.
# Usage: wine_e2e.sh Horalto-<version>-win64.zip
set -euo pipefail
zip=$(realpath "$1")
work=$(mktemp -d)
pids=()
finish() {
  wineserver -k 2>/dev/null || true
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap finish EXIT
fail() { echo "FAIL: $*"; [ -f "$work/run.log" ] && tail -20 "$work/run.log"; exit 1; }

unzip -q "$zip" -d "$work"
prog=$(echo "$work"/Horalto-*-win64)
[ -x "$prog/Horalto.exe" ] || fail "no Horalto.exe in $zip"
export WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH # the program folder alone must hold what it needs

n=90
while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
export DISPLAY=:$n
Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 & pids+=($!)
wineboot --init >/dev/null 2>&1

# Waits for a window whose name matches; its id.
window() {
  for _ in $(seq "${2:-120}"); do
    id=$(xdotool search --name "$1" 2>/dev/null | head -1) && [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.5
  done
  return 1
}
horalto() { (cd "$prog" && wine Horalto.exe "$@" >>"$work/run.log" 2>&1); }
start() { (cd "$prog" && exec wine Horalto.exe >>"$work/run.log" 2>&1) & }

start
window '^Horalto 计时方案1$' >/dev/null || fail 'the main window "Horalto 计时方案1" did not appear'
status=0; horalto pause || status=$?
[ "$status" = 1 ] || fail "pause before any timing: status $status, not 1 (not available)"

wine notepad >/dev/null 2>&1 & pids+=($!)
pad=$(window 'Notepad') || fail "Notepad did not start"
xdotool windowactivate --sync "$pad"
sleep 0.5
[ "$(xdotool getactivewindow)" = "$pad" ] || fail "Notepad does not hold the focus"
xdotool key F5
sleep 2
status=0; horalto pause || status=$?
[ "$status" = 0 ] || fail "pause after F5: status $status (F5 did not start the counter, or pause went astray)"
[ "$(xdotool getactivewindow)" = "$pad" ] || xdotool windowactivate --sync "$pad"
xdotool key F6
for _ in $(seq 20); do grep -q '复位' "$prog/records.csv" 2>/dev/null && break; sleep 0.5; done
line=$(tail -1 "$prog/records.csv" | tr -d '\r')
echo "records.csv: $line"
echo "$line" | tr ',' '\n' | grep -qx '复位' || fail "records.csv has no timing ended 复位"

# A config.ini in GBK, as the described program writes it: its title shows right.
wineserver -k; wineserver -w || true
printf '[TitleSet]\r\nTitle=%s\r\n' "$(printf '演讲比赛' | iconv -f UTF-8 -t GBK)" >>"$prog/config.ini"
start
window '^演讲比赛 计时方案1$' >/dev/null || fail "the GBK title did not show: $(xdotool search --name 计时方案 getwindowname %@ 2>/dev/null)"

# Installed: files in %APPDATA%\Horalto, none in the program folder.
wineserver -k; wineserver -w || true
setup=$(echo "$(dirname "$zip")"/Horalto-*-setup.exe)
wine "$setup" /S
installed=$WINEPREFIX/drive_c/Program\ Files/Horalto
[ -x "$installed/Horalto.exe" ] || fail "the installer put no Horalto.exe under Program Files"
ls "$WINEPREFIX"/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Horalto.lnk >/dev/null || fail "no Start-menu entry"
prog=$installed
start
window '^Horalto 计时方案1$' >/dev/null || fail "the installed program's window did not appear"
horalto start || fail "start: status $?"
sleep 1
horalto reset || fail "reset: status $?"
appdata=$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Horalto)
for _ in $(seq 20); do grep -q '复位' "$appdata/records.csv" 2>/dev/null && break; sleep 0.5; done
grep -q '复位' "$appdata/records.csv" 2>/dev/null || fail "no records.csv in %APPDATA%\\Horalto"
[ ! -e "$installed/records.csv" ] || fail "the installed program wrote into Program Files"
wineserver -k; wineserver -w || true
wine "$installed/Uninstall.exe" /S
for _ in $(seq 40); do [ -e "$installed/Horalto.exe" ] || break; sleep 0.5; done
[ ! -e "$installed/Horalto.exe" ] || fail "the uninstaller left Horalto.exe"
[ -f "$appdata/records.csv" ] || fail "the uninstaller took the user's records"
echo "PASS"
