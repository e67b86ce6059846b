# Sourced by the screenshot scripts. traduzione CODE TEXT prints the
# translation of the Italian TEXT into the language CODE, as the program's
# translations (traduzioni/*_CODE.ts, read with xmllint) give it, and fails
# where none has it; for it, TEXT itself.
traduzione() {
  local lingua=$1 testo=$2 file tradotto
  if [[ $lingua == it ]]; then printf '%s' "$testo"; return; fi
  for file in "$(dirname "${BASH_SOURCE[0]}")"/../traduzioni/*_"$lingua".ts; do
    [[ -f $file ]] || continue
    tradotto=$(xmllint --xpath "string(//message[source=\"$testo\"]/translation)" "$file")
    [[ -n $tradotto ]] && { printf '%s' "$tradotto"; return; }
  done
  echo "«$testo» has no translation into «$lingua» in traduzioni/" >&2
  return 1
}
