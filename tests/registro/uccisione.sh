#!/bin/bash
# The kill test: the game's code plays with a class and the real register
# writer, and is killed with SIGKILL at a random moment while it writes, again
# and again. After every kill the register passes SQLite's integrity check and
# holds every answer the program printed as written.
#   uccisione.sh <prova_uccisione> <verifica_uccisione> [kills]
# The kills are shared between two registers killed side by side: each kill
# mostly waits (for the first answer, then for its random moment), so two
# take about the time of one.
set -u
prova=$1
verifica=$2
volte=${3:-200}
fail() { echo "FAIL: $*" >&2; exit 1; }

cartella=$(mktemp -d) || fail "no temporary folder"
# On the way out, whatever happened: both loops and the games they started.
trap 'kill -KILL $(jobs -p) $(cat "$cartella"/*/pid 2>/dev/null) 2>/dev/null; rm -rf "$cartella"' EXIT

# A pause that starts no process: a read, with a time limit, from a FIFO that
# no one writes. With a sleep program for every pause, the test took a fifth
# more processor time.
mkfifo "$cartella/pausa" || fail "no FIFO"
exec {pausa}<>"$cartella/pausa"
pausa() { read -r -t "$1" -u "$pausa" _ || true; }

# Kills the game "$2" times while it writes to the register in the folder
# "$1", checking the register after each; prints the answers found.
uccidi() {
    local dove=$1 quante=$2 pid verificate=0 i attesa trovate
    mkdir -p "$dove/runtime" && chmod 0700 "$dove/runtime"
    export XDG_CACHE_HOME=$dove/cache XDG_DATA_HOME=$dove/dati XDG_RUNTIME_DIR=$dove/runtime
    local registro=$dove/registro.sqlite
    "$prova" --prepara "$registro" || fail "the class could not be written"
    for ((i = 1; i <= quante; i++)); do
        : >"$dove/scritte.txt"
        "$prova" --gioca "$registro" >"$dove/scritte.txt" 2>"$dove/errori.txt" {pausa}<&- &
        pid=$!
        echo "$pid" >"$dove/pid"
        # From the first answer written on, a random moment up to a quarter of
        # a second: the game writes some three hundred answers a second, so
        # each kill lands anywhere in one of up to seventy writes.
        for ((attesa = 0; attesa < 3000; attesa++)); do
            [ -s "$dove/scritte.txt" ] && break
            kill -0 "$pid" 2>/dev/null || fail "kill $i: the program ended by itself: $(cat "$dove/errori.txt")"
            pausa 0.01
        done
        [ -s "$dove/scritte.txt" ] || fail "kill $i: no answer written in 30 s: $(cat "$dove/errori.txt")"
        printf -v attesa '0.%03d' $((RANDOM % 250))
        pausa "$attesa"
        kill -KILL "$pid"
        wait "$pid" 2>/dev/null
        pid=
        : >"$dove/pid"
        "$verifica" "$registro" "$dove/scritte.txt" >"$dove/trovate.txt" || fail "kill $i"
        read -r trovate <"$dove/trovate.txt"
        verificate=$((verificate + trovate))
    done
    echo "$verificate"
}

inizio=$SECONDS
uccidi "$cartella/a" $((volte / 2)) >"$cartella/a.txt" &
primo=$!
uccidi "$cartella/b" $((volte - volte / 2)) >"$cartella/b.txt" &
secondo=$!
wait "$primo" || fail "in the first register"
wait "$secondo" || fail "in the second register"
verificate=$(($(<"$cartella/a.txt") + $(<"$cartella/b.txt")))
echo "$volte kills in $((SECONDS - inizio)) s: every one of $verificate answers printed as written was in the register, which passed its integrity check each time"
