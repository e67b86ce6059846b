#!/usr/bin/env bash
# The installed program and its Debian package. Checks the package with
# Debian's tools (lintian, reuse, desktop-file-validate, appstreamcli, man),
# installs the build into a temporary prefix and plays from it, then
# installs the package with dpkg into a throwaway system made of overlays on
# this one, starts the game through its launcher, checks that its start
# screen shows pictures read from the installed folders, and purges the
# package, leaving no file behind. It needs no privileges and changes
# nothing on this machine.
set -euo pipefail
build=$(realpath "$1")
sorgenti=$(realpath "$2")
# The program's languages, Italian first, as the build lists them
# ("it;en;fr;es;de").
IFS=';' read -r -a lingue <<<"${3:-}"
(( ${#lingue[@]} > 1 )) || { echo "installazione.sh: no languages given" >&2; exit 1; }
lavoro=$(mktemp -d "${TMPDIR:-/tmp}/tesselo installato è.XXXXXX")
prefix=$lavoro/prefisso
# What the program keeps in the user's cache (the names' voices, the pictures
# fitted to their boxes) stays in the test's folder.
export XDG_CACHE_HOME=$lavoro/cache
xvfb=""
controlli=()
pulisci() {
  [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null
  ((${#controlli[@]} == 0)) || kill "${controlli[@]}" 2>/dev/null
  rm -rf "$lavoro"
}
trap pulisci EXIT

fail() { echo "FAIL: $*"; exit 1; }
for strumento in cpack lintian reuse desktop-file-validate appstreamcli man dpkg dpkg-deb \
                 Xvfb xwininfo xdotool import strace unshare; do
  command -v "$strumento" >/dev/null || fail "$strumento is missing (scripts/pacchetti-prove.txt lists it, ./test.sh installs it)"
done

# The Debian package and its debugging symbols.
# CPack cannot store a path outside ASCII, as the test folder's name is, under
# the C locale. The symbols are packed with xz at its fastest level: the same
# format and files as the shipped package's, which is only smaller
# (packaging/pacchetto_simboli.cmake).
# The suites run once the build is made, so the package is made of the build
# as it stands. cpack first runs the build tree's "preinstall" target, which
# with make means checking every target of the tree again: some 15 s of
# processor time on two cores, for nothing. Told that the tree is Ninja's,
# whose trees have no such target, cpack goes straight to the install rules,
# the same for every generator, and makes the same package.
LC_ALL=C.UTF-8 cpack -G DEB --config "$build/CPackConfig.cmake" -B "$lavoro/pacchetti" -D CPACK_TESSELO_DBGSYM_XZ=0 \
  -D CPACK_CMAKE_GENERATOR=Ninja >/dev/null || fail "cpack failed"
deb=$(echo "$lavoro"/pacchetti/tesselo_*.deb)
ddeb=$(echo "$lavoro"/pacchetti/tesselo-dbgsym_*.ddeb)
[[ -f $deb && -f $ddeb ]] || fail "cpack made no package or no debugging symbols package"
[[ $(ar t "$ddeb") == $'debian-binary\ncontrol.tar.xz\ndata.tar.xz' ]] \
  || fail "the debugging symbols package is not compressed with xz: $(ar t "$ddeb" | tr '\n' ' ')"
# The source release, made with the same cpack scripts, holds the sources
# and the two commands that build them.
LC_ALL=C.UTF-8 cpack --config "$build/CPackSourceConfig.cmake" -B "$lavoro/sorgenti" >/dev/null \
  || fail "cpack made no source release"
tar -tzf "$lavoro"/sorgenti/tesselo-*.tar.gz >"$lavoro/sorgenti.txt" || fail "the source release is no tar.gz"
for file in CMakeLists.txt run.sh test.sh packaging/separa_simboli.cmake; do
  grep -qx "tesselo-[0-9.]*/$file" "$lavoro/sorgenti.txt" || fail "the source release has no $file"
done

# lintian and reuse read only the packages and the sources: they run beside
# the checks below, and their verdicts are read at the end (controlla).
# Errors and warnings fail; pedantic and informational tags are shown.
lintian --pedantic -I -E --fail-on error,warning "$deb" "$ddeb" >"$lavoro/lintian.txt" 2>/dev/null &
controlli+=($!)
(cd "$sorgenti" && reuse lint) >"$lavoro/reuse.txt" 2>&1 &
controlli+=($!)
controlla() {
  wait "${controlli[0]}" || { cat "$lavoro/lintian.txt"; fail "lintian"; }
  cat "$lavoro/lintian.txt"
  wait "${controlli[1]}" || { cat "$lavoro/reuse.txt"; fail "reuse lint"; }
  controlli=()
}
# The binaries are stripped; their symbols are in the debugging package.
# (grep reads readelf's whole output: with pipefail, grep -q stopping at the
# first match would let readelf die of a broken pipe and fail the check.)
dpkg-deb -x "$deb" "$lavoro/contenuto"
dpkg-deb -x "$ddeb" "$lavoro/simboli"
for elf in lib/games/tesselo/tesselo lib/games/tesselo/tesselo-audio.so bin/tesselo-registro; do
  file=$lavoro/contenuto/usr/$elf
  readelf -S "$file" | grep '\.debug_info' >/dev/null && fail "$elf is not stripped"
  id=$(readelf -n "$file" | awk '/Build ID/ { print $3 }')
  readelf -S "$lavoro/simboli/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug" 2>/dev/null | grep '\.debug_info' >/dev/null \
    || fail "no debugging symbols for $elf"
done

for entrata in tesselo tesselo-registro; do
  desktop-file-validate "$lavoro/contenuto/usr/share/applications/$entrata.desktop" >"$lavoro/desktop.txt" || true
  if grep -v ': hint: ' "$lavoro/desktop.txt" | grep .; then fail "desktop-file-validate $entrata.desktop"; fi
done
# What both programs load by name at run time: the platform plugins, the
# register's SQLite and PostgreSQL drivers, the symbols' emoji font,
# espeak-ng for the children's names; the libraries they link,
# Qt Charts and Print Support among them, through dpkg-shlibdeps.
dipendenze=$(dpkg-deb -f "$deb" Depends)
for pacchetto in qt6-qpa-plugins libqt6sql6-sqlite libqt6sql6-psql fonts-noto-color-emoji espeak-ng libqt6charts6 \
                 libqt6printsupport6 libqt6sql6; do
  grep -qE "(^|, )$pacchetto( |,|$)" <<<"$dipendenze" || fail "the package does not depend on $pacchetto: $dipendenze"
done
# The schema a school's technician applies to the server, the one the tests apply.
cmp -s "$lavoro/contenuto/usr/share/tesselo/postgresql/schema.sql" "$sorgenti/registro/postgresql/schema.sql" \
  || fail "the package does not ship usr/share/tesselo/postgresql/schema.sql as in the sources"
# The learning paths' schema, and every example path in every language.
percorsi=$lavoro/contenuto/usr/share/tesselo/percorsi
[[ -f $percorsi/percorso.schema.json ]] || fail "the package does not ship usr/share/tesselo/percorsi/percorso.schema.json"
esempi=$(find "$sorgenti/percorsi/esempi" -maxdepth 1 -name '*.json' | wc -l)
for lingua in "${lingue[@]}"; do
  (( $(find "$percorsi/$lingua" -maxdepth 1 -type f -name '*.json' | wc -l) == esempi )) \
    || fail "the package does not ship the $esempi example paths in usr/share/tesselo/percorsi/$lingua/"
done

meta=$lavoro/contenuto/usr/share/metainfo/org.example.tesselo.metainfo.xml
appstreamcli validate --pedantic --no-net "$meta" >"$lavoro/appstream.txt" || { cat "$lavoro/appstream.txt"; fail "appstreamcli"; }
if grep -E '^[EWIP]: ' "$lavoro/appstream.txt"; then fail "appstreamcli has remarks"; fi
# Every screenshot the metadata lists is one of the repository's.
grep -o '<image>[^<]*</image>' "$meta" | sed 's#</image>##; s#.*/##' | while read -r png; do
  [[ -f $sorgenti/docs/schermate/$png ]] || fail "the metadata lists $png, not in docs/schermate/"
done

# Both programs' pages in every language: English's in man6/ and man1/
# themselves, every other language's in a folder of its own.
pagine=()
for lingua in "${lingue[@]}"; do
  cartella=usr/share/man/$lingua
  [[ $lingua == en ]] && cartella=usr/share/man
  pagine+=("$cartella/man6/tesselo.6.gz" "$cartella/man1/tesselo-registro.1.gz")
done
for pagina in "${pagine[@]}"; do
  [[ -f $lavoro/contenuto/$pagina ]] || fail "no $pagina"
  LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$lavoro/contenuto/$pagina" \
    2>"$lavoro/man.txt" >/dev/null || fail "man -l $pagina"
  [[ -s $lavoro/man.txt ]] && { cat "$lavoro/man.txt"; fail "man -l $pagina warns"; }
done

# The installed tree, in a prefix of its own.
cmake --install "$build" --prefix "$prefix" >/dev/null
count() { find "$prefix/$1" -type f -name "$2" | wc -l; }
app=$prefix/lib/games/tesselo
[[ -x $prefix/games/tesselo ]] || fail "no launcher in games/"
[[ -x $app/tesselo ]] || fail "no executable in lib/games/tesselo/"
# Sounds are decoded and played by a module beside the executable; the
# executable itself loads neither Qt Multimedia nor libsndfile at start-up,
# nor libxxhash, whose hash it has compiled in.
[[ -f $app/tesselo-audio.so ]] || fail "no sound module in lib/games/tesselo/"
readelf -d "$app/tesselo" >"$lavoro/dinamica.txt"
grep -E 'Multimedia|libsndfile|libxxhash' "$lavoro/dinamica.txt" && fail "the executable links what it needs only later"
readelf -d "$app/tesselo-audio.so" >"$lavoro/dinamica.txt"
grep Multimedia "$lavoro/dinamica.txt" >/dev/null || fail "the sound module does not link Qt Multimedia"
grep libsndfile "$lavoro/dinamica.txt" >/dev/null || fail "the sound module does not link libsndfile"
(( $(count lib/games/tesselo/jpg '*.JPG') == 48 )) || fail "not 48 block pictures"
(( $(find "$app/jpg" -maxdepth 1 -type f -name '*.jpg' | wc -l) == 12 )) || fail "not 12 attribute pictures"
(( $(count lib/games/tesselo/suoni '*.wav') == 5 )) || fail "not 5 sounds"
[[ -f $prefix/share/applications/tesselo.desktop ]] || fail "no desktop entry"
[[ -f $prefix/share/icons/hicolor/scalable/apps/tesselo.svg ]] || fail "no scalable icon"
[[ -f $prefix/share/icons/hicolor/48x48/apps/tesselo.png ]] || fail "no PNG icon"
[[ -f $prefix/share/metainfo/org.example.tesselo.metainfo.xml ]] || fail "no AppStream metadata"
[[ -f $prefix/share/doc/tesselo/copyright ]] || fail "no copyright file"
[[ -x $prefix/bin/tesselo-registro ]] || fail "no tesselo-registro in bin/"
[[ -f $prefix/share/applications/tesselo-registro.desktop ]] || fail "no desktop entry for tesselo-registro"
# The teachers' program's options need no display.
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb XDG_DATA_HOME="$lavoro/dati" "$prefix/bin/tesselo-registro" --help \
  | grep -q -- '--importa FILE.csv' || fail "tesselo-registro --help"
# Its translations stand with the game's, and the program in bin/ finds them.
for lingua in "${lingue[@]:1}"; do
  [[ -f $prefix/lib/games/tesselo/traduzioni/tesselo-registro_$lingua.qm ]] || fail "no tesselo-registro_$lingua.qm"
done
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb XDG_DATA_HOME="$lavoro/dati" "$prefix/bin/tesselo-registro" --lingua de --help \
  | grep -q '^Aufruf: tesselo-registro' || fail "tesselo-registro --lingua de --help"

# One private X display for every start of the program below. Xvfb picks a
# free number itself and writes it once it takes connections. It never
# resets (-noreset): an X server resets when its last client leaves, and
# the program, connecting while a polling xwininfo had just left, was
# refused now and then ("could not connect to display").
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$lavoro/schermo" 2>"$lavoro/xvfb.txt" &
xvfb=$!
for i in $(seq 100); do
  [[ -s $lavoro/schermo ]] && break
  sleep 0.1
done
[[ -s $lavoro/schermo ]] || { cat "$lavoro/xvfb.txt"; fail "Xvfb gave no display"; }
export DISPLAY=:$(<"$lavoro/schermo")

# Waits until the windows of an earlier start have left the display, since
# the next start is recognised by its window. The waits here are for an
# event, each bounded by a minute, far beyond what a loaded machine takes:
# the test runs beside the other suites.
sgombro() {
  for i in $(seq 600); do
    xwininfo -root -tree | grep -q '"Form1"' || return 0
    sleep 0.1
  done
  fail "a window of an earlier start is still on the display"
}

# Waits until the program "$2" shows a window titled "$1" (a regular
# expression), and fails if it ends first; in a subshell, with the program's
# standard error in "$3".
finestra() {
  local i
  for i in $(seq 600); do
    xdotool search --onlyvisible --name "$1" >/dev/null && return 0
    kill -0 "$2" 2>/dev/null || { echo "the program ended"; cat "$3"; exit 1; }
    sleep 0.1
  done
  kill "$2"; echo "no window titled «$1» within 60 s"; exit 1
}

# Starts the program as "$2" from the folder "$1" on the private display, waits
# for its start screen (its window is titled "Form1"), then plays as a child
# with the keyboard would: a click opens the menu, Enter opens "uguale -
# diverso", Enter on "Aiuto" shows the attribute pictures, Tab and Space give
# an answer, which plays a sound. Each key goes once the window it is for is
# on the screen; the keys within the game's window are taken in order. What
# it wrote on standard error is left in "$3"; the program is ended once it
# holds every line the regular expressions after "$3" match (within a
# minute), or shortly after the last key when none is given.
gioca() {
  sgombro
  (
    cd "$1" || exit 1
    QT_QPA_PLATFORM=xcb "$2" 2>"$3" & pid=$!
    errori=$3
    shift 3
    finestra '^Form1$' $pid "$errori"
    sleep 0.5
    xdotool mousemove 500 100 click 1
    finestra '^CLICCARE SU UN BOTTONE' $pid "$errori"
    xdotool key Return
    finestra '^ $' $pid "$errori"
    sleep 0.5
    xdotool key Return; sleep 0.5
    xdotool key Tab; sleep 0.3
    xdotool key space; sleep 0.7
    for atteso in "$@"; do
      for i in $(seq 600); do
        grep -q "$atteso" "$errori" && break
        sleep 0.1
      done
    done
    kill -0 $pid 2>/dev/null || { echo "the program ended while playing"; cat "$errori"; exit 1; }
    kill $pid; wait $pid 2>/dev/null; exit 0
  )
}

# The keyboard play really reaches the media: a copy without its sounds and
# attribute pictures names them on standard error.
incompleta="$lavoro/copia senza suoni"
mkdir -p "$incompleta"
cp -r "$app/tesselo" "$app/jpg" "$incompleta/"
rm -f "$incompleta"/jpg/*.jpg
gioca / "$incompleta/tesselo" "$lavoro/errori.txt" "tesselo: .*/suoni/.*\.wav" "tesselo: .*/jpg/[a-z]*\.jpg" \
  || fail "the copy without sounds did not play"
grep -q "tesselo: .*/suoni/.*\.wav" "$lavoro/errori.txt" || { cat "$lavoro/errori.txt"; fail "the keyboard play gave no answer"; }
grep -q "tesselo: .*/jpg/[a-z]*\.jpg" "$lavoro/errori.txt" || { cat "$lavoro/errori.txt"; fail "the keyboard play showed no help"; }

# The installed program finds every picture and sound wherever it is started
# from: through its launcher from the root folder, as its executable by a
# relative path from another folder, and through a link to the launcher kept
# in a folder of its own.
mkdir -p "$lavoro/collegamenti"
ln -s "$prefix/games/tesselo" "$lavoro/collegamenti/gioco"
avvii=("/|$prefix/games/tesselo" "$prefix/share|../lib/games/tesselo/tesselo" "/tmp|$lavoro/collegamenti/gioco")
for avvio in "${avvii[@]}"; do
  cartella=${avvio%%|*} comando=${avvio#*|}
  gioca "$cartella" "$comando" "$lavoro/errori.txt" || fail "$comando started from $cartella did not play"
  if grep -q "tesselo:" "$lavoro/errori.txt"; then
    cat "$lavoro/errori.txt"; fail "media not found by $comando started from $cartella"
  fi
done
# The pictures those starts fitted to their boxes are kept for the next, in a
# folder of the user's alone.
copie=$XDG_CACHE_HOME/tesselo/figure
[[ $(stat -c %a "$copie" 2>/dev/null) == 700 ]] || fail "no folder of kept pictures for the user alone: $copie"
compgen -G "$copie/*.copia" >/dev/null || fail "no picture fitted to its box was kept in $copie"
if find "$copie" -type f ! -perm 600 | grep .; then fail "kept pictures that others may read"; fi

# The package, installed by dpkg into a throwaway system and removed again.
# The test becomes root of a user namespace of its own (unshare), where /usr
# and /var are overlays: this machine's own files below, and above them a
# layer in memory (tmpfs) that takes every change and goes with the
# namespace. It needs no privileges and leaves this machine as it was.
#
# Two limits of an overlay mounted in a user namespace shape it. A folder
# seen from below belongs to a user the namespace does not know, so no one
# may write in it; and a folder made under a temporary name cannot be
# renamed (EXDEV), which is how dpkg makes its folders. Every folder the
# package holds is therefore made beforehand in the upper layer: dpkg writes
# in them and removes those left empty at purge, as it does on a real system.
# The package database is a copy of this machine's in the upper layer,
# without the lock files, which are made afresh and so belong to the
# namespace's root. The manual page index is not rebuilt (man-db's trigger
# cannot switch to its own user in the namespace), which dpkg reports and
# lets pass.
sistema_provvisorio() {
  local deb=$1 radice=$2
  mkdir -p "$radice"
  mount -t tmpfs -o mode=0755 tmpfs "$radice"
  mkdir -p "$radice"/{usr,var}/{sopra,lavoro}
  local cartella
  dpkg-deb -c "$deb" | awk '$6 ~ /^\.\/usr\/.+\/$/ { print substr($6, 7) }' | while read -r cartella; do
    mkdir -p "$radice/usr/sopra/$cartella"
  done
  tar -C /var/lib -c --exclude=dpkg/info --exclude='dpkg/lock*' --exclude=dpkg/triggers/Lock dpkg \
    | tar -C "$radice/var/sopra" -x --no-same-owner --transform 's#^dpkg#lib/dpkg#'
  mkdir -p "$radice/var/sopra/lib/dpkg/info"
  touch "$radice/var/sopra/lib/dpkg/"{lock,lock-frontend,triggers/Lock}
  # This machine's own folders stay in sight below the overlays, to compare.
  for cartella in usr var; do
    mkdir -p "$radice/sotto/$cartella"
    mount --bind "/$cartella" "$radice/sotto/$cartella"
    mount -t overlay overlay \
      -o "lowerdir=/$cartella,upperdir=$radice/$cartella/sopra,workdir=$radice/$cartella/lavoro" "/$cartella"
  done
}

# In the throwaway system: installs the package, starts the game through its
# launcher, checks that its start screen shows pictures read from the
# installed folder, purges the package and checks that none of its files is
# left.
installa_gioca_rimuovi() {
  local deb=$1 lavoro=$2
  # dpkg, as root, looks for ldconfig and start-stop-daemon in root's PATH.
  PATH=/usr/local/sbin:/usr/sbin:/sbin:$PATH
  sistema_provvisorio "$deb" "$lavoro/radice" || fail "the throwaway system could not be made"
  dpkg --log="$lavoro/dpkg.log" -i "$deb" >"$lavoro/dpkg.txt" 2>&1 || { cat "$lavoro/dpkg.txt"; fail "dpkg -i"; }
  dpkg-query -L tesselo >"$lavoro/file-del-pacchetto.txt"
  # The installed teachers' program makes a class from a school's file, in
  # a register readable by its owner only, with no display.
  printf 'Cognome;Nome\nRossi;Anna\nBianchi;Luca\n' >"$lavoro/classe.csv"
  env -u DISPLAY QT_QPA_PLATFORM=xcb XDG_DATA_HOME="$lavoro/registro installato" \
    /usr/bin/tesselo-registro --importa "$lavoro/classe.csv" >"$lavoro/importa.txt" 2>&1 \
    || { cat "$lavoro/importa.txt"; fail "the installed tesselo-registro --importa"; }
  grep -q '^2 bambini aggiunti' "$lavoro/importa.txt" || { cat "$lavoro/importa.txt"; fail "tesselo-registro did not add 2 children"; }
  [[ $(stat -c %a "$lavoro/registro installato/tesselo/registro.sqlite") == 600 ]] || fail "the register is readable by others"
  # The desktop entry runs "tesselo" from the PATH Debian gives every user.
  [[ $(PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games command -v tesselo || true) == /usr/games/tesselo ]] \
    || fail "the launcher is not /usr/games/tesselo on a user's PATH"

  # Started through its launcher, the start screen shows three block
  # pictures, opened from the installed folder, and complains of nothing.
  # One record per thread (-ff): pictures are read on several threads, and a
  # single record would split their calls into unfinished and resumed halves.
  (
    cd /
    QT_QPA_PLATFORM=xcb strace -ff -qq -e trace=openat -o "$lavoro/aperti" \
      /usr/games/tesselo >/dev/null 2>"$lavoro/errori.txt" & pid=$!
    # The game runs as the child of strace: ending it ends strace.
    fine() { pkill -TERM -P $pid; wait $pid 2>/dev/null; }
    for i in $(seq 1200); do
      if xdotool search --onlyvisible --name '^Form1$' >/dev/null; then
        prima=""
        for j in $(seq 60); do
          sleep 0.3
          ora=$(import -window root rgb:- | md5sum)
          [[ $ora == "$prima" ]] && break
          prima=$ora
        done
        import -window root "$lavoro/avvio.png"
        fine; exit 0
      fi
      kill -0 $pid 2>/dev/null || { echo "the installed program ended"; cat "$lavoro/errori.txt"; exit 1; }
      sleep 0.1
    done
    fine; echo "no start screen within 2 minutes"; exit 1
  ) || fail "the installed program did not show its start screen"
  if grep -q "tesselo:" "$lavoro/errori.txt"; then cat "$lavoro/errori.txt"; fail "the installed program misses media"; fi
  local letti
  letti=$(cat "$lavoro"/aperti.* | grep -E 'openat\(.*"/usr/lib/games/tesselo/jpg/(rosso|giallo|blu)/[a-z]+\.JPG".* = [0-9]+$' | wc -l)
  ((letti >= 3)) || { cat "$lavoro"/aperti.* | grep JPG; fail "the start screen read $letti block pictures from /usr/lib/games/tesselo/jpg"; }

  dpkg --log="$lavoro/dpkg.log" --purge tesselo >"$lavoro/dpkg.txt" 2>&1 || { cat "$lavoro/dpkg.txt"; fail "dpkg --purge"; }
  case $(dpkg-query -W -f='${db:Status-Status}' tesselo 2>/dev/null || true) in
    "" | not-installed) ;;
    *) fail "dpkg still knows tesselo after the purge" ;;
  esac
  local rimasti=0 percorso
  while read -r percorso; do
    if [[ -e $percorso && ! -d $percorso ]]; then echo "left behind: $percorso"; rimasti=1; fi
  done <"$lavoro/file-del-pacchetto.txt"
  for percorso in /usr/lib/games/tesselo /usr/share/doc/tesselo; do
    [[ -e $percorso ]] && { echo "left behind: $percorso"; rimasti=1; }
  done
  ((rimasti == 0)) || fail "the package left files behind"
  tracce "$lavoro/radice" >"$lavoro/tracce.txt"
  [[ -s $lavoro/tracce.txt ]] && { cat "$lavoro/tracce.txt"; fail "the package left traces in the throwaway system"; }
  return 0
}

# What installing and purging changed in /usr and /var, read from the upper
# layers: only folders this machine has, the caches the desktop's triggers
# rebuild, and the package database, none of whose files is the package's.
tracce() {
  local radice=$1 voce relativo
  find "$radice/usr/sopra" "$radice/var/sopra" -mindepth 1 -print0 | while IFS= read -r -d '' voce; do
    relativo=${voce#"$radice"/}
    relativo=/${relativo/\/sopra/}
    if [[ -d $voce && ! -L $voce ]]; then
      [[ -d $radice/sotto$relativo ]] || echo "left behind: $relativo"
    elif [[ -c $voce ]]; then
      echo "removed from the system: $relativo"
    else
      case $relativo in
        /usr/share/applications/mimeinfo.cache | /usr/share/icons/hicolor/icon-theme.cache) ;;
        /var/lib/dpkg/info/tesselo.* | /var/lib/dpkg/info/tesselo:*) echo "left behind: $relativo" ;;
        /var/lib/dpkg/* | /var/cache/man/*) ;;
        *) echo "left behind: $relativo" ;;
      esac
    fi
  done
}

# This machine's own view of the package, before and after: unchanged.
sul_sistema() {
  dpkg-query -W -f='${db:Status-Status}' tesselo 2>/dev/null || true
  ls -d /usr/games/tesselo /usr/lib/games/tesselo /usr/share/doc/tesselo 2>/dev/null || true
}
prima=$(sul_sistema)
unshare --user --map-root-user --mount true 2>/dev/null \
  || fail "unshare cannot make a user namespace here (kernel.unprivileged_userns_clone, or a container that forbids it)"
sgombro
unshare --user --map-root-user --mount \
  bash -c "set -euo pipefail; $(declare -f fail sistema_provvisorio installa_gioca_rimuovi tracce); installa_gioca_rimuovi \"\$@\"" \
  _ "$deb" "$lavoro" || fail "the package in the throwaway system"
controlla
colori=$(convert "$lavoro/avvio.png" -format %k info:)
((colori > 20)) || fail "the start screen shows $colori colours: no pictures on it"
[[ $(sul_sistema) == "$prima" ]] || fail "this machine's own tesselo changed: before «$prima», after «$(sul_sistema)»"
echo "package clean for lintian, reuse, desktop-file-validate, appstreamcli and man;" \
     "installed, started from /usr/games and purged without a trace, in a throwaway system"
