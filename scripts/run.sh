#!/usr/bin/env bash
# Installs what is needed, builds, and runs the manager against the emulated phone.
# Without a display it runs the manager under Xvfb, presses "Full Refresh", saves a screenshot of
# the main window as a PNG, says where, and ends.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build
program="$PWD/build/bin/zav3manager"

if [ -n "${DISPLAY:-}" ]; then
  exec "$program"
fi

shot="$PWD/build/zav3manager-screenshot.png"
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
export DISPLAY="$display"
sleep 1

"$program" &
manager_pid=$!
window=""
for _ in $(seq 1 50); do
  window=$(xdotool search --name '^ZAV3 Manager 1\.7\.1$' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
if [ -z "$window" ]; then
  echo "The manager's window did not appear." >&2
  kill "$manager_pid" 2>/dev/null || true
  exit 1
fi
sleep 1
# "Full Refresh" sits at 8, 32 (79 x 25) in the button panel; then close "Update done!".
xdotool mousemove --window "$window" 47 44 click 1
sleep 2
xdotool key --clearmodifiers Return
sleep 1
import -window "$window" "$shot"
kill "$manager_pid" 2>/dev/null || true
wait "$manager_pid" 2>/dev/null || true
echo "Screenshot of the main window: $shot"
