#!/usr/bin/env bash
# Runs every fuzz target for the given number of seconds, each with its own
# corpus folder (kept out of the repository).
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-300}
for f in "$build"/fuzz/fuzz_*; do
  [ -x "$f" ] || continue
  name=$(basename "$f")
  corpus="fuzz/corpus-$name"
  mkdir -p "$corpus"
  seeds="fuzz/seeds/${name#fuzz_}"
  [ -d "$seeds" ] || seeds=""
  echo "== $name for ${seconds}s"
  "$f" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 "$corpus" $seeds
done
