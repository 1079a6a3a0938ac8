#!/usr/bin/env bash
# The whole game by the keyboard alone on an 800 x 600 screen, with no mouse event and no focus
# given from outside: each window must take the keyboard itself. Return leaves the title; a
# "You guess" game of three colours out of five in fixed order without repetition (ten codes) is
# won by typing the codes in turn and is entered in the TOP FIVE list; a "Computer guesses" game is
# marked from the lists by the arrow keys and won by WIN, and saved from its end message; Load
# Game opens it again; the instructions open the manual's window, which fits and gives the keyboard
# back as it closes; Escape ends the demo and declines the Quit question, whose OK ends all.
# Usage: keyboard.sh PROGRAM OUTPUT-FOLDER [wm]   (wm: under the window manager Openbox)
mode=
for a in "$@"; do [ "$a" = wm ] && mode=-wm; done
shots=keyboard$mode
screen=800x600
source "$(dirname "$0")/common.sh"

[ -n "$mode" ] && startwm
startcopy
titlewindow=$(findwindow 10 '^Tint Cipher$') || true
[ -n "$titlewindow" ] || fail "the title window did not appear"
shown=$SECONDS
waitfocus 5 "$titlewindow"
xdotool key Return
findmain
# The title gives way by itself after five seconds; the key must have been quicker.
[ $((SECONDS - shown)) -lt 4 ] || fail "Return did not leave the title"
waitfocus 5 "$main"

# --- "You guess", typed ------------------------------------------------------------------------
# Options(&O), Input Method(&I), Keyboard(&K).
menukey alt+o
menukey i
xdotool key k
settingmenu
# Colours: the second list, at its first item "5"; Return starts the game.
xdotool key Tab Home Return
waittitle 10 "$main" "New Game - Unsaved"
won=
for code in 012 013 014 023 024 034 123 124 134 234; do
    # The input box has the keyboard; Return submits, and on the result panel presses its OK.
    xdotool type --delay 40 "$code"
    xdotool key Return
    if win=$(findwindow 2 '^Win$'); then
        won=$code
        break
    fi
    xdotool key Return
done
[ -n "$won" ] || fail "no code of the ten won the game"
waitfocus 5 "$win"
import -window root "$out/$shots-you-guess-won.png"
# End, the default button; then the name for the TOP FIVE list, and its Continue.
xdotool key Return
waitcount 10 0 Win
waitfocus 5 "$main"
xdotool type --delay 40 "Keys Only"
xdotool key Return
sleep 0.5 # the list paints itself
import -window root "$out/$shots-top-five.png"
poll 5 grep -qa "Keys Only" "$folder/Winners/Winners5" || fail "the name is not in the Winners file"
xdotool key Return

# --- "Computer guesses", marked from the lists -------------------------------------------------
menukey alt+o
menukey i
xdotool key m
settingmenu
# "Computer guesses" in the first list; the sixth, "Order Type", to "Random order".
xdotool key Down Tab Tab Tab Tab Tab Down Return
# Who marks: "No" is chosen and OK is the default; then Ready, which has the keyboard.
xdotool key Return
sleep 0.3
xdotool key Return
sleep 1 # the computer's guess
# Its marks: one black from the first list, which has the keyboard, one white from the second.
xdotool key Down Tab Down
import -window root "$out/$shots-marks.png"
xdotool key Return
sleep 1
# On the next guess, Tab twice reaches WIN, and Return presses it, not the default OK.
xdotool key Tab Tab Return
win=$(keywindow '^Win$' "WIN brought no win message")
# Save File, two buttons left of End, pressed by Return with the keyboard on it.
xdotool key shift+Tab shift+Tab Return
dialog=$(keywindow '^Save As$' "Save File opened no Save As dialog")
xdotool type --delay 40 "by keys"
xdotool key Return
poll 10 test -f "$folder/Files/by keys.tc" || fail "no file \"by keys.tc\" was written"
waittitle 10 "$main" "Tintcipher"
waitfocus 5 "$main"

# --- Load Game(&L): the name typed, Return for Open, Return for the result's FINISH -----------
menukey alt+g
xdotool key l
dialog=$(keywindow '^Open$' "Load Game opened no Open dialog")
xdotool type --delay 40 "by keys"
xdotool key Return
waittitle 10 "$main" "Loaded Game - $folder/Files/by keys.tc"
result=$(keywindow '^Result of Previous Game$' "the loaded game was not shown for examination")
import -window root "$out/$shots-loaded.png"
# Escape does not answer a message of two choices; Return presses FINISH.
xdotool key Escape
sleep 0.5
[ "$(count 'Result of Previous Game')" = 1 ] || fail "Escape closed the result of the game"
xdotool key Return
waittitle 10 "$main" "Tintcipher"

# --- Brief Instructions(&I): Tab to the manual's name, Space opens the manual's window (with no
# manual in the folder, saying so), whole on the screen; Escape closes it and the keyboard is back
# in the instructions, whose Escape is their OK.
waitfocus 5 "$main"
menukey alt+h
xdotool key i
instructions=$(keywindow '^Brief Instructions$' "no instructions appeared")
xdotool key Tab space
manual=$(keywindow '^Vbintro.html$' "the manual's name opened no window")
eval "$(xdotool getwindowgeometry --shell "$manual")"
[ $((Y + HEIGHT)) -le 600 ] || fail "the manual's window ends at $((Y + HEIGHT)), below the screen"
xdotool key Escape
waitfocus 5 "$instructions"
xdotool key Escape
waitcount 10 0 'Brief Instructions'

# --- The demo, ended by Escape --------------------------------------------------------------------
waitfocus 5 "$main"
menukey alt+m
xdotool key d
waittitle 10 "$main" "Demo"
sleep 1
xdotool key Escape
waittitle 10 "$main" "Tintcipher"

# --- Quit: Escape is its Cancel, Return its OK -------------------------------------------------
menukey alt+g
xdotool key q
question=$(keywindow '^Quit Programme\?$' "no quit question appeared")
xdotool key Escape
waitcount 10 0 'Quit Programme\?'
kill -0 $pid || fail "Escape on the quit question ended the program"
waitfocus 5 "$main"
menukey alt+g
xdotool key q
question=$(keywindow '^Quit Programme\?$' "no quit question appeared")
xdotool key Return
poll 10 ended || fail "the program did not end after the quit question"
wait $pid || fail "the program ended with status $?"
echo "screenshots in $out"
