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
  # A target's words (fuzz/<name>.dict), so that mutations reach the keywords.
  dict="fuzz/${name#fuzz_}.dict"
  dict_option=""
  [ -f "$dict" ] && dict_option="-dict=$dict"
  echo "== $name for ${seconds}s"
  "$f" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 $dict_option "$corpus" $seeds
done
