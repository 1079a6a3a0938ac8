#!/usr/bin/env bash
# Saving and loading in Xvfb: a "Watch computer play" game is won, its message's "Save File"
# opens the file dialog, a typed name is saved as NAME.tc in the "Files" folder; Load Game opens
# the dialog again, the typed name loads the game, and the game is shown for examination until
# FINISH. It plays in a copy of the program folder, so the build keeps no saved game.
# Usage: save_load.sh PROGRAM OUTPUT-FOLDER
shots=save-load
source "$(dirname "$0")/common.sh"

startcopy
skiptitle

# "Watch computer play" from the setting menu, two steps down the first list.
menukey alt+g
menukey Return
xdotool key Down Down Return
win=$(findwindow 30 '^Win$') || true
[ -n "$win" ] || fail "no win message appeared"

# The message's buttons are Save File, Change Display and End, End holding the keyboard.
xdotool windowfocus --sync "$win"
xdotool key shift+Tab shift+Tab space
dialog=$(findwindow 10 '^Save As$') || true
[ -n "$dialog" ] || fail "Save File opened no Save As dialog"
sleep 0.5
import -window root "$out/save-load-save-as.png"
# The name box has the keyboard; Enter presses Save.
xdotool windowfocus --sync "$dialog"
xdotool type --delay 30 "first game"
xdotool key Return
end=$((SECONDS + 10))
until [ -f "$folder/Files/first game.tc" ]; do
    [ $SECONDS -lt $end ] || fail "no file \"first game.tc\" was written"
    sleep 0.2
done
size=$(stat -c %s "$folder/Files/first game.tc")
[ "$size" = 722 ] || fail "the saved game has $size bytes, not 722"
waittitle 10 "$main" "Tintcipher"

# Load Game(&L) from the Game menu, the same name typed, Enter for Open.
xdotool windowfocus --sync "$main"
menukey alt+g
xdotool key l
dialog=$(findwindow 10 '^Open$') || true
[ -n "$dialog" ] || fail "Load Game opened no Open dialog"
sleep 0.5
import -window root "$out/save-load-open.png"
xdotool windowfocus --sync "$dialog"
xdotool type --delay 30 "first game"
xdotool key Return
waittitle 10 "$main" "Loaded Game - $folder/Files/first game.tc"
result=$(findwindow 10 '^Result of Previous Game$') || true
[ -n "$result" ] || fail "the loaded game was not shown for examination"
sleep 0.5
import -window root "$out/save-load-loaded.png"
# FINISH, the message's default button, ends the examination.
xdotool windowfocus --sync "$result"
xdotool key Return
waittitle 10 "$main" "Tintcipher"

quitprogram
echo "screenshots in $out"
