#!/usr/bin/env bash
# Makes the teachers' guide's screenshots of the class register,
# docs/schermate/registro-classe.png, registro-bambino.png,
# registro-percorsi.png and registro-dialogo-classe.png: fills a register in
# a temporary folder with a made-up class of 24 children over three months
# (registro_inventato), the first example path given to the whole class and
# each child some way along it, then shows tesselo-registro on a private X
# display of 1024 x 768 under openbox and photographs the class at a glance,
# one child's page, the paths' page and the class's dialog (its name, year
# and "Leggi le domande"). With a folder as argument, it saves them there
# instead, also at 1920 x 1080, to look at. With --lingua CODE first (en,
# fr, es, de; or TESSELO_LINGUA=CODE), it shows the program in that
# language and saves the pictures in docs/schermate/CODE/ (or the folder
# given).
set -euo pipefail
cd "$(dirname "$0")/.."
lingua=${TESSELO_LINGUA:-it}
if [[ ${1:-} == --lingua ]]; then
  lingua=${2:?schermate-registro.sh --lingua CODE [FOLDER]}
  shift 2
fi
for strumento in xvfb-run openbox xdotool import; do
  command -v "$strumento" >/dev/null || { echo "schermate-registro: $strumento is missing (./test.sh installs it)" >&2; exit 1; }
done
# Only the two programs it runs: the guide, which shows these pictures, is
# built from them.
cmake --preset release >/dev/null
cmake --build build/release --target tesselo-registro registro_inventato tesselo_esempi_percorsi >/dev/null
predefinita=docs/schermate
[[ $lingua != it ]] && predefinita=docs/schermate/$lingua
uscita=$(realpath -m "${1:-$predefinita}")
mkdir -p "$uscita"
dati=$(mktemp -d)
trap 'rm -rf "$dati"' EXIT
# The path in the language shown, as "Importa gli esempi" would add it.
esempio=build/release/condivisi/percorsi/$lingua/prime-forme-e-colori.json
build/release/tests/insegnanti/registro_inventato "$dati/tesselo/registro.sqlite" 24 3 20 "$esempio" >/dev/null
dimensioni=1024x768
# The letters that open its two pages (Alt with the underlined letter of the
# page's tab), as the language shown writes them.
. scripts/traduzione.sh
pagina_classe=$(traduzione "$lingua" "I risul&tati della classe")
pagina_bambino=$(traduzione "$lingua" "Un &bambino")
rinomina_classe=$(traduzione "$lingua" "Rino&mina la classe...")
tasto() { local dopo=${1#*&}; printf 'alt+%s' "${dopo:0:1}" | tr 'A-Z' 'a-z'; }
[[ $# -gt 0 ]] && dimensioni="1024x768 1920x1080"

for dimensione in $dimensioni; do
  suffisso=""
  [[ $# -gt 0 ]] && suffisso=-$dimensione
  xvfb-run -a -s "-screen 0 ${dimensione}x24 -noreset" bash -s "$PWD/build/release/tesselo/tesselo-registro" \
    "$dati" "$uscita" "$suffisso" "$lingua" "$(tasto "$pagina_classe")" "$(tasto "$pagina_bambino")" \
    "$(tasto "$rinomina_classe" | sed 's/^alt+//')" <<'SUL_DISPLAY'
set -euo pipefail
programma=$1 dati=$2 uscita=$3 suffisso=$4 lingua=$5 tasto_classe=$6 tasto_bambino=$7 tasto_rinomina=$8
opzioni=()
[[ $lingua != it ]] && opzioni=(--lingua "$lingua")
openbox >/dev/null 2>&1 & wm=$!
XDG_DATA_HOME=$dati "$programma" "${opzioni[@]}" 2>/dev/null & pid=$!
trap 'kill $pid $wm 2>/dev/null' EXIT
for i in $(seq 200); do
  id=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -1) || true
  [[ -n $id ]] && break
  sleep 0.1
done
[[ -n $id ]] || { echo "schermate-registro: no window within 20 s" >&2; exit 1; }
# The window fills the screen, as a teacher would have it; the pictures show
# the window alone.
xdotool windowmove --sync "$id" 0 0 windowsize --sync "$id" 100% 100% windowactivate --sync "$id"
sleep 1
# The pages are reached from the keyboard: Alt with the underlined letter of
# the class's results' tab, then of one child's; the paths' page is the
# tab whose letter the period's label shares: the second Alt with it.
xdotool key "$tasto_classe"; sleep 1.5
import -window "$id" "$uscita/registro-classe$suffisso.png"
xdotool key "$tasto_bambino"; sleep 2
import -window "$id" "$uscita/registro-bambino$suffisso.png"
xdotool key alt+p; sleep 0.5; xdotool key alt+p; sleep 2
import -window "$id" "$uscita/registro-percorsi$suffisso.png"
# The class's dialog, from the menu «Registro», the first of the bar (Alt
# alone reaches it in every language; a page may share its letter): the
# window that opens last.
xdotool key alt; sleep 0.5; xdotool key Return; sleep 0.5; xdotool key "$tasto_rinomina"; sleep 1.5
dialogo=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -vx "$id" | tail -1) || true
[[ -n $dialogo ]] || { echo "schermate-registro: the class's dialog did not open" >&2; exit 1; }
import -window "$dialogo" "$uscita/registro-dialogo-classe$suffisso.png"
xdotool key Escape
SUL_DISPLAY
done
ls "$uscita"/registro-*.png
