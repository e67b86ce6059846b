#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the installed tree and
# starts the installed program far enough to show its start screen.
set -euo pipefail
build=$1
prefix=$(mktemp -d "${TMPDIR:-/tmp}/tesselo installato è.XXXXXX")
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
count() { find "$prefix/$1" -type f -name "$2" | wc -l; }
[[ -x $prefix/bin/tesselo ]] || fail "no launcher in bin/"
[[ -x $prefix/lib/tesselo/tesselo ]] || fail "no executable in lib/tesselo/"
# Sounds are played by a module beside the executable; the executable itself
# does not load Qt Multimedia at start-up.
[[ -f $prefix/lib/tesselo/tesselo-audio.so ]] || fail "no sound module in lib/tesselo/"
if command -v readelf >/dev/null; then
  readelf -d "$prefix/lib/tesselo/tesselo" | grep -q Multimedia && fail "the executable links Qt Multimedia"
  readelf -d "$prefix/lib/tesselo/tesselo-audio.so" | grep -q Multimedia || fail "the sound module does not link Qt Multimedia"
fi
(( $(count lib/tesselo/jpg '*.JPG') == 48 )) || fail "not 48 block pictures"
(( $(find "$prefix/lib/tesselo/jpg" -maxdepth 1 -type f -name '*.jpg' | wc -l) == 12 )) || fail "not 12 attribute pictures"
(( $(count lib/tesselo/suoni '*.wav') == 5 )) || fail "not 5 sounds"
[[ -f $prefix/share/applications/tesselo.desktop ]] || fail "no desktop entry"
[[ -f $prefix/share/icons/hicolor/scalable/apps/tesselo.svg ]] || fail "no scalable icon"
[[ -f $prefix/share/icons/hicolor/48x48/apps/tesselo.png ]] || fail "no PNG icon"
meta=$prefix/share/metainfo/org.example.tesselo.metainfo.xml
[[ -f $meta ]] || fail "no AppStream metadata"
if command -v appstreamcli >/dev/null; then appstreamcli validate --no-net "$meta" >/dev/null || fail "metadata invalid"; fi
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/tesselo.desktop" | grep -v 'hint:' | grep . && fail "desktop entry invalid"
fi

if ! command -v xvfb-run >/dev/null || ! command -v xwininfo >/dev/null; then
  echo "installed tree is complete; xvfb-run or xwininfo missing, start not tried"
  exit 77
fi
# The installed program, started through its launcher from another folder,
# must show its start screen (its window is titled "Form1").
cd /
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  QT_QPA_PLATFORM=xcb "$1/bin/tesselo" 2>"$1/errori.txt" & pid=$!
  for i in $(seq 100); do
    if xwininfo -root -tree | grep -q "\"Form1\""; then kill $pid; wait $pid 2>/dev/null; exit 0; fi
    kill -0 $pid 2>/dev/null || { echo "the program ended"; cat "$1/errori.txt"; exit 1; }
    sleep 0.1
  done
  kill $pid; echo "no start screen within 10 s"; exit 1' _ "$prefix" || fail "installed program did not show its start screen"
if grep -q "tesselo:" "$prefix/errori.txt"; then cat "$prefix/errori.txt"; fail "media not found by the installed program"; fi
echo "installed tree complete; start screen shown"
