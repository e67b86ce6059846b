#!/usr/bin/env bash
# Runs the path reader under libFuzzer, with AddressSanitizer and
# UndefinedBehaviorSanitizer, for the seconds given (60 by default), from the
# example paths: a crash, a leak or a path that does not read back the same
# stops it, and leaves the input that did it in build/fuzz/.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang++ >/dev/null || { echo "fuzz.sh: clang++ is missing (Debian's package clang)" >&2; exit 1; }
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_percorso tesselo_esempi_percorsi -j "$(nproc)"
corpus=build/fuzz/corpus-percorsi
mkdir -p "$corpus"
for esempio in build/fuzz/condivisi/percorsi/*/*.json; do
  lingua=$(basename "$(dirname "$esempio")")
  cp "$esempio" "$corpus/$lingua-$(basename "$esempio")"
done
cd build/fuzz
./tests/regole/fuzz_percorso -max_total_time="${1:-60}" -max_len=4096 corpus-percorsi
