#!/usr/bin/env bash
# Builds the whole program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer (leak checks included) and runs the suite.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh asan gioco prove
# The leak check does not follow __tls_get_addr: GCC 12's sanitizer reads the
# size of a library's thread-local block from a glibc heap header that a
# block made by ASan's own allocator does not have (libjpeg's, loaded with
# Qt's JPEG plugin), and its tracer then crashes on a made-up range. Those
# blocks are ordinary heap blocks that each thread's own storage points to,
# so the check still scans them and a leak is still found.
export QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=print_stacktrace=1 \
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:intercept_tls_get_addr=0
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
