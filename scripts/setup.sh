#!/usr/bin/env bash
# Installs the Debian packages missing from the lists named after the preset
# (scripts/pacchetti-<list>.txt: "gioco", the default, for building and
# playing; "prove" for the test suite), then configures and builds that
# preset. Shared by run.sh, test.sh and the other scripts.
#   scripts/setup.sh [PRESET [LIST...]]
set -euo pipefail
cd "$(dirname "$0")/.."

preset=${1:-release}
(($#)) && shift
liste=("${@:-gioco}")

missing=()
for lista in "${liste[@]}"; do
  file=scripts/pacchetti-$lista.txt
  [[ -f $file ]] || { echo "setup.sh: no package list $file" >&2; exit 1; }
  for p in $(sed 's/#.*//' "$file"); do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
  done
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  if [[ $(id -u) -eq 0 ]]; then SUDO=(); else SUDO=(sudo); fi
  "${SUDO[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
