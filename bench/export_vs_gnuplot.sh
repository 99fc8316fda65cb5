#!/usr/bin/env bash
# The whole export of z = sin(x)*cos(y) at R = 10 and step 0.01 (about four
# million segments) to a 1000 x 1000 PNG, beside gnuplot's splot of the same
# function to a 1000 x 1000 pngcairo picture with as many segments: 2001
# iso-lines of 2001 samples each (and the two border lines across them).
# Both segment counts are printed: gnuplot's counted in an SVG drawing of
# the same plot. Wall time and peak resident memory of each.
#   bash bench/export_vs_gnuplot.sh [BUILD_DIR]     (default build-bench)
set -euo pipefail
build=${1:-build-bench}
per_unit=${PER_UNIT:-100}  # 1/step
bench="$build/bench/bench_view_export"
app="$build/app/curvilinearscope"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
# Wall time is what the user waits for; CPU time (user + system) beside it
# shows the work spread over the processors, and, in system time, what the
# first touch of fresh memory costs on this machine.
timed() { /usr/bin/time -f "  wall %e s, cpu %U + %S s, peak %M KB" "$@"; }
wall_of() { /usr/bin/time -f "%e" -o "$work/wall" "$@" >/dev/null 2>&1; cat "$work/wall"; }
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
side=$((20 * per_unit + 1))
# Left at its default of 100, "samples" would give each of the 2001 lines
# 100 points: a tenth of the segments.
gnuplot_plot="set samples $side; set isosamples $side,2; splot [-10:10][-10:10] sin(x)*cos(y)"
gnuplot_run=(gnuplot -e "set terminal pngcairo size 1000,1000; set output '$work/gnuplot.png'; $gnuplot_plot")

# gnuplot's segments: the line-tos of the plot's paths in an SVG drawing.
gnuplot -e "set terminal svg size 1000,1000; set output '$work/gnuplot.svg'; unset key; $gnuplot_plot"
gnuplot_segments=$(sed -n '/id="gnuplot_plot_1"/,$p' "$work/gnuplot.svg" | grep -o 'L[0-9.-]' | wc -l)
rm -f "$work/gnuplot.svg"
ours_segments=$("$bench" --once "$work/defined.png" "$per_unit" | awk '{ print $2 }')
echo "== segments: ours $ours_segments, gnuplot $gnuplot_segments"

echo "== from the definition, in one process (sampling, picture, PNG):"
timed "$bench" --once "$work/defined.png" "$per_unit"

if [ -x "$app" ]; then
  "$bench" --save "$work/surface.crv" "$per_unit" >/dev/null
  echo "== sampling alone (to put beside the command line, which reads the sampled file):"
  timed "$bench" --save "$work/again.crv" "$per_unit"
  echo "== command line: curvilinearscope --export OUT.png --size 1000 FILE.crv ($(du -h "$work/surface.crv" | cut -f1) file):"
  timed "$app" --export "$work/cli.png" --size 1000 "$work/surface.crv"
else
  echo "== $app not built: command-line export skipped"
fi

echo "== gnuplot splot, samples $side, isosamples $side,2, pngcairo 1000x1000:"
timed "${gnuplot_run[@]}"

# This machine's speed drifts by a quarter within minutes: the two take
# turns, and the medians are compared.
rounds=${ROUNDS:-5}
ours=() theirs=()
for _ in $(seq "$rounds"); do
  ours+=("$(wall_of "$bench" --once "$work/defined.png" "$per_unit")")
  theirs+=("$(wall_of "${gnuplot_run[@]}")")
done
echo "== $rounds rounds taking turns, wall seconds:"
echo "  from the definition: ${ours[*]}"
echo "  gnuplot:             ${theirs[*]}"
m_ours=$(median "${ours[@]}") m_theirs=$(median "${theirs[@]}")
echo "  medians $m_ours s and $m_theirs s: $(awk -v a="$m_ours" -v b="$m_theirs" 'BEGIN { printf "%.2f", a / b }') of gnuplot's time"
