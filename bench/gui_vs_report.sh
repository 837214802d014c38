#!/usr/bin/env bash
# Times the statistics window's whole scan (offscreen, real walk, real pages)
# beside quarvo-report --json on the same tree, warm cache, alternating the
# two so that other load on the machine falls on both alike, and prints the
# median of each and their ratio. Not a test: it never fails a build.
#
#   bench/gui_vs_report.sh [TREE] [ROUNDS]   (default /tmp/quarvo-bench/tree-200000, 7)
set -euo pipefail
cd "$(dirname "$0")/.."
tree=${1:-/tmp/quarvo-bench/tree-200000}
rounds=${2:-7}
build=build-bench

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUARVO_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target quarvo-report quarvo-gui-scan >/dev/null
if [ ! -d "$tree" ]; then
  echo "making 200000 files in $tree ..."
  python3 bench/make_tree.py "$tree" 200000
fi

seconds() { # seconds COMMAND... : wall time of one run
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}
median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

gui=() report=()
QT_QPA_PLATFORM=offscreen "$build/bench/quarvo-gui-scan" "$tree"  # warms the cache
for ((i = 0; i < rounds; i++)); do
  gui+=("$(seconds env QT_QPA_PLATFORM=offscreen "$build/bench/quarvo-gui-scan" "$tree")")
  report+=("$(seconds "$build/report/quarvo-report" --json "$tree")")
done
g=$(printf '%s\n' "${gui[@]}" | median)
r=$(printf '%s\n' "${report[@]}" | median)
printf 'window scan            %6.2f s  (median of %d: %s)\n' "$g" "$rounds" "${gui[*]}"
printf 'quarvo-report --json   %6.2f s  (median of %d: %s)\n' "$r" "$rounds" "${report[*]}"
printf 'ratio                  %6.2f\n' "$(echo "$g / $r" | bc -l)"
