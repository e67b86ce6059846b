#!/usr/bin/env bash
# Installs what is missing, builds the game and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh release
export QT_QPA_PLATFORM=offscreen
ctest --preset release -j "$(nproc)" "$@"
