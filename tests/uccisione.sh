#!/bin/bash
# The kill test: the game's code plays with a class and the real register
# writer, and is killed with SIGKILL at a random moment while it writes, again
# and again. After every kill the register passes SQLite's integrity check and
# holds every answer the program printed as written.
#   uccisione.sh <prova_uccisione> [kills]
set -u
prova=$1
volte=${2:-200}
fail() { echo "FAIL: $*" >&2; exit 1; }

cartella=$(mktemp -d) || fail "no temporary folder"
trap 'kill -KILL "${pid:-}" 2>/dev/null; rm -rf "$cartella"' EXIT
export XDG_CACHE_HOME=$cartella/cache XDG_DATA_HOME=$cartella/dati XDG_RUNTIME_DIR=$cartella/runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"
registro=$cartella/registro.sqlite
"$prova" --prepara "$registro" || fail "the class could not be written"

inizio=$SECONDS
verificate=0
for ((i = 1; i <= volte; i++)); do
    : >"$cartella/scritte.txt"
    "$prova" --gioca "$registro" >"$cartella/scritte.txt" 2>"$cartella/errori.txt" &
    pid=$!
    # From the first answer written on, a random moment up to half a second.
    for ((attesa = 0; attesa < 600; attesa++)); do
        [ -s "$cartella/scritte.txt" ] && break
        kill -0 "$pid" 2>/dev/null || fail "kill $i: the program ended by itself: $(cat "$cartella/errori.txt")"
        sleep 0.05
    done
    [ -s "$cartella/scritte.txt" ] || fail "kill $i: no answer written in 30 s: $(cat "$cartella/errori.txt")"
    sleep "0.$(printf %03d $((RANDOM % 500)))"
    kill -KILL "$pid"
    wait "$pid" 2>/dev/null
    pid=
    trovate=$("$prova" --verifica "$registro" "$cartella/scritte.txt") || fail "kill $i"
    verificate=$((verificate + trovate))
done
echo "$volte kills in $((SECONDS - inizio)) s: every one of $verificate answers printed as written was in the register, which passed its integrity check each time"
