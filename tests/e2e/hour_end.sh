#!/usr/bin/env bash
# The game's hour in Xvfb, the program's clock 60 times as fast (TINTCIPHER_TEST_CLOCKRATE).
# After one typed guess of "You guess": a question asked from the Save As dialog comes over it
# with the keyboard, which goes back to the dialog when answered; the five-minute warning closes
# the instructions and the game over the Save As dialog, each taking the keyboard, so plain key
# presses answer them.
# Usage: hour_end.sh PROGRAM OUTPUT-FOLDER
shots=hour-end
source "$(dirname "$0")/common.sh"

# Waits up to $2 seconds (15 unless given) for a window titled $1, which must get the keyboard.
haskeyboard() {
    local id
    id=$(findwindow "${2:-15}" "^$1\$") || true
    [ -n "$id" ] || fail "no window \"$1\" appeared"
    for _ in $(seq 25); do
        [ "$(xdotool getwindowfocus)" = "$id" ] && return 0
        sleep 0.2
    done
    fail "\"$1\" is shown but \"$(title "$(xdotool getwindowfocus)")\" has the keyboard"
}
keys() { xdotool key --clearmodifiers --delay 500 "$@"; }
saveas() {
    keys alt+g s a
    haskeyboard "Save As"
}

export TINTCIPHER_TEST_CLOCKRATE=60
startcopy
skiptitle
# Keyboard input; "You guess" as the setting menu stands; a guess typed, sent and its result taken.
keys alt+o i k alt+g Return Return
waittitle 10 "$main" "New Game - Unsaved"
xdotool type --delay 60 "01234567"
keys Return Return

# No name: the question, then Yes back to the dialog, whose Cancel (Escape) goes back to the game.
saveas
keys Return
haskeyboard "No File Name"
keys shift+Tab space
haskeyboard "Save As"
keys Escape
haskeyboard "New Game - Unsaved"

keys alt+h i
haskeyboard "Brief Instructions"
haskeyboard "Warning" 70 # at 55:00 of game time
import -window root "$out/hour-end-warning.png"
[ "$(count "Brief Instructions")" = 0 ] || fail "the warning left the instructions open"
keys Return
waitcount 5 0 "Warning"

saveas
haskeyboard "Gameover"
import -window root "$out/hour-end-gameover.png"
[ "$(count "Save As")" = 0 ] || fail "the game over left the Save As dialog open"
keys Return # End, the default button
waittitle 10 "$main" "Tintcipher"
quitprogram
