#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh release gioco
exec ./build/release/tesselo/tesselo "$@"
