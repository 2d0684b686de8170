#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
# A second argument names the build folder; further ones go to CMake.
# Tests that skipped themselves are listed at the end with their reasons.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-build-tests}
shift || true
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$dir" "$@"
cd "$root/$dir"
status=0
ctest --output-on-failure --parallel "$(nproc)" --timeout 300 || status=$?
# ctest shows a skipped test's name only; its reason is in the log.
log=Testing/Temporary/LastTest.log
if [ -f "$log" ]; then
  awk '
    /: Skipped$/ { reason_next = 1; next }
    reason_next { reason = $0; reason_next = 0; next }
    /^\[  SKIPPED \] [^ ]+ \([0-9]+ ms\)$/ { print "skipped " $4 ": " reason; reason = ""; next }
    /^SKIP: / { sub(/^SKIP: /, ""); print "skipped (" test "): " $0; next }
    /^[0-9]+\/[0-9]+ Testing: / { test = $3 }
  ' "$log"
fi
exit $status
