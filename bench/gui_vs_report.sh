#!/usr/bin/env bash
# Times the statistics window's whole scan (offscreen, real walk, real pages)
# beside quarvo-report --json on the same tree, warm cache, alternating the
# two so that other load on the machine falls on both alike, and prints the
# median of each and their ratio, in wall time and in CPU time (user and
# system, all threads), which other load disturbs less. The window's run alone,
# from the click that opens the statistics window to its pages rebuilt, is
# set beside the report's whole process too: it leaves out the start of Qt
# and the building and first painting of the main window. Not a test: it never
# fails a build.
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

times_of() { # times_of COMMAND... : "wall cpu run" seconds of one run; run is
  # what the program says on its standard error as "run SECONDS", or wall
  python3 -c '
import resource, subprocess, sys, time
start = time.monotonic()
done = subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
wall = time.monotonic() - start
used = resource.getrusage(resource.RUSAGE_CHILDREN)
run = next((line.split()[1] for line in done.stderr.splitlines() if line.startswith("run ")), f"{wall:.3f}")
print(f"{wall:.3f} {used.ru_utime + used.ru_stime:.3f} {run}")' "$@"
}
median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

gui=() report=() gui_cpu=() report_cpu=() gui_run=()
QT_QPA_PLATFORM=offscreen "$build/bench/quarvo-gui-scan" "$tree" >/dev/null 2>&1  # warms the cache
for ((i = 0; i < rounds; i++)); do
  read -r wall cpu run < <(times_of env QT_QPA_PLATFORM=offscreen "$build/bench/quarvo-gui-scan" "$tree")
  gui+=("$wall") gui_cpu+=("$cpu") gui_run+=("$run")
  read -r wall cpu run < <(times_of "$build/report/quarvo-report" --json "$tree")
  report+=("$wall") report_cpu+=("$cpu")
done
g=$(printf '%s\n' "${gui[@]}" | median)
r=$(printf '%s\n' "${report[@]}" | median)
gc=$(printf '%s\n' "${gui_cpu[@]}" | median)
rc=$(printf '%s\n' "${report_cpu[@]}" | median)
gr=$(printf '%s\n' "${gui_run[@]}" | median)
printf 'window scan            %6.2f s  (median of %d: %s)\n' "$g" "$rounds" "${gui[*]}"
printf 'quarvo-report --json   %6.2f s  (median of %d: %s)\n' "$r" "$rounds" "${report[*]}"
printf 'ratio                  %6.2f\n' "$(echo "$g / $r" | bc -l)"
printf 'CPU: window %.2f s, report %.2f s, ratio %.2f\n' "$gc" "$rc" "$(echo "$gc / $rc" | bc -l)"
printf 'the window'"'"'s run alone %5.3f s  (median of %d: %s), ratio to the report %.2f\n' \
  "$gr" "$rounds" "${gui_run[*]}" "$(echo "$gr / $r" | bc -l)"
