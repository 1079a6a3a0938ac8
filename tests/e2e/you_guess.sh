#!/usr/bin/env bash
# Plays a whole "You guess" game in Xvfb with real input, as a player would: the setting menu by
# keyboard ("Random order", length 3 of 10 colours), the first guess by double clicks on the
# colour panel, the second by dragging colours into the input row, the rest typed after switching
# to the keyboard. Each guess's marks are read off the screen, from the result panel and from its
# row on the board, and the two must agree; the next guess is the first code that agrees with all
# marks so far, so the game is won only if input, marking and drawing all work. The win ends in
# the name entry and the TOP FIVE list; then the program is quit through its Quit question.
# It plays in a copy of the program folder, so the build's Winners files keep no test entry.
# Usage: you_guess.sh PROGRAM OUTPUT-FOLDER
shots=you-guess
source "$(dirname "$0")/common.sh"

startcopy
scratch=$folder/screen.png
# A click on the title window takes the player on without waiting for it.
skiptitle

# --- Reading the window ------------------------------------------------------------------------
# Bounding box "W H X Y" of the pixels of exactly colour $2 in image $1 above row $3.
boundingbox() {
    convert "$1" -crop "10000x$3+0+0" +repage -fill "#123457" +opaque "#$2" -fill white \
        -opaque "#$2" -fill black -opaque "#123457" -format "%@\n" info: 2>/dev/null |
        sed 's/[x+]/ /g'
}
# How many solid squares of colour $2 at least 16 pixels wide image $1 holds: text and the
# board's small marks are thinner, only the result panel's marks are that big.
squares() {
    convert "$1" -fill "#123457" +opaque "#$2" -fill white -opaque "#$2" -fill black \
        -opaque "#123457" -morphology Erode Rectangle:15x1 -morphology Erode Rectangle:1x15 \
        -define connected-components:verbose=true -connected-components 8 null: |
        grep -c 'srgb(255,255,255)\|gray(255)' || true
}

colours=(FF0000 FF8000 FFFF00 00FF00 00FFFF 0000FF FF00FF FFC0FF C04000 808080)
# Twips to pixels on the board, which scales its 11700 x 4650 twips to fit its picture of
# `boardw` x `boardh` pixels at `boardx`, `boardy`, centred: a point's x and y.
onboard() {
    awk -v t="$1" -v u="$2" -v w="$boardw" -v h="$boardh" -v x="$boardx" -v y="$boardy" 'BEGIN {
        s = w / 11700; if (h / 4650 < s) s = h / 4650
        printf "%d %d\n", x + (w - 11700 * s) / 2 + t * s, y + (h - 4650 * s) / 2 + u * s }'
}

# --- The setting menu -------------------------------------------------------------------------
# The Game menu by its access key, then Game Setting. "Who guesses?" has the keyboard and already
# shows "You guess"; five lists further down, "Order Type" goes to "Random order".
settingmenu
# The menu's frame, whose picture changes when "Random order" is drawn.
shot "$scratch"
frame=$(boundingbox "$scratch" 2F6FB0 10000 | awk '{ print $1 "x" $2 "+" $3 "+" $4 }')
import -window "$main" -crop "$frame" +repage "$scratch"
xdotool key Tab Tab Tab Tab Tab Down
waitredraw 10 "$frame" "$scratch"
import -window root "$out/you-guess-menu.png"
xdotool key Return
waittitle 10 "$main" "New Game - Unsaved"
# The bird crosses the board in timed games. Switched off, it must leave no trace: it would cover
# the marks being read.
# Whether the main window shows at least $1 and at most $2 pixels of the bird's blue below the
# toolbar, whose display icon has some of it; the picture stays in `scratch`.
bird() {
    local n
    shot "$scratch"
    n=$(colourcount "$scratch" 2C417B 10000x10000+0+60 6)
    [ "$n" -ge "$1" ] && [ "$n" -le "$2" ]
}
poll 5 bird 20 100000 || fail "no bird flies over the board"
cp "$scratch" "$out/you-guess-bird.png"
menukey alt+m
popup xdotool key a
poll 5 bird 0 0 || fail "the bird stayed on the board after animation was switched off"

# --- Where things are -------------------------------------------------------------------------
# The colour panel, from its red and orange boxes below row $1; it moves when the input method
# changes.
findpanel() {
    local end=$((SECONDS + 5))
    while true; do
        shot "$scratch"
        convert "$scratch" -crop "10000x10000+0+$1" +repage "$scratch"
        read -r w h x0 y0 < <(boundingbox "$scratch" "${colours[0]}" 10000)
        read -r _ _ x1 _ < <(boundingbox "$scratch" "${colours[1]}" 10000)
        y0=$((y0 + $1))
        [ "$w" -gt 15 ] && [ "$w" -lt 40 ] && [ "$h" = "$w" ] && [ "$x1" -gt "$x0" ] && break
        [ $SECONDS -lt $end ] || fail "no colour panel: red ${w}x$h at $x0,$y0, orange at $x1"
        sleep 0.2
    done
    # Above the panel's boxes, their borders included.
    paneltop=$((y0 - 2))
    # Centre and a corner inside each colour's box; the corner is clear of the digit.
    for c in "${!colours[@]}"; do
        panelx[c]=$((x0 + c * (x1 - x0) + w / 2))
        cornerx[c]=$((x0 + c * (x1 - x0) + 3))
    done
    panely=$((y0 + h / 2))
    cornery=$((y0 + 3))
}
findpanel 0
# The board's colour, inside its one-pixel border, places it.
shot "$scratch"
read -r boardw boardh boardx boardy < <(boundingbox "$scratch" 4F7F65 "$paneltop")
# With the keyboard, the board wears a ring inside its border: then the ring places it.
read -r ringw ringh ringx ringy < <(boundingbox "$scratch" FFD24A "$paneltop")
[ "${ringw:-0}" -gt 400 ] && boardw=$ringw boardh=$ringh boardx=$ringx boardy=$ringy
boardw=$((boardw + 2)) boardh=$((boardh + 2)) boardx=$((boardx - 1)) boardy=$((boardy - 1))
[ "$boardw" -gt 400 ] || fail "no board above the colour panel"
# The border of an available colour's box, just left of its fill; a used-up colour has none.
borderx() { echo $((x0 + $1 * (x1 - x0) - 1)); }
border=404040

doubleclick() { xdotool mousemove "$1" "$2" click --repeat 2 --delay 120 1; }
# The drag's picture of the colour is a window of the program's own: the first quarter of the
# way, beyond the least distance of a drag, starts it when it shows; the release drops the colour
# when it goes.
drag() {
    local fx=$1 fy=$2 tx=$3 ty=$4 i
    xdotool mousemove "$fx" "$fy" mousedown 1
    popup xdotool mousemove $((fx + (tx - fx) / 4)) $((fy + (ty - fy) / 4))
    for i in 3 4 5 6 7 8; do
        xdotool mousemove $((fx + (tx - fx) * i / 8)) $((fy + (ty - fy) * i / 8))
    done
    popup xdotool mouseup 1
}

# --- Marks and the next guess -----------------------------------------------------------------
history=""
# The first code of three different colours, in counting order, that agrees with every guess and
# its marks so far.
nextguess() {
    printf '%s' "$history" | awk '
        { g[NR] = $1; b[NR] = $2; w[NR] = $3; n = NR }
        END {
            for (p = 0; p < 10; p++) for (q = 0; q < 10; q++) for (r = 0; r < 10; r++) {
                if (p == q || p == r || q == r) continue
                s = p "" q "" r
                ok = 1
                for (k = 1; k <= n && ok; k++) {
                    black = 0; common = 0
                    for (i = 1; i <= 3; i++) {
                        x = substr(s, i, 1)
                        if (x == substr(g[k], i, 1)) black++
                        if (index(g[k], x)) common++
                    }
                    if (black != b[k] || common - black != w[k]) ok = 0
                }
                if (ok) { print s; exit }
            }
        }'
}

# The colours of trial $1's row on the board in image $2: the middle of each of its three boxes,
# then of its black and white marks, one pair after another.
rowcolours() {
    local col=$((($1 - 1) % 3)) line=$((($1 - 1) / 3)) i args=()
    local left=$((col * 3900)) top=$((line * 450 + 600))
    for i in 0 1 2; do
        args+=($(onboard $((left + 100 + i * 280 + 140)) $((top + 140))))
    done
    for i in 1 2 3 4; do
        args+=($(onboard $((left + 80 + 3 * 280 + 150 * i + 60)) $((top + 60))))
        args+=($(onboard $((left + 80 + 3 * 280 + 150 * i + 60)) $((top + 260))))
    done
    pixels "$2" "${args[@]}"
}
# Whether trial $1's row shows the colours of guess $2 in a new picture of the window, kept as $3.
rowdrawn() {
    local seen
    shot "$3"
    mapfile -t seen < <(rowcolours "$1" "$3")
    [ "${seen[*]:0:3}" = "${colours[${2:0:1}]} ${colours[${2:1:1}]} ${colours[${2:2:1}]}" ]
}
# Trial $1's row on the board in image $2: checks the three colours of guess $3, prints the
# black and white marks drawn after them.
readrow() {
    local t=$1 file=$2 guess=$3 i seen
    mapfile -t seen < <(rowcolours "$t" "$file")
    for i in 0 1 2; do
        [ "${seen[i]}" = "${colours[${guess:i:1}]}" ] ||
            fail "trial $t, position $((i + 1)) on the board is ${seen[i]}, not colour ${guess:i:1}"
    done
    local black=0 white=0
    for i in 0 1 2 3; do
        [ "${seen[3 + 2 * i]}" = 000000 ] && black=$((i + 1))
        [ "${seen[4 + 2 * i]}" = FFFFFF ] && white=$((i + 1))
    done
    echo "$black $white"
}

# Whether the win message shows, or the result panel does, its marks' bars in the board's colour
# below the board; the picture of the window is kept in `scratch`.
winorresult() {
    [ "$(count Win)" != 0 ] && return
    shot "$scratch"
    [ "$(colourcount "$scratch" 4F7F65 "10000x10000+0+$((boardy + boardh))")" -ge 1000 ]
}

# Submits with Enter (the Submit button is the default); prints "win" or the result panel's
# marks "black white", keeping a screenshot of the panel.
submit() {
    local t=$1
    xdotool key Return
    # Submitting hides the colour panel, for the result and for the win alike.
    poll 10 pixelis "${cornerx[0]}" "$cornery" ! "${colours[0]}" ||
        fail "trial $t: the guess was not taken"
    poll 10 winorresult || fail "trial $t: neither the win message nor the result panel came"
    if [ "$(count Win)" != 0 ]; then
        echo win
        return
    fi
    cp "$scratch" "$out/you-guess-result-$t.png"
    echo "$(squares "$out/you-guess-result-$t.png" 000000) $(squares "$out/you-guess-result-$t.png" FFFFFF)"
}

# One trial after its guess is in the input row.
won=""
play() {
    local t=$1 guess=$2 result
    result=$(submit "$t")
    if [ "$result" = win ]; then
        won=$t
        # The message over the board shows black in this capture of the main window alone. A row
        # never drawn is told by readrow.
        poll 10 rowdrawn "$t" "$guess" "$out/you-guess-board-$t.png" || true
        [ "$(readrow "$t" "$out/you-guess-board-$t.png" "$guess")" = "3 0" ] ||
            fail "the winning trial $t is not drawn with three black marks"
        return
    fi
    [ "$result" != "3 0" ] || fail "trial $t: three black marks but no win"
    # OK is the default button; the row is drawn and the next guess is asked for.
    xdotool key Return
    poll 10 pixelis "${cornerx[0]}" "$cornery" "${colours[0]}" ||
        fail "trial $t: no input after the result's OK"
    poll 10 rowdrawn "$t" "$guess" "$out/you-guess-board-$t.png" || true
    local marks
    marks=$(readrow "$t" "$out/you-guess-board-$t.png" "$guess")
    [ "$marks" = "$result" ] ||
        fail "trial $t: the result panel showed marks $result, the board $marks"
    history+="$guess $marks"$'\n'
}

# --- Trial 1: double clicks -------------------------------------------------------------------
guess=$(nextguess)
# Each double-clicked colour goes to the first empty box; red, orange and yellow are nowhere else
# above the panel while the board is empty, so they show where the boxes are.
locate() {
    local c=$1 k=$2 bw bh bx by end=$((SECONDS + 5))
    while true; do
        shot "$scratch"
        read -r bw bh bx by < <(boundingbox "$scratch" "${colours[c]}" "$paneltop")
        [ "$bw" -gt 15 ] && [ "$bw" -lt 40 ] && [ "$bh" = "$bw" ] && break
        [ $SECONDS -lt $end ] || fail "double-clicked colour $c is not in the row"
        sleep 0.2
    done
    boxx[k]=$((bx + 3))
    boxy[k]=$((by + 3))
    boxw=$bw
}
doubleclick "${panelx[${guess:0:1}]}" "$panely"
locate "${guess:0:1}" 0
doubleclick "${panelx[${guess:1:1}]}" "$panely"
locate "${guess:1:1}" 1
boxx[2]=$((2 * boxx[1] - boxx[0]))
boxy[2]=${boxy[1]}
# A wrong colour into the last box, and out again with a double click on the box.
wrong=9
doubleclick "${panelx[wrong]}" "$panely"
poll 5 pixelis "${boxx[2]}" "${boxy[2]}" "${colours[wrong]}" ||
    fail "double-clicked colour $wrong is not in the last box"
poll 5 pixelis "$(borderx $wrong)" "$panely" ! "$border" ||
    fail "a colour put into the row still shows the border of an available colour"
doubleclick "$((boxx[2] - 3 + boxw / 2))" "$((boxy[2] - 3 + boxw / 2))"
poll 5 pixelis "${boxx[2]}" "${boxy[2]}" ! "${colours[wrong]}" ||
    fail "a double click on a filled box did not empty it"
poll 5 pixelis "$(borderx $wrong)" "$panely" "$border" ||
    fail "colour $wrong is not available again after its box was emptied"
doubleclick "${panelx[${guess:2:1}]}" "$panely"
locate "${guess:2:1}" 2
import -window root "$out/you-guess-doubleclick.png"
for k in 0 1 2; do
    c=${guess:k:1}
    [ "$(pixels "$out/you-guess-doubleclick.png" "$(borderx "$c")" "$panely")" != "$border" ] ||
        fail "used-up colour $c still shows a border"
done
play 1 "$guess"

# --- Trial 2: drags, the last box first, so each colour lands where it is dropped -------------
# (A lucky first guess ends the game here, and the drags and typing are not tried.)
if [ -z "$won" ]; then
    guess=$(nextguess)
    [ -n "$guess" ] || fail "no code agrees with the marks shown"
    for k in 2 1 0; do
        c=${guess:k:1}
        drag "${panelx[c]}" "$panely" "$((boxx[k] + 6))" "$((boxy[k] + 6))"
        poll 5 pixelis "${boxx[k]}" "${boxy[k]}" "${colours[c]}" ||
            fail "colour $c dragged onto box $k did not land there"
    done
    import -window root "$out/you-guess-drag.png"
    play 2 "$guess"
fi

# --- Trial 3 on: typed, after switching to the keyboard (Options, Input Method, Keyboard) ------
if [ -z "$won" ]; then
    mousetop=$paneltop
    menukey alt+o
    menukey i
    popup xdotool key k
    # The typed input takes the input row's place; the colour panel stays where it was.
    sleep 0.5
    findpanel $((boardy + boardh))
    [ "$paneltop" = "$mousetop" ] || fail "the colour panel moved from $mousetop to $paneltop"
fi
t=3
while [ -z "$won" ]; do
    [ $t -le 12 ] || fail "no win after 12 trials: marks $history"
    guess=$(nextguess)
    [ -n "$guess" ] || fail "no code agrees with the marks shown: $history"
    # A letter and a second copy of a colour are refused; the digits then make the guess.
    xdotool type --delay 60 "x${guess:0:1}${guess:0:1}${guess:1:2}"
    if [ $t = 3 ]; then
        # A settle before the screenshot: the typed digits are text, which nothing here reads.
        sleep 0.2
        import -window root "$out/you-guess-keyboard.png"
    fi
    play $t "$guess"
    t=$((t + 1))
done

# --- The win, the name and the TOP FIVE list ----------------------------------------------------
win=$(findwindow 5 '^Win$') || true
[ -n "$win" ] || fail "no win message"
import -window root "$out/you-guess-win.png"
xdotool windowfocus --sync "$win"
xdotool key Return
# The name entry clears the board: trial 1's first box turns the board's colour.
read -r x y < <(onboard 240 740)
poll 5 pixelis "$x" "$y" 4F7F65 || fail "the game ended without the name entry"
[ "$(title "$main")" = "New Game - Unsaved" ] || fail "the game ended without the name entry"
import -window root "$out/you-guess-name.png"
xdotool windowfocus --sync "$main"
xdotool type --delay 60 "Tester$$"
xdotool key Return
# The TOP FIVE list covers the board in grey.
poll 5 shows C0C0C0 20000 || fail "no TOP FIVE list after the name"
import -window root "$out/you-guess-topfive.png"
poll 5 grep -qa "Tester$$" "$folder/Winners/Winners10" || fail "the name is not in the Winners file"
xdotool key Return
waittitle 10 "$main" "Tintcipher"

# --- Quit ---------------------------------------------------------------------------------------
quitprogram
echo "won at trial $won; screenshots in $out"
