#!/usr/bin/env bash
# Takes the README's picture of the program's window: starts the built program
# with example documents on a virtual X display, sizes the window, tiles the
# documents and captures the window into help/screenshot.png. Builds nothing:
# run `make build` first. Installs Xvfb, xdotool and ImageMagick if missing.
#
#   bash scripts/screenshot.sh [BUILD_DIR] [OUTPUT.png]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
output=${2:-help/screenshot.png}
program="$build/app/curvilinearscope"
display_number=${SCREENSHOT_DISPLAY:-7}
window_width=1000
window_height=700

if [ ! -x "$program" ]; then
  echo "The program is not built: $program is missing (make build builds it)." >&2
  exit 1
fi

missing=()
command -v Xvfb >/dev/null || missing+=(xvfb)
command -v xdotool >/dev/null || missing+=(xdotool)
command -v import >/dev/null || missing+=(imagemagick)
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

# A settings folder of its own, so neither the user's settings nor the
# screenshot's recent files leak into each other.
scratch=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT

Xvfb ":$display_number" -screen 0 1280x900x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=":$display_number"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getdisplaygeometry >/dev/null || { echo "Xvfb did not start on $DISPLAY:" >&2; cat "$scratch/xvfb.log" >&2; exit 1; }

XDG_CONFIG_HOME="$scratch/config" QT_QPA_PLATFORM=xcb \
  "$program" examples/plane-functions.crv examples/space-surface.crv >"$scratch/program.log" 2>&1 &
program_pid=$!
pids=("$program_pid" "${pids[@]}")

window=$(xdotool search --sync --onlyvisible --pid "$program_pid" --name Curvilinearscope | head -n 1)
xdotool windowmove "$window" 0 0 windowsize "$window" "$window_width" "$window_height"
sleep 1
# Window > Tile: the two documents side by side.
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool key --window "$window" alt+w
sleep 0.3
xdotool key --window "$window" t
sleep 1
import -window "$window" "$output"
echo "$output"
