#!/usr/bin/env bash
# The teachers' guides (Italian and English), the README and the manual pages
# against the program: every media file they name is one the game reads,
# every game they describe is named as on the menu in the guide's language,
# each guide's HTML page is built with all its pictures, and once installed
# the desktop entry, the doc-base registrations and the manual pages lead to
# the installed guides.
#   TESSELO_NUMERO_GIOCHI=<games in the catalogue> guida.sh <build folder> <source folder> <languages, as "it;en;fr;es;de">
set -euo pipefail
: "${TESSELO_NUMERO_GIOCHI:?how many games the catalogue has, as ctest gives it}"
export LC_ALL=C.UTF-8
build=$(realpath "$1")
sorgenti=$(realpath "$2")
IFS=';' read -r -a lingue <<<"${3:-}"
(( ${#lingue[@]} > 1 )) || { echo "guida.sh: no languages given" >&2; exit 1; }
# Each program's manual page in every language: English's is the default
# page, every other language's is named after its code.
pagine_gioco=() pagine_registro=()
for lingua in "${lingue[@]}"; do
  suffisso=.$lingua
  [[ $lingua == en ]] && suffisso=
  pagine_gioco+=("tesselo$suffisso.6.in")
  pagine_registro+=("tesselo-registro$suffisso.1.in")
done
media=$build/tesselo
guida=$sorgenti/docs/guida-insegnanti.md
guida_en=$sorgenti/docs/teachers-guide.md
lavoro=$(mktemp -d "${TMPDIR:-/tmp}/tesselo guida.XXXXXX")
trap 'rm -rf "$lavoro"' EXIT
errori=0
fail() { echo "FAIL: $*"; errori=1; }
command -v desktop-file-validate >/dev/null || { echo "FAIL: desktop-file-validate is missing (scripts/setup.sh installs it)"; exit 1; }
[[ -d $media/voci && -d $media/jpg && -d $media/suoni ]] || { echo "FAIL: no media folders in $media: build first"; exit 1; }

# The voice file of a text, as the game names it: lower case, accents
# dropped, each run of other characters one "_", none at either end.
voce() {
  printf '%s' "$1" | iconv -f UTF-8 -t ASCII//TRANSLIT | tr 'A-Z' 'a-z' \
    | sed -E 's/[^a-z0-9]+/_/g; s/^_//; s/_$//; s/$/.wav/'
}

# Media files named in inline code (Markdown) or anywhere (manual pages,
# roff escapes taken out): each must be a file of the built media tree, in
# the folder given, whatever its letter case, as the game finds it.
nomi_markdown() { grep -o '`[^`<>]*`' "$1" | tr -d '`' | grep -E '\.(jpg|JPG|wav)$' || true; }
nomi_man() { sed -E 's/\\[%&]//g; s/\\-/-/g' "$1" | grep -oE '[A-Za-z0-9_/]+\.(jpg|JPG|wav)' || true; }
controlla_nomi() {
  local documento=$1 nome trovati=0
  while read -r nome; do
    trovati=$((trovati + 1))
    find "$media/jpg" "$media/suoni" "$media/voci" -type f -ipath "*/${nome#/}" | grep -q . \
      || fail "$documento names $nome, which the game does not read"
  done
  ((trovati > 0)) || fail "$documento names no media file at all"
}
# (Loops read from process substitutions, not pipes, so that fail() counts.)
controlla_nomi "the guide" < <(nomi_markdown "$guida")
controlla_nomi "the English guide" < <(nomi_markdown "$guida_en")
controlla_nomi "the README" < <(nomi_markdown "$sorgenti/README.md")
for pagina in "${pagine_gioco[@]}"; do
  controlla_nomi "$pagina" < <(nomi_man "$sorgenti/packaging/$pagina")
done

# Each game a guide describes under its own heading (in the chapter $2) is
# named as its menu button in the guide's language, whose words the game
# speaks from the voices' folder $3.
controlla_giochi() {
  local documento=$1 capitolo=$2 voci=$3 giochi gioco
  giochi=$(sed -n "/^## $capitolo/,/^## /p" "$documento" | sed -n 's/^### //p')
  (($(wc -l <<<"$giochi") == TESSELO_NUMERO_GIOCHI)) ||
    fail "$(basename "$documento") does not describe the $TESSELO_NUMERO_GIOCHI games of the catalogue"
  while read -r gioco; do
    [[ -f $voci/$(voce "$gioco") ]] || fail "$(basename "$documento")'s game «$gioco» is no name on the menu"
  done <<<"$giochi"
}
controlla_giochi "$guida" "Come si gioca" "$media/voci"
controlla_giochi "$guida_en" "How to play" "$media/voci/en"

# An HTML page: made from the current guide $2, titled, in UTF-8, with every
# picture of the guide beside it and nothing fetched from elsewhere.
html_valida() {
  local pagina=$1 sorgente=$2 cartella src
  cartella=$(dirname "$pagina")
  [[ -f $pagina ]] || { fail "no $pagina"; return; }
  grep -q '<title>[^<]' "$pagina" || fail "$pagina has no title"
  grep -qi '<meta charset="utf-8">' "$pagina" || fail "$pagina does not say it is UTF-8"
  grep -qiE '<link|(src|href)="(https?:)?//' "$pagina" && fail "$pagina loads something from elsewhere"
  (($(grep -o '<img ' "$pagina" | wc -l) == $(grep -c '^!\[' "$sorgente"))) \
    || fail "$pagina does not show every picture of the guide"
  while read -r src; do
    [[ -f $cartella/$src ]] || fail "$pagina shows $src, which is not beside it"
  done < <(grep -o '<img src="[^"]*"' "$pagina" | sed 's/^<img src="//; s/"$//')
}
costruita=$build/pacchetto/guida/guida-insegnanti.html
html_valida "$costruita" "$guida"
[[ $costruita -nt $guida ]] || fail "the HTML guide is older than the guide: build again"
costruita_en=$build/pacchetto/guida-en/teachers-guide.html
html_valida "$costruita_en" "$guida_en"
[[ $costruita_en -nt $guida_en ]] || fail "the English HTML guide is older than its guide: build again"
grep -q '<html lang="en">' "$costruita_en" || fail "$costruita_en does not say it is in English"

# The installed tree, in a prefix with a blank and an accent in it.
prefisso="$lavoro/prefisso è"
cmake --install "$build" --prefix "$prefisso" >"$lavoro/install.txt" || { cat "$lavoro/install.txt"; exit 1; }
installata=$prefisso/share/doc/tesselo/guida-insegnanti.html
html_valida "$installata" "$guida"
installata_en=$prefisso/share/doc/tesselo/teachers-guide.html
html_valida "$installata_en" "$guida_en"
entrata=$prefisso/share/applications/tesselo.desktop
desktop-file-validate "$entrata" >"$lavoro/desktop.txt" || true
if grep -v ': hint: ' "$lavoro/desktop.txt" | grep .; then fail "desktop-file-validate"; fi
grep -qx 'Exec=tesselo --apri-cartella' "$entrata" || fail "the desktop entry does not open the photos folder"
[[ $(sed -n '/^\[Desktop Action guida\]/,/^\[/s/^Exec=//p' "$entrata") == "xdg-open \"$installata\"" ]] \
  || fail "the desktop entry's guide action does not open $installata"
[[ $(sed -n '/^\[Desktop Action guida-en\]/,/^\[/s/^Exec=//p' "$entrata") == "xdg-open \"$installata_en\"" ]] \
  || fail "the desktop entry's English guide action does not open $installata_en"
# Each guide names the desktop entry's actions, in its own quotation marks,
# as the desktop menu shows them in its language (English is the entry's
# own, untranslated text).
while read -r azione; do
  grep -qF "«$azione»" "$guida" || fail "the guide does not name the desktop action «$azione»"
done < <(sed -n '/^\[Desktop Action /,$s/^Name\[it\]=//p' "$entrata")
while read -r azione; do
  grep -qF "“$azione”" "$guida_en" || fail "the English guide does not name the desktop action «$azione»"
done < <(sed -n '/^\[Desktop Action /,$s/^Name=//p' "$entrata")
# The guides name the teachers' program as the desktop menu shows it.
registro=$prefisso/share/applications/tesselo-registro.desktop
desktop-file-validate "$registro" >"$lavoro/desktop.txt" || true
if grep -v ': hint: ' "$lavoro/desktop.txt" | grep .; then fail "desktop-file-validate tesselo-registro.desktop"; fi
# The entry's name in a language: Name[CODE], or Name where it has none.
nome_in() { sed -n "s/^Name\[$1\]=//p" "$registro" | grep . || sed -n 's/^Name=//p' "$registro"; }
for documento in "$guida:it" "$guida_en:en"; do
  nome_registro=$(nome_in "${documento##*:}")
  grep -qF "**$nome_registro**" "${documento%:*}" \
    || fail "$(basename "${documento%:*}") does not name the desktop entry «$nome_registro»"
done
grep -qx "Index: $installata" "$prefisso/share/doc-base/tesselo.guida-insegnanti" \
  || fail "the doc-base registration does not name $installata"
grep -qx "Index: $installata_en" "$prefisso/share/doc-base/tesselo.teachers-guide" \
  || fail "the English guide's doc-base registration does not name $installata_en"
# Paths under /usr that the manual pages and the guide give exist in the
# package, which installs under /usr.
for documento in "$guida" "$guida_en" "${pagine_gioco[@]/#/$sorgenti/packaging/}" \
                 "${pagine_registro[@]/#/$sorgenti/packaging/}"; do
  grep -q 'share/doc/tesselo/guida\\\?-insegnanti.html' "$documento" || fail "$documento does not point at the installed guide"
  while read -r percorso; do
    [[ -e $prefisso/${percorso#/usr/} ]] || fail "$(basename "$documento") names $percorso, which the package does not install"
  done < <(sed -E 's/\\[%&]//g; s/\\-/-/g' "$documento" | grep -oE '/usr/[A-Za-z0-9_./-]+' | sed 's/[.]$//' | sort -u)
done

((errori == 0)) || exit 1
echo "guides, README and manual pages agree with the media tree, the menu and the installed tree"
