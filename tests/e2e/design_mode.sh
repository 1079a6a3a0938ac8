#!/usr/bin/env bash
# Design mode in Xvfb: Ctrl+Alt and the right button on the title's credit line, then the
# password, open the main window; during the demo a click on the status bar pauses it behind a
# "PAUSE" message until that is closed; the setting menu shows the statistics buttons, and "See
# Statistics" shows its window, which Escape closes as its BACK does.
# Usage: design_mode.sh PROGRAM OUTPUT-FOLDER
shots=design
source "$(dirname "$0")/common.sh"

startcopy
scratch=$folder

titlewindow=$(findwindow 10 '^Tint Cipher$') || true
[ -n "$titlewindow" ] || fail "the title window did not appear"
poll 10 drawn "$titlewindow" || fail "the title window was not drawn"
# The credit line lies across the middle of the window, 90 pixels above its bottom edge.
eval "$(xdotool getwindowgeometry --shell "$titlewindow")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 39))
xdotool keydown ctrl keydown alt click 3 keyup alt keyup ctrl
# The password box takes the program's name, and so does the main window after it.
box=$(findwindow 10 '^Tintcipher$') || true
[ -n "$box" ] || fail "no password was asked for"
xdotool windowfocus --sync "$box"
xdotool type --delay 50 305817
xdotool key Return
# Whether the one window of the program's name is another than the password box: `main`.
mainonly() {
    main=$(xdotool search --onlyvisible --name '^Tintcipher$' 2>/dev/null) &&
        [ "$(wc -l <<<"$main")" = 1 ] && [ "$main" != "$box" ]
}
poll 10 mainonly || fail "the password did not open the main window"
[ "$(count 'Tint Cipher')" = 0 ] || fail "the title window stayed"
xdotool windowfocus --sync "$main"

# The demo from the Multimedia menu.
menukey alt+m
xdotool key d
waittitle 10 "$main" "Demo"
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove --window "$main" 200 $((HEIGHT - 10)) click 1
# The main window is titled "Demo"; the message takes the program's name.
waitcount 5 1 Tintcipher
box=$(findwindow 5 '^Tintcipher$')
poll 5 drawn "$box" || fail "the PAUSE message was not drawn"
import -window root "$out/design-pause.png"
# The board (below the toolbar, above the panels) stands still while paused and moves after.
board() { import -window "$main" -crop 1000x340+12+70 +repage "$1"; }
board "$scratch/paused1.png"
# A fixed time, not a wait: the board must stay unchanged for longer than the demo's steps of at
# most a second.
sleep 2.5
board "$scratch/paused2.png"
same "$scratch/paused1.png" "$scratch/paused2.png" || fail "the demo went on behind PAUSE"
xdotool key Return
waitcount 5 0 Tintcipher
[ "$(title "$main")" = Demo ] || fail "the demo did not go on after the pause"
moved() { board "$scratch/resumed.png" && ! same "$scratch/paused2.png" "$scratch/resumed.png"; }
poll 10 moved || fail "the demo stood still after the pause"

# A left click on the board ends the demo.
xdotool mousemove --window "$main" $((WIDTH / 2)) 150 click 1
waittitle 10 "$main" "Tintcipher"

# The setting menu with its statistics buttons: See Statistics comes after the seven lists and
# Start Game, Cancel and TOP FIVE List.
settingmenu
import -window root "$out/design-setting-menu.png"
xdotool key Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab space
stat=$(findwindow 10 '^Statistics$') || true
[ -n "$stat" ] || fail "See Statistics showed no statistics window"
poll 5 drawn "$stat" || fail "the statistics window was not drawn"
import -window root "$out/design-statistics.png"
poll 5 counted 0 Tintcipher || fail "the main window stayed over the statistics"
# The window has the keyboard, and Escape is its BACK.
waitfocus 5 "$stat"
xdotool key Escape
waitcount 10 1 Tintcipher
[ "$(count Statistics)" = 0 ] || fail "Escape left the statistics window open"

quitprogram
echo "screenshots in $out"
