#!/usr/bin/env bash
# Times whole manifit runs: a 20 x 20 rectangle and three epochs (bench/sheet.ini)
# fitted to a noisy curved two-dimensional sheet of 50 coordinates (fixed
# seed), at 50,000, 100,000 and 200,000 points, on one thread and on every
# thread. Prints the wall time, the processor time (user + system, over all
# threads) and the peak memory of each run, as /usr/bin/time -v reports them.
#
#   bench/run_benchmark.sh [build folder, default build]
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$source_dir/build}" && pwd)"
manifit="$build/manifit"
make_sheet="$build/bench/make_sheet"
for program in "$manifit" "$make_sheet" /usr/bin/time; do
  [[ -x "$program" ]] || { echo "missing $program (build first: cmake --build build)" >&2; exit 1; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

printf "%-8s %-8s %-8s %10s %10s %12s\n" points columns threads "wall (s)" "cpu (s)" "peak (MB)"
for points in 50000 100000 200000; do
  "$make_sheet" "$points" 50 12345 > sheet.txt
  for threads in 1 "$(nproc)"; do
    /usr/bin/time -v "$manifit" -threads "$threads" -d sheet.txt -i "$source_dir/bench/sheet.ini" \
      -n 1 -o sheet.map -p sheet.proj > run.out 2> time.txt
    wall="$(awk -F': ' '/Elapsed \(wall clock\)/ {
      n = split($2, part, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + part[i]; print s }' time.txt)"
    cpu="$(awk -F': ' '/User time|System time/ { s += $2 } END { printf "%.2f", s }' time.txt)"
    peak="$(awk -F': ' '/Maximum resident set size/ { printf "%.1f", $2 / 1024 }' time.txt)"
    printf "%-8s %-8s %-8s %10s %10s %12s\n" "$points" 50 "$threads" "$wall" "$cpu" "$peak"
  done
done
echo "iterations of the last run: $(grep -c '^Ep:' run.out); $(tail -1 run.out)"
