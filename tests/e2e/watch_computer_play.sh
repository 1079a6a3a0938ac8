#!/usr/bin/env bash
# Starts the program in Xvfb, opens the setting menu with Alt+G and Enter, picks "Watch computer
# play", starts the game with Enter, waits for the win message, keeps screenshots, ends the game
# and quits through the Game menu's Quit question.
# Usage: watch_computer_play.sh PROGRAM OUTPUT-FOLDER
shots=watch
source "$(dirname "$0")/common.sh"

startcopy
waitmain
import -window root "$out/watch-idle.png"

# The Game menu by its access key, then its first item, Game Setting.
menukey alt+g
menukey Return
# The menu gives the keyboard to "Who guesses?": two steps down is "Watch computer play".
xdotool key Down Down
sleep 0.5 # a settle before the screenshot: the menu's new choice is drawn
import -window root "$out/watch-setting-menu.png"
xdotool key Return

win=$(findwindow 30 '^Win$') || true
[ -n "$win" ] || fail "no win message appeared"
[ "$(title "$main")" = "New Game - Unsaved" ] || fail "main window titled \"$(title "$main")\""
sleep 0.8
import -window root "$out/watch-win-message.png"

# Enter presses the message's default button, End: back to the idle window.
xdotool windowfocus --sync "$win"
xdotool key Return
waittitle 10 "$main" "Tintcipher"

# Quit(&Q) from the Game menu; its question's default button is OK.
quitprogram
echo "screenshots in $out"
