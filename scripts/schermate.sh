#!/usr/bin/env bash
# Makes the screenshots that the AppStream metadata and the teachers' guide
# show: the start screen, the menu, each of the nine games and "Chi gioca?"
# (with a class of 20), as PNG files in docs/schermate/. Builds what is missing first, then runs the program built
# in build/release on a private X display of 1024 x 768. Run it again whenever
# the screens change; pictures and colours are drawn at random, so every run
# gives new ones.
#
# With --desktop FOLDER it instead saves every screen, opened as a child
# does, as the desktop tests see it: under the openbox window manager at
# 1024 x 768 and 1920 x 1080, each without and with a 40-pixel panel, and on a
# 3840 x 2160 screen scaled by 2. One folder for each desktop goes in FOLDER.
#
# With --lingua CODE (en, fr, es, de) it shows the game in that language and
# saves the same screenshots, with the same names, in docs/schermate/CODE/.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh release gioco prove >/dev/null
programma=$PWD/build/release/tesselo/tesselo

if [[ ${1:-} == --desktop ]]; then
  cartella=$(realpath -m "${2:?schermate.sh --desktop FOLDER}")
  for desktop in x11:1024x768 x11:1920x1080 denso:2; do
    TESSELO_DESKTOP=$desktop TESSELO_SCHERMATE=$cartella/${desktop//[:.]/_} \
      LD_LIBRARY_PATH=$PWD/build/release/tesselo \
      build/release/tests/desktop/tst_desktop ogniSchermoCopreLAreaDisponibile accantoAUnPannello >/dev/null
  done
  find "$cartella" -name '*.png' | sort
  exit
fi
uscita=$PWD/docs/schermate
lingua=""
if [[ ${1:-} == --lingua ]]; then
  lingua=${2:?schermate.sh --lingua CODE}
  uscita=$uscita/$lingua
fi
mkdir -p "$uscita"

# The windows' titles as the language shown writes them.
. scripts/traduzione.sh
menu_titolo=$(traduzione "${lingua:-it}" "CLICCARE SU UN BOTTONE PER AVVIARE UN GIOCO O PER TERMINARE")
chi_gioca=$(traduzione "${lingua:-it}" "Chi gioca?")

# The program runs with data and cache folders of its own: without a class
# for the start screen, the menu and the games, then with a class of 20 for
# "Chi gioca?". Nothing of the user's own register is read or shown.
private=$(mktemp -d)
trap 'rm -rf "$private"' EXIT
export XDG_DATA_HOME=$private/vuota XDG_CACHE_HOME=$private/cache
classe=$private/classe
QT_QPA_PLATFORM=offscreen build/release/tests/registro/prova_uccisione --prepara "$classe/tesselo/registro.sqlite"

# One game per line: the name of its screenshot, then the place of its button
# on the menu as fractions of the menu window (the middle of the button's box
# on the menu's design surface of 8385 x 5445 twips: columns at 120 and 4200,
# rows 840 twips apart from 120, buttons 3500 x 735).
giochi="uguale-diverso 0.2230 0.0894
insiemi 0.2230 0.2437
quanti-sono 0.2230 0.3979
trova-il-blocco 0.2230 0.5522
strade-1 0.2230 0.7064
strade-2 0.2230 0.8607
tabella 0.7096 0.0894
cosa-cambia 0.7096 0.2437
cosa-resta-uguale 0.7096 0.3979"

# -noreset: the server would start afresh whenever its last client leaves,
# as each xdotool search does, and refuse the program connecting just then.
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash -s "$programma" "$uscita" "$giochi" "$classe" \
  "$menu_titolo" "$chi_gioca" "$lingua" <<'SUL_DISPLAY'
set -euo pipefail
programma=$1 uscita=$2 giochi=$3 classe=$4 menu_titolo=$5 chi_gioca=$6 lingua=$7
opzioni=()
[[ -n $lingua ]] && opzioni=(--lingua "$lingua")
errori=$(mktemp)
trap 'rm -f "$errori"' EXIT
fallito() { echo "schermate: $*" >&2; cat "$errori" >&2; exit 1; }

# Waits (up to 20 s) until a visible window has the title $1, and prints its id.
aspetta_finestra() {
  local i id
  for i in $(seq 200); do
    kill -0 "$pid" 2>/dev/null || fallito "the program ended"
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) || true
    [[ -n $id ]] && { echo "$id"; return; }
    sleep 0.1
  done
  fallito "no window \"$1\" within 20 s"
}

# Waits (up to 20 s) until no visible window has the title $1.
aspetta_chiusura() {
  local i
  for i in $(seq 200); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fallito "the window \"$1\" stayed open"
}

# Waits until the screen has stopped changing (the same picture twice in a
# row, 0.3 s apart), then saves it as $1.
fotografa() {
  local prima="" ora i
  for i in $(seq 60); do
    sleep 0.3
    ora=$(import -window root rgb:- | md5sum)
    if [[ $ora == "$prima" ]]; then
      import -window root -strip "$uscita/$1.png"
      echo "$uscita/$1.png"
      return
    fi
    prima=$ora
  done
  fallito "the screen kept changing for $1"
}

avvia() {
  QT_QPA_PLATFORM=xcb "$programma" "${opzioni[@]}" 2>>"$errori" &
  pid=$!
  aspetta_finestra Form1 >/dev/null
}

chiudi() {
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

apri_menu() {
  xdotool mousemove 512 300 click 1
  aspetta_finestra "$menu_titolo"
}

avvia
fotografa avvio
apri_menu >/dev/null
xdotool mousemove 1023 767
fotografa menu
chiudi

while read -r nome fx fy; do
  avvia
  menu=$(apri_menu)
  # The menu grows to the whole screen as it opens: its size is read once it
  # has stopped changing.
  prima=""
  for i in $(seq 60); do
    geometria=$(xdotool getwindowgeometry --shell "$menu")
    [[ $geometria == "$prima" ]] && break
    prima=$geometria; sleep 0.2
  done
  eval "$geometria"
  x=$(awk -v a="$X" -v l="$WIDTH" -v f="$fx" 'BEGIN { printf "%d", a + l * f }')
  y=$(awk -v a="$Y" -v l="$HEIGHT" -v f="$fy" 'BEGIN { printf "%d", a + l * f }')
  xdotool mousemove "$x" "$y" click 1
  aspetta_chiusura "$menu_titolo"
  xdotool mousemove 1023 767
  fotografa "$nome"
  chiudi
done <<< "$giochi"

XDG_DATA_HOME=$classe avvia
xdotool mousemove 512 300 click 1
# (The title is matched as a regular expression: its question mark escaped.)
aspetta_finestra "${chi_gioca//\?/\\?}" >/dev/null
xdotool mousemove 1023 767
fotografa chi-gioca
chiudi

# Every picture and sound was read from the media folders.
if grep -q "tesselo:" "$errori"; then fallito "the program could not read its media"; fi
SUL_DISPLAY
