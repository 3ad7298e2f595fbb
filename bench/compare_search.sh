#!/usr/bin/env bash
# The whole benchmark run (bench/sheet.ini on a 50-coordinate sheet, 200,000
# points by default) with the full nearest-node search and with the pruned
# one, alternating, several times each. Prints the median wall and processor
# times of each variant, the median processor time of the search per
# iteration (the A of "Time: S+(A,B)"), the ratios full / pruned, and checks
# that both variants wrote the same map and printed the same lines. Given a
# fourth argument, an earlier manifit program, that program runs in place of
# the full search (as it is, without -search): the side-by-side measure of a
# change against the code before it.
#
#   bench/compare_search.sh [build folder, default build] [points] [runs, default 3] [earlier manifit]
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$source_dir/build}" && pwd)"
points="${2:-200000}"
runs="${3:-3}"
earlier="${4:-}"
manifit="$build/manifit"
make_sheet="$build/bench/make_sheet"
if [[ -n "$earlier" ]]; then earlier="$(cd "$(dirname "$earlier")" && pwd)/$(basename "$earlier")"; fi
for program in "$manifit" "$make_sheet" /usr/bin/time ${earlier:+"$earlier"}; do
  [[ -x "$program" ]] || { echo "missing $program (build first: cmake --build build)" >&2; exit 1; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
"$make_sheet" "$points" 50 12345 > sheet.txt

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

for run in $(seq "$runs"); do
  for mode in full pruned; do
    command=("$manifit" -search "$mode")
    if [[ "$mode" == full && -n "$earlier" ]]; then command=("$earlier"); fi
    /usr/bin/time -f "%e %U %S" -o time.txt "${command[@]}" -d sheet.txt \
      -i "$source_dir/bench/sheet.ini" -n 1 -o "$mode.map" > "$mode.out"
    read -r wall user system < time.txt
    echo "$wall" >> "$mode.wall"
    awk -v u="$user" -v s="$system" 'BEGIN { print u + s }' >> "$mode.cpu"
    sed -n 's/.*Time: [0-9]*+(\([0-9]*\),.*/\1/p' "$mode.out" |
      awk '{ s += $1; n++ } END { printf "%.2f\n", s / n / 1000 }' >> "$mode.search"
  done
  cmp -s full.map pruned.map || { echo "the two searches wrote different maps" >&2; exit 1; }
  diff -q <(sed 's/Time.*//; s/Output file.*//' full.out) \
    <(sed 's/Time.*//; s/Output file.*//' pruned.out) > /dev/null ||
    { echo "the two searches printed different lines" >&2; exit 1; }
done

printf "%d points x 50, %d runs each, iterations per run: %s\n" "$points" "$runs" \
  "$(grep -c '^Ep:' pruned.out)"
[[ -n "$earlier" ]] && echo "full: $earlier"
printf "%-8s %10s %10s %22s\n" search "wall (s)" "cpu (s)" "search per iteration (ms cpu)"
for mode in full pruned; do
  printf "%-8s %10s %10s %22s\n" "$mode" "$(median < "$mode.wall")" "$(median < "$mode.cpu")" \
    "$(median < "$mode.search")"
done
awk -v fw="$(median < full.wall)" -v pw="$(median < pruned.wall)" \
  -v fc="$(median < full.cpu)" -v pc="$(median < pruned.cpu)" \
  -v fs="$(median < full.search)" -v ps="$(median < pruned.search)" \
  'BEGIN { printf "ratio full / pruned: wall %.2f, cpu %.2f, search %.2f\n", fw / pw, fc / pc, fs / ps }'
echo "same map and same lines from both searches"
