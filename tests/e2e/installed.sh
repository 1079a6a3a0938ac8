#!/usr/bin/env bash
# The program as a package installs it: unpacked from the .deb, its Winners files given other
# times than their stamps (as a packaging tool may), started by a user with a fresh home folder.
# The first start tells where the records are kept and copies them there without calling them
# altered; a second start of the same user is refused while the first runs.
# Usage: installed.sh DEB-FOLDER OUTPUT-FOLDER
shots=installed
source "$(dirname "$0")/common.sh"

deb=$(ls "$program"/tintcipher_*.deb 2>/dev/null | head -1) || true
[ -n "$deb" ] || { echo "SKIP: no package made"; exit 77; }
root=$(mktemp -d)
export HOME=$root/home
unset XDG_DATA_HOME
mkdir -p "$HOME"
trap 'kill ${pid:-} ${second:-} 2>/dev/null || true; rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root/pkg"
touch -d '2001-02-03 04:05:06' "$root"/pkg/usr/share/tintcipher/Winners/*
user=$HOME/.local/share/tintcipher

"$root/pkg/usr/bin/tintcipher" &
pid=$!
notice=$(findwindow 10 '^Tintcipher$') || true
[ -n "$notice" ] || fail "no notice of the records' folder"
sleep 0.5
import -window root "$out/$shots-notice.png"
xdotool windowfocus --sync "$notice"
xdotool key Return
# The title comes only when the Winners check passed.
skiptitle title
import -window root "$out/$shots-main.png"

for n in 5 6 7 8 9 10; do
    [ -f "$user/Winners/Winners$n" ] || fail "Winners$n was not copied to $user"
done
[ -d "$user/Files" ] || fail "no folder for saved games in $user"
[ ! -e "$root/pkg/usr/share/tintcipher/Tintcipher.lock" ] || fail "the installation was written"

# The same user again: refused, and only the first copy's windows stay.
"$root/pkg/usr/bin/tintcipher" &
second=$!
for _ in $(seq 50); do
    [ "$(count Tintcipher)" = 2 ] && break
    sleep 0.2
done
import -window root "$out/$shots-second.png"
refusal=$(xdotool search --onlyvisible --name '^Tintcipher$' | grep -v "^$main\$" | head -1) || true
[ -n "$refusal" ] || fail "the second start showed no refusal"
xdotool windowfocus --sync "$refusal"
xdotool key Return
wait $second && fail "the second copy ran"
second=
quitprogram
echo "screenshots in $out"
