#!/usr/bin/env bash
# Runs a command inside a private X server: Xvfb on a free display (it picks the number itself),
# with openbox as the window manager. Usage: xsession.sh COMMAND [ARGS...]
# With HORALTO_NO_WM=1 no window manager runs.
set -u
tmp=$(mktemp -d)
trap 'kill $wm $xvfb 2>/dev/null; wait $wm $xvfb 2>/dev/null; rm -rf "$tmp"' EXIT
exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -ac >"$tmp/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 1 200); do
  [ -s "$tmp/display" ] && break
  sleep 0.05
done
exec 3>&-
if [ ! -s "$tmp/display" ]; then
  echo "xsession: Xvfb did not start" >&2; cat "$tmp/xvfb.log" >&2; exit 1
fi
export DISPLAY=":$(head -n1 "$tmp/display")"
unset WAYLAND_DISPLAY XDG_SESSION_TYPE QT_QPA_PLATFORM
wm=""
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
if [ "${HORALTO_NO_WM:-0}" != 1 ]; then
  # On a loaded machine openbox now and then dies or hangs before it is up: start it again.
  for attempt in 1 2 3; do
    openbox --sm-disable >>"$tmp/wm.log" 2>&1 &
    wm=$!
    for _ in $(seq 1 200); do
      wm_ready && break 2
      kill -0 "$wm" 2>/dev/null || break
      sleep 0.05
    done
    echo "xsession: openbox not up (attempt $attempt)" >&2
    cat "$tmp/wm.log" >&2
    kill "$wm" 2>/dev/null; wait "$wm" 2>/dev/null
    wm=""
  done
fi
"$@"
