#!/usr/bin/env bash
# Runs a test program on a private X server: run_under_x.sh none|openbox PROGRAM [ARGS...].
# Xvfb picks a free display itself (never a fixed number: other runs go on at the same time);
# with "openbox" a window manager runs on it too. Exits 77 (skipped) when Xvfb or the window
# manager is not installed.
set -euo pipefail
wm=$1
shift
command -v Xvfb >/dev/null || { echo "no Xvfb"; exit 77; }
[ "$wm" = none ] || command -v "$wm" >/dev/null || { echo "no $wm"; exit 77; }

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

if [ "$wm" = openbox ]; then
  # A configuration of its own, so nothing of the user's session takes part.
  export XDG_CONFIG_HOME=$work/config
  mkdir -p "$XDG_CONFIG_HOME"
  openbox --sm-disable >"$work/wm.log" 2>&1 &
  pids+=($!)
  # The window manager is up once it owns the screen's manager selection.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
  done
fi

export QT_QPA_PLATFORM=xcb
"$@"
