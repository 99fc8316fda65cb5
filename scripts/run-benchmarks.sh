#!/usr/bin/env bash
# Runs every benchmark program of a Release build, one after another.
set -euo pipefail
build=${1:-build-bench}
for b in "$build"/bench/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" --benchmark_counters_tabular=true
done
