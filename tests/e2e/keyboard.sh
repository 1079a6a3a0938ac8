#!/usr/bin/env bash
# The whole game by keys alone on an 800 x 600 screen, with no mouse event and no focus given from
# outside: each window must take the keyboard itself. Escape leaves the title; Return on Cancel
# cancels the setting menu; a typed "You guess" game of three colours out of five (ten codes in
# fixed order) is won and entered in TOP FIVE; a "Computer guesses" game is marked from the lists
# by arrow keys, won by WIN, saved and loaded again; the manual's window opened from the
# instructions fits and gives the keyboard back; Escape ends the demo and declines Quit.
# Usage: keyboard.sh PROGRAM OUTPUT-FOLDER [wm]   (wm: under the window manager Openbox)
mode=
for a in "$@"; do [ "$a" = wm ] && mode=-wm; done
shots=keyboard$mode
screen=800x600
source "$(dirname "$0")/common.sh"

[ -n "$mode" ] && startwm
startcopy
titlewindow=$(keywindow '^Tint Cipher$' "the title window did not appear")
shown=$SECONDS
xdotool key Escape
findmain
# The title gives way by itself after five seconds; the key must have been quicker.
[ $((SECONDS - shown)) -lt 4 ] || fail "Escape did not leave the title"
waitfocus 5 "$main"
settingmenu
xdotool key Tab Tab Tab Tab Tab Tab Tab Tab Return
nomenu() { ! shows 2F6FB0 2000; }
poll 5 nomenu || fail "Return on Cancel left the setting menu open"
[ "$(title "$main")" = Tintcipher ] || fail "Return on Cancel started a game"

# "You guess" with keyboard input (Options, Input Method, Keyboard), five colours: each code typed
# and submitted by Return; Return again is the result's OK.
menukey alt+o
menukey i
xdotool key k
settingmenu
xdotool key Tab Home Return
for code in 012 013 014 023 024 034 123 124 134 234 none; do
    [ $code != none ] || fail "no code of the ten won the game"
    xdotool type --delay 40 "$code"
    xdotool key Return
    win=$(findwindow 2 '^Win$') && break
    xdotool key Return
done
waitfocus 5 "$win"
# End, the default; the name for the TOP FIVE list, and its Continue.
xdotool key Return
waitfocus 5 "$main"
xdotool type --delay 40 "Keys Only"
xdotool key Return
poll 5 grep -qa "Keys Only" "$folder/Winners/Winners5" || fail "the name is not in the Winners file"
import -window root "$out/$shots-top-five.png"
xdotool key Return

# "Computer guesses" in random order by mouse input: who marks (OK), Ready, then one black and
# one white from the lists; on the next guess Tab twice reaches WIN, which Return presses.
menukey alt+o
menukey i
xdotool key m
settingmenu
xdotool key Down Tab Tab Tab Tab Tab Down Return Return Return
poll 10 shows C0C0C0 8000 || fail "no guess of the computer's showed" # on its grey strip
xdotool key Down Tab Down Return
sleep 1
xdotool key Tab Tab Return
win=$(keywindow '^Win$' "WIN brought no win message")
# Save File, two buttons left of the default End, has the keyboard and takes Return.
xdotool key shift+Tab shift+Tab Return
dialog=$(keywindow '^Save As$' "Save File opened no Save As dialog")
xdotool type --delay 40 "by keys"
xdotool key Return
waittitle 10 "$main" "Tintcipher"
waitfocus 5 "$main"
menukey alt+g
xdotool key l
dialog=$(keywindow '^Open$' "Load Game opened no Open dialog")
xdotool type --delay 40 "by keys"
xdotool key Return
result=$(keywindow '^Result of Previous Game$' "the saved game was not loaded")
import -window root "$out/$shots-loaded.png"
xdotool key Return
waittitle 10 "$main" "Tintcipher"

# The instructions' link to the manual by Tab and Space; with no manual in the folder its window
# says so. Escape closes it, and then the instructions.
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

waitfocus 5 "$main"
menukey alt+m
xdotool key d
waittitle 10 "$main" "Demo"
xdotool key Escape
waittitle 10 "$main" "Tintcipher"

menukey alt+g
xdotool key q
question=$(keywindow '^Quit Programme\?$' "no quit question appeared")
xdotool key Escape
waitfocus 5 "$main"
kill -0 $pid || fail "Escape on the quit question ended the program"
menukey alt+g
xdotool key q
question=$(keywindow '^Quit Programme\?$' "no quit question appeared")
xdotool key Return
poll 10 ended || fail "the program did not end after the quit question"
wait $pid || fail "the program ended with status $?"
