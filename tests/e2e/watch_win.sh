#!/usr/bin/env bash
# Starts the program in Xvfb, opens the setting menu with Alt+G and Enter, picks "Watch computer
# play", starts the game with Enter, waits for the win message, keeps screenshots, ends the game
# and quits through the Game menu's Quit question.
# Usage: watch_win.sh PROGRAM OUTPUT-FOLDER
set -euo pipefail

if [ "${1:-}" != --inside ]; then
    mkdir -p "$2"
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --inside "$@"
fi
program=$2
out=$3
rm -f "$out"/{idle,setting-menu,win-message,failure}.png

fail() {
    echo "FAIL: $*" >&2
    import -window root "$out/failure.png" || true
    exit 1
}
# Waits up to $1 seconds for a visible window whose title matches $2; prints its id.
findwindow() {
    timeout "$1" xdotool search --sync --onlyvisible --name "$2" 2>/dev/null | head -1
}
title() {
    xdotool getwindowname "$1"
}
# Waits up to $1 seconds for window $2 to be titled $3.
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

main=$(findwindow 15 '^Tintcipher$') || true
[ -n "$main" ] || fail "the main window did not appear"
sleep 1
xdotool windowfocus --sync "$main"
import -window root "$out/idle.png"

# The Game menu by its access key, then its first item, Game Setting.
xdotool key --clearmodifiers alt+g
sleep 0.5
xdotool key Return
sleep 0.8
# The menu gives the keyboard to "Who guesses?": two steps down is "Watch computer play".
xdotool key Down Down
sleep 0.5
import -window root "$out/setting-menu.png"
xdotool key Return

win=$(findwindow 30 '^Win$') || true
[ -n "$win" ] || fail "no win message appeared"
[ "$(title "$main")" = "New Game - Unsaved" ] || fail "main window titled \"$(title "$main")\""
sleep 0.8
import -window root "$out/win-message.png"

# Enter presses the message's default button, End: back to the idle window.
xdotool windowfocus --sync "$win"
xdotool key Return
waittitle 10 "$main" "Tintcipher"

# Quit(&Q) from the Game menu; its question's default button is OK.
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers alt+g
sleep 0.5
xdotool key q
question=$(findwindow 10 '^Quit Programme\?$') || true
[ -n "$question" ] || fail "no quit question appeared"
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
