#!/usr/bin/env bash
# Installs the Debian packages the game needs (only those missing), then
# configures and builds the release build. Shared by run.sh and test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  cmake g++ make
  qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins qt6-translations-l10n
  libgl-dev fonts-liberation2
  xvfb xauth imagemagick xdotool
  pulseaudio pulseaudio-utils
  appstream desktop-file-utils x11-utils dpkg-dev
  lintian reuse man-db strace procps
  openbox weston qt6-wayland
  espeak-ng
  cmark-gfm
  sox
  libsndfile1-dev
  libxxhash-dev pkg-config
)

missing=()
for p in "${PACKAGES[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  if [[ $(id -u) -eq 0 ]]; then SUDO=(); else SUDO=(sudo); fi
  "${SUDO[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

preset=${1:-release}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
