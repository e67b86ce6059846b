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

if ! command -v xvfb-run >/dev/null || ! command -v xwininfo >/dev/null || ! command -v xdotool >/dev/null; then
  echo "installed tree is complete; xvfb-run, xwininfo or xdotool missing, start not tried"
  exit 77
fi

# Starts the program as "$2" from the folder "$1" on a private display, waits
# for its start screen (its window is titled "Form1"), then plays as a child
# with the keyboard would: a click opens the menu, Enter opens "uguale -
# diverso", Enter on "Aiuto" shows the attribute pictures, Tab and Space give
# an answer, which plays a sound. What it wrote on standard error is left in
# "$3".
gioca() {
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    cd "$1" || exit 1
    QT_QPA_PLATFORM=xcb "$2" 2>"$3" & pid=$!
    for i in $(seq 100); do
      if xwininfo -root -tree | grep -q "\"Form1\""; then
        sleep 0.5
        xdotool mousemove 500 100 click 1; sleep 0.7
        xdotool key Return; sleep 0.7
        xdotool key Return; sleep 0.5
        xdotool key Tab; sleep 0.3
        xdotool key space; sleep 0.7
        kill -0 $pid 2>/dev/null || { echo "the program ended while playing"; cat "$3"; exit 1; }
        kill $pid; wait $pid 2>/dev/null; exit 0
      fi
      kill -0 $pid 2>/dev/null || { echo "the program ended"; cat "$3"; exit 1; }
      sleep 0.1
    done
    kill $pid; echo "no start screen within 10 s"; exit 1' _ "$@"
}

# The keyboard play really reaches the media: a copy without its sounds and
# attribute pictures names them on standard error.
incompleta="$prefix/copia senza suoni"
mkdir -p "$incompleta"
cp -r "$prefix/lib/tesselo/tesselo" "$prefix/lib/tesselo/jpg" "$incompleta/"
rm -f "$incompleta"/jpg/*.jpg
gioca / "$incompleta/tesselo" "$prefix/errori.txt" || fail "the copy without sounds did not play"
grep -q "tesselo: .*/suoni/.*\.wav" "$prefix/errori.txt" || { cat "$prefix/errori.txt"; fail "the keyboard play gave no answer"; }
grep -q "tesselo: .*/jpg/[a-z]*\.jpg" "$prefix/errori.txt" || { cat "$prefix/errori.txt"; fail "the keyboard play showed no help"; }

# The installed program finds every picture and sound wherever it is started
# from: through its launcher from the root folder, as its executable by a
# relative path from another folder, and through a link to the launcher kept
# in a folder of its own.
mkdir -p "$prefix/collegamenti"
ln -s "$prefix/bin/tesselo" "$prefix/collegamenti/gioco"
avvii=("/|$prefix/bin/tesselo" "$prefix/share|../lib/tesselo/tesselo" "/tmp|$prefix/collegamenti/gioco")
for avvio in "${avvii[@]}"; do
  cartella=${avvio%%|*} comando=${avvio#*|}
  gioca "$cartella" "$comando" "$prefix/errori.txt" || fail "$comando started from $cartella did not play"
  if grep -q "tesselo:" "$prefix/errori.txt"; then
    cat "$prefix/errori.txt"; fail "media not found by $comando started from $cartella"
  fi
done
echo "installed tree complete; the installed program plays from every folder"
