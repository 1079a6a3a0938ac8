#!/usr/bin/env bash
# The program unpacked from its .deb, its Winners files given other times than their stamps (as a
# packaging tool may), started by a user with a fresh home: the first start says where the
# records are kept and copies them there, not calling them altered; a second start is refused;
# the companion reads those records. A start after the user's Winners folder was deleted makes
# it again, saying so, and keeps the saved games.
# Usage: installed.sh DEB-FOLDER OUTPUT-FOLDER
shots=installed
source "$(dirname "$0")/common.sh"

deb=$(ls "$program"/tintcipher_*.deb 2>/dev/null | head -1) || { echo "SKIP: no package"; exit 77; }
root=$(mktemp -d)
export HOME=$root/home
unset XDG_DATA_HOME
trap 'kill ${pid:-} 2>/dev/null || true; rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root/pkg"
touch -d '2001-02-03 04:05:06' "$root"/pkg/usr/share/tintcipher/Winners/*
records=$HOME/.local/share/tintcipher
start() { "$root/pkg/usr/games/tintcipher" & }
# Answers the one message box titled "Tintcipher" that is not the main window ${main:-}.
answerbox() {
    local box= end=$((SECONDS + 10))
    while [ -z "$box" ] && [ $SECONDS -lt $end ]; do
        sleep 0.5
        box=$(xdotool search --onlyvisible --name '^Tintcipher$' | grep -vx "${main:-none}" |
            head -1) || true
    done
    [ -n "$box" ] || fail "no $1"
    import -window root "$out/$shots-$1.png"
    xdotool windowfocus --sync "$box" key Return
}

start
pid=$!
answerbox notice
skiptitle title # the title comes only when the Winners check passed
ls "$records"/Winners/Winners{5,6,7,8,9,10} "$records/Files" >/dev/null || fail "no records copied"
[ ! -e "$root/pkg/usr/share/tintcipher/Tintcipher.lock" ] || fail "the installation was written"
start
answerbox refusal
wait $! && fail "the second copy ran"
quitprogram

"$root/pkg/usr/games/tintcipher-cli" records --colours 6 --length 4 --repeat none --order random |
    grep -q '^POPULATION ' || fail "the companion did not read the user's records"
echo game >"$records/Files/kept.tc"
rm -r "$records/Winners"
main=
start
pid=$!
answerbox reseeded
skiptitle
ls "$records"/Winners/Winners{5,6,7,8,9,10} "$records/Files/kept.tc" >/dev/null ||
    fail "the Winners folder was not made again, or the saved game went"
quitprogram
