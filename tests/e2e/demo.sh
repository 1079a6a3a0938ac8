#!/usr/bin/env bash
# Starts the program in Xvfb, starts the demo from the Multimedia menu, keeps screenshots of it
# running, ends it with a left click on the board, and quits through the Game menu popped up by
# the right button on the idle picture.
# Usage: demo.sh PROGRAM OUTPUT-FOLDER
set -euo pipefail

if [ "${1:-}" != --inside ]; then
    mkdir -p "$2"
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --inside "$@"
fi
program=$2
out=$3
rm -f "$out"/demo-*.png

fail() {
    echo "FAIL: $*" >&2
    import -window root "$out/demo-failure.png" || true
    exit 1
}
findwindow() {
    timeout "$1" xdotool search --sync --onlyvisible --name "$2" 2>/dev/null | head -1
}
title() {
    xdotool getwindowname "$1"
}
waittitle() {
    local end=$((SECONDS + $1))
    while [ "$(title "$2")" != "$3" ]; do
        [ $SECONDS -lt $end ] || fail "window title is \"$(title "$2")\", not \"$3\""
        sleep 0.2
    done
}

"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

# The title window comes first and gives way after five seconds.
titlewindow=$(findwindow 10 '^Tint Cipher$') || true
[ -n "$titlewindow" ] || fail "the title window did not appear"
sleep 0.5
import -window root "$out/demo-title.png"
main=$(findwindow 15 '^Tintcipher$') || true
[ -n "$main" ] || fail "the main window did not appear"
sleep 1
xdotool windowfocus --sync "$main"

# Multimedia by its access key, then Start Demo by its own.
xdotool key --clearmodifiers alt+m
sleep 0.5
xdotool key d
waittitle 10 "$main" "Demo"
sleep 2
import -window root "$out/demo-running.png"

# The board spans the window's top; a left click there ends the demo.
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove --window "$main" $((WIDTH / 2)) 150 click 1
waittitle 10 "$main" "Tintcipher"
import -window root "$out/demo-ended.png"

# The right button on the idle picture pops up the Game menu; its Quit asks first, OK ends.
xdotool mousemove --window "$main" $((WIDTH / 2)) $((HEIGHT / 2)) click 3
sleep 0.8
import -window root "$out/demo-popup-menu.png"
xdotool key q
question=$(findwindow 10 '^Quit Programme\?$') || true
[ -n "$question" ] || fail "no quit question appeared from the pop-up menu"
xdotool windowfocus --sync "$question"
xdotool key Return
for _ in $(seq 50); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.2
done
kill -0 $pid 2>/dev/null && fail "the program did not end after the quit question"
wait $pid || fail "the program ended with status $?"
trap - EXIT
echo "screenshots in $out"
