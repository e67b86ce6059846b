#!/usr/bin/env bash
# Builds the whole program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer (leak checks included) and runs the suite.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh asan gioco prove
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1
# Leaks of the system's desktop libraries are suppressed by library name
# (scripts/lsan.supp says why each one is there).
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
esito=0
ctest --preset asan -j "$(nproc)" -E installazione -LE desktop "$@" || esito=$?
# The desktop suites load the display servers' client libraries, built
# without frame pointers: the fast unwinder stops at their first frame, so a
# leak there would name no library. The slow unwinder follows every stack to
# the library that made it, at several times the cost of each allocation, so
# only these suites use it.
LSAN_OPTIONS="$LSAN_OPTIONS:fast_unwind_on_malloc=0" ctest --preset asan -L desktop "$@" || esito=$?
exit "$esito"
