#!/usr/bin/env bash
# Starts the program with the example documents. Where there is no display
# to show a window on, says so and exports the examples as pictures instead.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
program="$build/app/curvilinearscope"
if [ ! -x "$program" ]; then
  echo "The program is not built: $program is missing (make run builds it)." >&2
  exit 1
fi
examples=(examples/*.crv)

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set), so no window can be shown."
  echo "Exporting the examples as pictures instead:"
  mkdir -p out
  for doc in "${examples[@]}"; do
    picture="out/$(basename "${doc%.crv}").png"
    "$program" --export "$picture" --size 800 "$doc"
    echo "  $picture"
  done
  exit 0
fi
exec "$program" "${examples[@]}"
