#!/usr/bin/env bash
# Design mode in Xvfb: Ctrl+Alt and the right button on the title's credit line, then the
# password, open the main window; during the demo a click on the status bar pauses it behind a
# "PAUSE" message until that is closed; the setting menu shows the statistics buttons, and "See
# Statistics" shows its window, which BACK closes.
# Usage: design_mode.sh PROGRAM OUTPUT-FOLDER
shots=design
source "$(dirname "$0")/common.sh"

startcopy
scratch=$folder

titlewindow=$(findwindow 10 '^Tint Cipher$') || true
[ -n "$titlewindow" ] || fail "the title window did not appear"
sleep 0.5
# The credit line lies across the middle of the window, 90 pixels above its bottom edge.
eval "$(xdotool getwindowgeometry --shell "$titlewindow")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 39))
xdotool keydown ctrl keydown alt click 3 keyup alt keyup ctrl
sleep 1
xdotool type --delay 50 305817
xdotool key Return
main=$(findwindow 10 '^Tintcipher$') || true
[ -n "$main" ] || fail "the password did not open the main window"
[ "$(count 'Tint Cipher')" = 0 ] || fail "the title window stayed"
sleep 0.5

# The demo from the Multimedia menu.
xdotool key --clearmodifiers alt+m
sleep 0.5
xdotool key d
waittitle 10 "$main" "Demo"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove --window "$main" 200 $((HEIGHT - 10)) click 1
# The main window is titled "Demo"; the message takes the program's name.
waitcount 5 1 Tintcipher
sleep 0.5
import -window root "$out/design-pause.png"
# The board (below the toolbar, above the panels) stands still while paused and moves after.
board() { import -window "$main" -crop 1000x340+12+70 +repage "$1"; }
changed() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" != 0 ]; }
board "$scratch/paused1.png"
sleep 2.5
board "$scratch/paused2.png"
changed "$scratch/paused1.png" "$scratch/paused2.png" && fail "the demo went on behind PAUSE"
xdotool key Return
waitcount 5 0 Tintcipher
[ "$(title "$main")" = Demo ] || fail "the demo did not go on after the pause"
end=$((SECONDS + 10))
until board "$scratch/resumed.png" && changed "$scratch/paused2.png" "$scratch/resumed.png"; do
    [ $SECONDS -lt $end ] || fail "the demo stood still after the pause"
    sleep 0.5
done

# A left click on the board ends the demo.
xdotool mousemove --window "$main" $((WIDTH / 2)) 150 click 1
waittitle 10 "$main" "Tintcipher"

# The setting menu with its statistics buttons: See Statistics comes after the seven lists and
# Start Game, Cancel and TOP FIVE List.
xdotool key --clearmodifiers alt+g
sleep 0.5
xdotool key Return
sleep 0.8
import -window root "$out/design-setting-menu.png"
xdotool key Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
sleep 0.3
xdotool key space
stat=$(findwindow 10 '^Statistics$') || true
[ -n "$stat" ] || fail "See Statistics showed no statistics window"
sleep 0.5
import -window root "$out/design-statistics.png"
[ "$(count Tintcipher)" = 0 ] || fail "the main window stayed over the statistics"
# BACK sits in the window's bottom right corner.
eval "$(xdotool getwindowgeometry --shell "$stat")"
xdotool mousemove --window "$stat" $((WIDTH - 60)) $((HEIGHT - 24)) click 1
waitcount 10 1 Tintcipher
[ "$(count Statistics)" = 0 ] || fail "BACK left the statistics window open"

quitprogram
echo "screenshots in $out"
