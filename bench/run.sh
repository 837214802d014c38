#!/usr/bin/env bash
# Times quarvo-report, with its default threads (two per core, at most four), one and two, against the
# bare single-threaded walk (bench/bare_walk.c: readdir and one statx per
# entry, the floor), du, ncdu and gdu on the same trees, in one run: the
# tools take turns run by run and each figure is the median of ROUNDS runs,
# so load from other work on the machine spreads over all of them alike. Warm
# cache always; cold (page cache dropped before every run) where the machine
# permits it. Then counts that load does not change:
# system calls (strace -c -f) and user-space instructions (callgrind).
# Not a test: it never fails a build.
#
#   bench/run.sh [WORK_FOLDER]   (default /tmp/quarvo-bench)
#   ROUNDS=7 COLD=1 COUNTS=1     (the defaults; 0 leaves a part out)
set -euo pipefail
cd "$(dirname "$0")/.."
work=${1:-/tmp/quarvo-bench}
rounds=${ROUNDS:-7}
build=build-bench

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUARVO_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target quarvo-report >/dev/null
report="$build/report/quarvo-report"
bare="$build/bare_walk"
cc -O2 -o "$bare" bench/bare_walk.c

make_tree() { # make_tree FOLDER FILES [--flat]
  if [ ! -d "$1" ]; then
    echo "making $2 files in $1 ..."
    python3 bench/make_tree.py "$1" "$2" 1 ${3:-}
  fi
}

tools=("bare walk" "quarvo-report --json" "... --threads 1" "... --threads 2" "du -s" "ncdu -o"
       "gdu -n")
command_for() { # command_for INDEX TREE: sets cmd
  case $1 in
    0) cmd=("$bare" "$2") ;;
    1) cmd=("$report" --json "$2") ;;
    2) cmd=("$report" --json --threads 1 "$2") ;;
    3) cmd=("$report" --json --threads 2 "$2") ;;
    4) cmd=(du -s "$2") ;;
    5) cmd=(ncdu -0 -o /dev/null "$2") ;;
    6) cmd=(gdu -n -p -s "$2") ;;
  esac
}
available() { # available INDEX
  case $1 in 5) command -v ncdu ;; 6) command -v gdu ;; *) true ;; esac >/dev/null
}

can_drop() { sync && echo 3 2>/dev/null >/proc/sys/vm/drop_caches; }

median() { sort -g | awk '{v[NR]=$1} END{print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }

measure() { # measure TREE warm|cold
  local log load; log=$(mktemp)
  load=$(cut -d' ' -f1 /proc/loadavg)
  for ((r = 0; r < rounds; r++)); do
    for i in "${!tools[@]}"; do
      available "$i" || continue
      [ "$2" = cold ] && can_drop
      # time writes to a file of its own, so the tool's output can be dropped.
      command_for "$i" "$1"
      /usr/bin/time -f "%e %U %S %M" -o "$timing" "${cmd[@]}" >/dev/null 2>&1 || true
      echo "$i $(tail -n 1 "$timing")" >>"$log"
    done
  done
  local floor=""
  # The machine's load, before and after: figures taken under load say little.
  printf '  %-22s %8s %8s %7s %10s   load %s -> %s\n' "$2 cache" "wall s" "cpu s" "x bare" \
    "peak KiB" "$load" "$(cut -d' ' -f1 /proc/loadavg)"
  for i in "${!tools[@]}"; do
    available "$i" || continue
    local wall cpu mem
    wall=$(awk -v i="$i" '$1==i {print $2}' "$log" | median)
    cpu=$(awk -v i="$i" '$1==i {print $3+$4}' "$log" | median)
    mem=$(awk -v i="$i" '$1==i && $5>m {m=$5} END{print m}' "$log")
    [ -z "$floor" ] && floor=$wall
    printf '  %-22s %8.2f %8.2f %7.2f %10d\n' "${tools[$i]}" "$wall" "$cpu" \
      "$(awk "BEGIN{print $wall / $floor}")" "$mem"
  done
  rm -f "$log"
}

counts() { # counts TREE: system calls and user-space instructions
  echo "  system calls (strace -c -f):"
  for i in 0 1; do
    command_for "$i" "$1"
    strace -c -f -o "$timing" "${cmd[@]}" >/dev/null 2>&1
    printf '    %-22s %s\n' "${tools[$i]}" "$(awk '/^ *[0-9]/ && $NF!="total" && $4>1000 \
      {printf "%s %s, ", $NF, $4} $NF=="total" {t=$4} END{print "total " t}' "$timing")"
  done
  echo "  user-space instructions (callgrind):"
  for i in 0 1; do
    command_for "$i" "$1"
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "${cmd[@]}" 2>&1 >/dev/null |
      awk -v c="${tools[$i]}" '/Collected/ {printf "    %-22s %s\n", c, $4}'
  done
}

timing=$(mktemp)
trap 'rm -f "$timing"' EXIT

for spec in "200000" "200000 --flat"; do
  read -r files flat <<<"$spec"
  tree="$work/tree-$files${flat:+-flat}"
  make_tree "$tree" "$files" "$flat"
  echo "== $tree: $files files, $(find "$tree" -type d | wc -l) folders"
  du -s "$tree" >/dev/null  # warm the cache
  measure "$tree" warm
  if [ "${COLD:-1}" != 0 ]; then
    if can_drop; then measure "$tree" cold; else echo "  (cold: dropping the page cache is not permitted here)"; fi
  fi
  if [ "${COUNTS:-1}" != 0 ]; then counts "$tree"; fi
done
