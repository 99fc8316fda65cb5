#!/usr/bin/env bash
# Starts the program with the example documents.
set -euo pipefail
build=${1:-build}
if [ ! -x "$build/app/curvilinearscope" ]; then
  echo "The program is not built yet: only the engine and the document core exist so far."
  exit 0
fi
exec "$build/app/curvilinearscope" examples/*.crv
