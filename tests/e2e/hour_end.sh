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
    poll 5 focused "$id" ||
        fail "\"$1\" is shown but \"$(title "$(xdotool getwindowfocus)")\" has the keyboard"
}
focused() { [ "$(xdotool getwindowfocus)" = "$1" ]; }
saveas() {
    menukey alt+g
    menukey s
    xdotool key a
    haskeyboard "Save As"
}

export TINTCIPHER_TEST_CLOCKRATE=60
startcopy
skiptitle
# Keyboard input; "You guess" as the setting menu stands; a guess typed, sent and its result taken.
menukey alt+o
menukey i
popup xdotool key k
settingmenu
xdotool key Return
waittitle 10 "$main" "New Game - Unsaved"
xdotool type --delay 60 "01234567"
# The result hides the colour panel, with its red, and the first row on the board; OK brings them.
xdotool key Return
poll 10 shows FF0000 0 0 || fail "the guess was not taken"
xdotool key Return
poll 10 shows FF0000 1 || fail "no input after the result's OK"

# No name: the question, then Yes back to the dialog, whose Cancel (Escape) goes back to the game.
saveas
xdotool key Return
haskeyboard "No File Name"
xdotool key shift+Tab space
haskeyboard "Save As"
xdotool key Escape
haskeyboard "New Game - Unsaved"

menukey alt+h
xdotool key i
haskeyboard "Brief Instructions"
haskeyboard "Warning" 70 # at 55:00 of game time
import -window root "$out/hour-end-warning.png"
[ "$(count "Brief Instructions")" = 0 ] || fail "the warning left the instructions open"
xdotool key Return
waitcount 5 0 "Warning"

saveas
haskeyboard "Gameover"
import -window root "$out/hour-end-gameover.png"
[ "$(count "Save As")" = 0 ] || fail "the game over left the Save As dialog open"
xdotool key Return # End, the default button
waittitle 10 "$main" "Tintcipher"
quitprogram
