#!/usr/bin/env bash
# Installs what is missing for the game and its tests, builds them and runs
# the whole test suite. Arguments go to ctest (-L desktop, -R tst_zirp7).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh release gioco prove
export QT_QPA_PLATFORM=offscreen
ctest --preset release -j "$(($(nproc) + 4))" --output-on-failure "$@"
