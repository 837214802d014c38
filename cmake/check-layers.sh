#!/usr/bin/env bash
# Checks that the includes between the program's folders run one way only.
# The table below names, for each folder, the folders it may include besides
# itself; a line may name only folders on lines above it, so no chain of
# includes can lead back up. A subfolder (system/win32, toolkit/chart) counts
# as its top folder here; besides, no two folders at any depth may include
# each other. tests/ and bench/ may use everything. Prints each wrong include
# and fails.
set -euo pipefail
cd "$(dirname "$0")/.."

# folder: the folders it may include
layers='
# the core: no Qt, plain C++ over the platform
text:
system:   text
collect:  text system
listings: text system collect
# the controls: nothing of Quarvo
toolkit:
# the windows: forms/ holds what they share, setup/ the scan set-up dialogs
forms:    text system collect listings toolkit
setup:    text system collect listings toolkit forms
views:    text system collect listings toolkit forms setup
app:      text system collect listings toolkit forms setup views
# the program without a window
report:   text system collect listings
'

folders=$(git ls-files | sed -n 's#/.*##p' | sort -u | tr '\n' ' ')

git ls-files '*.c' '*.cpp' '*.h' ':!:tests/' ':!:bench/' |
  awk -v table="$layers" -v folders="$folders" '
    function top(path) { sub(/\/.*/, "", path); return path }
    function dir(path) { if (!sub(/\/[^\/]*$/, "", path)) return "."; return path }
    function check(file, at, header,    from, to, a, b) {
      from = top(file); to = top(header)
      if (!(to in tree)) return
      if (!(from in layer)) { unlisted[from] = 1; return }
      if (to != from && !((from, to) in may)) {
        print file ":" at ": includes " header "; " from "/ may include only" \
          (allowed[from] == "" ? " itself" : allowed[from])
        bad = 1
      }
      a = dir(file); b = dir(header)
      if (a != b && !((a, b) in seen)) seen[a, b] = file ":" at
    }
    BEGIN {
      n = split(folders, list, " ")
      for (i = 1; i <= n; i++) tree[list[i]] = 1
      n = split(table, lines, "\n")
      for (i = 1; i <= n; i++) {
        line = lines[i]
        sub(/#.*/, "", line)
        if (line !~ /:/) continue
        folder = line; sub(/[[:space:]]*:.*/, "", folder); sub(/^[[:space:]]*/, "", folder)
        names = line; sub(/^[^:]*:/, "", names)
        m = split(names, below, " ")
        for (j = 1; j <= m; j++) {
          if (!(below[j] in layer)) {
            print "layer table: " folder "/ names " below[j] "/, which is not on a line above it"
            bad = 1
          }
          may[folder, below[j]] = 1
          allowed[folder] = allowed[folder] " " below[j] "/"
        }
        layer[folder] = 1
      }
    }
    {
      file = $0
      at = 0
      while ((getline text < file) > 0) {
        at++
        if (text !~ /^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]*\//) continue
        match(text, /"[^"]+"/)
        check(file, at, substr(text, RSTART + 1, RLENGTH - 2))
      }
      close(file)
    }
    END {
      for (f in unlisted) { print f "/ has no line in the layer table of cmake/check-layers.sh"; bad = 1 }
      for (k in seen) {
        split(k, pair, SUBSEP)
        if (pair[1] < pair[2] && ((pair[2], pair[1]) in seen)) {
          print pair[1] "/ and " pair[2] "/ include each other: " seen[k] " and " seen[pair[2], pair[1]]
          bad = 1
        }
      }
      exit bad
    }'
