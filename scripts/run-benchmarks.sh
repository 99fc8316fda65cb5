#!/usr/bin/env bash
# Runs every benchmark program of a Release build, one after another; then
# the sampling again in a process with a Qt application, and the whole
# export beside gnuplot.
set -euo pipefail
build=${1:-build-bench}
here=$(cd "$(dirname "$0")" && pwd)
for b in "$build"/bench/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" --benchmark_counters_tabular=true
done

sampling="$build/bench/bench_sampling_qt"
if [ -x "$sampling" ]; then
  # Each side in its own process, taking turns, so neither gains from the
  # other's memory or from a quieter minute of the machine.
  echo "== sampling without and with a Qt application in the process, turns:"
  time_ms() { "$sampling" "$@" --benchmark_filter=BM_Sample3D --benchmark_format=csv 2>/dev/null |
                awk -F, '/BM_Sample3D/ { print $3 }'; }
  without=() with=()
  for _ in 1 2 3; do
    without+=("$(time_ms)")
    with+=("$(time_ms --qt-application)")
  done
  echo "  without: ${without[*]} ms"
  echo "  with:    ${with[*]} ms"
  m_without=$(printf '%s\n' "${without[@]}" | sort -g | sed -n 2p)
  m_with=$(printf '%s\n' "${with[@]}" | sort -g | sed -n 2p)
  awk -v a="$m_with" -v b="$m_without" \
    'BEGIN { printf "  medians %.1f and %.1f ms: with / without = %.2f (goal: within 10 %%)\n", b, a, a / b }'
  echo "== the function dialog's OK to the sampled surface, in the application:"
  "$sampling" --qt-application --benchmark_filter=BM_FunctionDialogOk --benchmark_counters_tabular=true
fi

if command -v gnuplot >/dev/null; then
  bash "$here/../bench/export_vs_gnuplot.sh" "$build"
else
  echo "== gnuplot not installed: the export beside gnuplot is skipped"
fi
