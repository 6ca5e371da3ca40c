#!/usr/bin/env bash
# Runs a command under a private Xvfb server (and a trayer panel with --tray),
# for the few tests that need a real X server: hot keys, tray icon, window drag.
#   with-xvfb.sh [--tray] [--screen WIDTHxHEIGHT] command [args...]
set -euo pipefail
tray=0
screen=1280x1024
if [[ "${1:-}" == "--tray" ]]; then tray=1; shift; fi
if [[ "${1:-}" == "--screen" ]]; then screen="$2"; shift 2; fi

# Pick a free display number; -displayfd lets Xvfb report the one it took.
fdfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$fdfile" 2>/dev/null &
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
# The server may announce its display before it takes connections.
for _ in $(seq 100); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.05
done
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb on $DISPLAY does not answer" >&2; exit 1; }

if ((tray)); then
  # trayer sometimes dies at start on a fresh server ("cannot open display",
  # more often on a busy machine): give it a few tries, a moment apart, and
  # wait until its window is up so the tray icon can dock.
  for _try in 1 2 3 4 5 6 7 8; do
    trayer --edge top --align right --widthtype pixel --width 200 --height 24 >/dev/null 2>&1 &
    trayer_pid=$!
    for _ in $(seq 200); do
      xdotool search --class trayer >/dev/null 2>&1 && break 2
      kill -0 "$trayer_pid" 2>/dev/null || break
      sleep 0.05
    done
    kill "$trayer_pid" 2>/dev/null || true
    wait "$trayer_pid" 2>/dev/null || true
    trayer_pid=""
    sleep 0.2
  done
  xdotool search --class trayer >/dev/null 2>&1 || { echo "trayer did not start on $DISPLAY" >&2; exit 1; }
fi

"$@"
