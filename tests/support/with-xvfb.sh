#!/usr/bin/env bash
# Runs a command under a private Xvfb server (and a trayer panel with --tray),
# for the few tests that need a real X server: hot keys, tray icon, window drag.
#   with-xvfb.sh [--tray] command [args...]
set -euo pipefail
tray=0
if [[ "${1:-}" == "--tray" ]]; then tray=1; shift; fi

# Pick a free display number; -displayfd lets Xvfb report the one it took.
fdfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" 2>/dev/null &
xvfb=$!
cleanup() {
  [[ -n "${trayer_pid:-}" ]] && kill "$trayer_pid" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -f "$fdfile"
}
trap cleanup EXIT

for _ in $(seq 100); do
  [[ -s "$fdfile" ]] && break
  kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
  sleep 0.05
done
[[ -s "$fdfile" ]] || { echo "Xvfb gave no display" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$fdfile")"
export QT_QPA_PLATFORM=xcb

if ((tray)); then
  trayer --edge top --align right --widthtype pixel --width 200 --height 24 >/dev/null 2>&1 &
  trayer_pid=$!
  # Wait until the tray manager owns its selection, so the tray icon can dock.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 || true
    if xdotool search --class trayer >/dev/null 2>&1; then break; fi
    sleep 0.05
  done
fi

"$@"
