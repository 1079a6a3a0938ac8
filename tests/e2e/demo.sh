#!/usr/bin/env bash
# Starts the program in Xvfb, starts the demo from the Multimedia menu, keeps screenshots of it
# running, ends it with a left click on the board, and quits through the Game menu popped up by
# the right button on the idle picture.
# Usage: demo.sh PROGRAM OUTPUT-FOLDER
shots=demo
source "$(dirname "$0")/common.sh"

startcopy
# The title window comes first and gives way after five seconds.
titlewindow=$(findwindow 10 '^Tint Cipher$') || true
[ -n "$titlewindow" ] || fail "the title window did not appear"
sleep 0.5
import -window root "$out/demo-title.png"
waitmain

# Multimedia by its access key, then Start Demo by its own.
menukey alt+m
xdotool key d
waittitle 10 "$main" "Demo"
sleep 2 # the demo plays a while before its screenshot
import -window root "$out/demo-running.png"

# The board spans the window's top; a left click there ends the demo.
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove --window "$main" $((WIDTH / 2)) 150 click 1
waittitle 10 "$main" "Tintcipher"
import -window root "$out/demo-ended.png"

# The right button on the idle picture pops up the Game menu; its Quit asks first, OK ends.
popup xdotool mousemove --window "$main" $((WIDTH / 2)) $((HEIGHT / 2)) click 3
sleep 0.3 # a settle before the screenshot: the menu paints itself once shown
import -window root "$out/demo-popup-menu.png"
xdotool key q
quitbyquestion
echo "screenshots in $out"
