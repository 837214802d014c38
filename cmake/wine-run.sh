#!/bin/sh
# wine-run.sh WINE PROGRAM [ARGUMENTS...]: runs a Windows program under Wine
# for CTest. Now and then Wine fails to start a program at all, which then
# ends at once with an error status and without a line of output; such a
# start is tried once more. A test program always prints before it can fail,
# so a test that fails for a reason of its own is never run twice.
wine=$1
shift
out=$(mktemp) || exit 1
"$wine" "$@" >"$out"
status=$?
if [ "$status" -ne 0 ] && [ ! -s "$out" ]; then
  "$wine" "$@" >"$out"
  status=$?
fi
cat "$out"
rm -f "$out"
exit "$status"
