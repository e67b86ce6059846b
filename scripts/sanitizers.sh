#!/usr/bin/env bash
# Builds the whole program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer (leak checks included) and runs the suite.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh asan gioco prove
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
ctest --preset asan -j "$(nproc)" -E installazione "$@"
