#!/usr/bin/env bash
# The game's hour in Xvfb, with the Save As dialog open when it runs out. The program's clock runs
# 60 times as fast (TINTCIPHER_TEST_CLOCKRATE), so the hour takes a minute. One typed guess of a
# "You guess" game makes saving possible; a question asked from the dialog comes up over it with
# the keyboard, and the dialog has the keyboard again when it is answered. The five-minute warning
# and then the game over each close the dialog and come up on top with the keyboard, so a key
# press answers them without any window being focused by hand.
# Usage: hour_end.sh PROGRAM OUTPUT-FOLDER
shots=hour-end
source "$(dirname "$0")/common.sh"

# Waits up to $2 seconds (15 unless given) for a window titled $1, which must get the keyboard.
haskeyboard() {
    local id
    id=$(findwindow "${2:-15}" "^$1\$") || true
    [ -n "$id" ] || fail "no window \"$1\" appeared"
    for _ in $(seq 25); do
        [ "$(xdotool getwindowfocus 2>/dev/null)" = "$id" ] && return 0
        sleep 0.2
    done
    fail "\"$1\" is shown but \"$(title "$(xdotool getwindowfocus)")\" has the keyboard"
}
saveas() {
    xdotool key --clearmodifiers alt+g
    sleep 0.4
    xdotool key s
    sleep 0.4
    xdotool key a
    haskeyboard "Save As"
}

export TINTCIPHER_TEST_CLOCKRATE=60
startcopy
skiptitle

# Keyboard input, then "You guess" from the setting menu as it stands; one guess typed and sent,
# its result taken: a game on the clock that may be saved.
xdotool key --clearmodifiers alt+o
sleep 0.4
xdotool key i
sleep 0.4
xdotool key k
sleep 0.4
xdotool key --clearmodifiers alt+g
sleep 0.5
xdotool key Return
sleep 0.8
xdotool key Return
waittitle 10 "$main" "New Game - Unsaved"
sleep 0.5
xdotool type --delay 60 "01234567"
xdotool key Return
sleep 0.8
xdotool key Return
sleep 0.5

# Save with no name: the question comes over the dialog; Yes goes back to the dialog.
saveas
xdotool key Return
haskeyboard "No File Name"
xdotool key shift+Tab space
haskeyboard "Save As"

# Game time 55:00: the warning closes the dialog.
haskeyboard "Warning" 70
import -window root "$out/hour-end-warning.png"
[ "$(count "Save As")" = 0 ] || fail "the warning left the Save As dialog open"
xdotool key Return
waitcount 5 0 "Warning"

# The dialog again, until the hour is over.
saveas
haskeyboard "Gameover"
import -window root "$out/hour-end-gameover.png"
[ "$(count "Save As")" = 0 ] || fail "the game over left the Save As dialog open"
# End, the default button, finishes the game.
xdotool key Return
waittitle 10 "$main" "Tintcipher"

quitprogram
echo "screenshots in $out"
