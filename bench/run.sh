#!/usr/bin/env bash
# Times quarvo-report against du on the same trees, warm cache, in one run,
# and shows peak memory. Not a test: it never fails a build.
#
#   bench/run.sh [WORK_FOLDER]        (default /tmp/quarvo-bench)
set -euo pipefail
cd "$(dirname "$0")/.."
work=${1:-/tmp/quarvo-bench}
build=build-bench

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUARVO_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target quarvo-report >/dev/null
report="$build/report/quarvo-report"

make_tree() { # make_tree FOLDER FILES
  if [ ! -d "$1" ]; then
    echo "making $2 files in $1 ..."
    python3 bench/make_tree.py "$1" "$2"
  fi
}

measure() { # measure LABEL COMMAND... : best of three, seconds and peak KiB
  local label=$1 best="" mem=""
  shift
  for _ in 1 2 3; do
    local out
    # time writes to a file of its own, so the command's output can be dropped.
    /usr/bin/time -f "%e %M" -o "$timing" "$@" >/dev/null 2>/dev/null || true
    out=$(tail -n 1 "$timing")
    local secs=${out% *} kib=${out#* }
    if [ -z "$best" ] || awk "BEGIN{exit !($secs < $best)}"; then best=$secs; fi
    mem=$kib
  done
  printf '%-28s %6.2f s  %8d KiB peak\n' "$label" "$best" "$mem"
}

timing=$(mktemp)
trap 'rm -f "$timing"' EXIT

for files in 50000 200000; do
  tree="$work/tree-$files"
  make_tree "$tree" "$files"
  du -s "$tree" >/dev/null  # warm the cache
  echo "== $files files, $(find "$tree" -type d | wc -l) folders"
  measure "du -s" du -s "$tree"
  measure "du -s --apparent-size" du -s --apparent-size "$tree"
  measure "quarvo-report --json" "$report" --json "$tree"
done
