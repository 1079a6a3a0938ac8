# Sourced by the end-to-end scripts, each run as SCRIPT PROGRAM OUTPUT-FOLDER after setting
# `shots`, the prefix of its screenshots (and `screen`, the display's size, when not 1024x768): it
# runs the script again inside its own Xvfb and gives the helpers they share.
set -euo pipefail

if [ "${1:-}" != --inside ]; then
    mkdir -p "$2"
    exec xvfb-run -a -s "-screen 0 ${screen:-1024x768}x24" bash "$0" --inside "$@"
fi
program=$2
out=$3
rm -f "$out/$shots"-*.png

fail() {
    echo "FAIL: $*" >&2
    import -window root "$out/$shots-failure.png" || true
    exit 1
}
# Runs $2 onwards every tenth of a second until it succeeds, for up to $1 seconds; returns 1 if
# it never did.
poll() {
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $end ] || return 1
        sleep 0.1
    done
}
# Waits up to $1 seconds for a visible window whose title matches $2; prints its id. Searched
# afresh each time: a search that meets a window going away (under a window manager) may fail.
findwindow() {
    local id end=$((SECONDS + $1))
    until id=$(search "$2"); do
        [ $SECONDS -lt $end ] || return 1
        sleep 0.1
    done
    echo "$id"
}
search() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 | grep .; }
title() {
    xdotool getwindowname "$1"
}
titled() { [ "$(title "$1")" = "$2" ]; }
# Waits up to $1 seconds for window $2 to be titled $3.
waittitle() {
    poll "$1" titled "$2" "$3" || fail "window title is \"$(title "$2")\", not \"$3\""
}
# How many visible windows are titled exactly $1.
count() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l
}
counted() { [ "$(count "$2")" = "$1" ]; }
# Waits up to $1 seconds for $2 visible windows titled $3.
waitcount() {
    poll "$1" counted "$2" "$3" || fail "$(count "$3") windows titled \"$3\", not $2"
}

# How many windows of the program are visible; a popup menu is one of its own.
windows() {
    xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l
}
# Runs $@ (keys, a click), which opens or closes a popup menu, and waits up to 10 seconds for the
# menu to show or go; a closed menu has given the keyboard back.
popup() {
    local before
    before=$(windows)
    "$@"
    poll 10 notwindows "$before" || fail "\"$*\" opened or closed no menu"
}
notwindows() { [ "$(windows)" != "$1" ]; }
menukey() {
    popup xdotool key --clearmodifiers "$@"
}
# The Game menu's Game Setting, waited for until the setting menu, framed in its own blue, shows.
settingmenu() {
    menukey alt+g
    menukey Return
    poll 10 shows 2F6FB0 2000 || fail "Game Setting showed no setting menu"
}

# --- Pictures of the windows ---------------------------------------------------------------------
# The main window's picture, into file $1.
shot() { import -window "$main" "$1"; }
# Window $1's picture, 8 bits a channel, to standard output.
capture() { import -window "$1" -depth 8 miff:-; }
# The colours of the pixels at the given x y pairs of image $1, as hex, one per line.
pixels() {
    local file=$1 format=""
    shift
    while [ $# -gt 1 ]; do
        format+="%[hex:p{$1,$2}]\n"
        shift 2
    done
    convert "$file" -format "$format" info:
}
# Whether the main window's pixel at $1 $2 is (or, after "!", is not) colour $3.
pixelis() {
    local now
    now=$(capture "$main" | pixels miff:- "$1" "$2")
    if [ "$3" = "!" ]; then [ "$now" != "$4" ]; else [ "$now" = "$3" ]; fi
}
# How many pixels of image $1 are of colour $2 (hex), within $4 percent (0 unless given), in its
# part $3 (WxH+X+Y; all of it unless given).
colourcount() {
    convert "$1" -crop "${3:-100000x100000+0+0}" +repage -alpha off -fuzz "${4:-0}%" \
        -fill "#010203" -opaque "#$2" -fuzz 0 -fill black +opaque "#010203" -fill white \
        -opaque "#010203" -format "%[fx:round(mean*w*h)]" info:
}
# Whether the main window holds at least $2 pixels of colour $1, and at most $3 when given.
shows() {
    local n
    n=$(capture "$main" | colourcount miff:- "$1")
    [ "$n" -ge "$2" ] && [ "$n" -le "${3:-$n}" ]
}
# Whether window $1 has been drawn: an unpainted one shows a colour or two, text and pictures
# many.
drawn() {
    [ "$(capture "$1" | convert miff:- -format %k info:)" -gt 16 ]
}
same() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" = 0 ]; }
# Waits up to $1 seconds for part $2 (WxH+X+Y) of the main window to differ from image $3 and
# then hold still: the redraw after some key presses is done.
waitredraw() {
    import -window "$main" -crop "$2" +repage "$3.last.png"
    poll "$1" redrawn "$2" "$3" || fail "no redraw in $2 of the main window"
    rm -f "$3.last.png" "$3.now.png"
}
redrawn() {
    import -window "$main" -crop "$1" +repage "$2.now.png"
    ! same "$2" "$2.now.png" && same "$2.last.png" "$2.now.png" && return
    mv "$2.now.png" "$2.last.png"
    return 1
}

# Starts the program from a copy of its folder in `folder`, so the build's Winners files and
# saved games keep nothing of the test; `pid` is the program's. The copy goes when the script
# ends.
startcopy() {
    folder=$(mktemp -d)
    cp -p "$program" "$folder/"
    local d
    for d in Icon Music Pictures Video Winners; do
        [ -d "$(dirname "$program")/$d" ] && cp -rp "$(dirname "$program")/$d" "$folder/"
    done
    "$folder/$(basename "$program")" &
    pid=$!
    trap 'kill $pid ${wm:-} 2>/dev/null || true; rm -rf "$folder"' EXIT
}

# Waits for the title window (`titlewindow`), keeps its screenshot as $1 when given, clicks it
# away and waits for the main window (`main`), which gets the keyboard.
skiptitle() {
    titlewindow=$(findwindow 10 '^Tint Cipher$') || true
    [ -n "$titlewindow" ] || fail "the title window did not appear"
    if [ -n "${1:-}" ]; then
        # A settle before the screenshot: the title's video leaves no still screen to wait for.
        sleep 0.5
        import -window root "$out/$shots-$1.png"
    fi
    xdotool mousemove --window "$titlewindow" 5 5 click 1
    waitmain
}
waitmain() {
    findmain
    xdotool windowfocus --sync "$main"
}
findmain() {
    main=$(findwindow 15 '^Tintcipher$') || true
    [ -n "$main" ] || fail "the main window did not appear"
    poll 10 drawn "$main" || fail "the main window was not drawn"
}
# Waits up to $1 seconds for window $2 to have the keyboard, given it by the program alone.
waitfocus() {
    poll "$1" focused "$2" || fail "window \"$(title "$2")\" did not get the keyboard"
}
focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
# Waits up to 10 seconds for a window titled $1 (a pattern) that takes the keyboard by itself;
# prints its id, or fails with $2.
keywindow() {
    local window
    window=$(findwindow 10 "$1") || true
    [ -n "$window" ] || fail "$2"
    waitfocus 5 "$window"
    echo "$window"
}
# Starts the window manager Openbox, to go when the script ends, and waits until it runs.
startwm() {
    openbox --sm-disable 2>/dev/null &
    wm=$!
    poll 10 wmruns || fail "Openbox did not start"
}
wmruns() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; }

# Ends through the Game menu's Quit(&Q) and its question, whose default button is OK; the
# program must then exit with status 0.
quitprogram() {
    xdotool windowfocus --sync "$main"
    menukey alt+g
    xdotool key q
    quitbyquestion
}
ended() { ! kill -0 $pid 2>/dev/null; }
quitbyquestion() {
    local question
    question=$(findwindow 10 '^Quit Programme\?$') || true
    [ -n "$question" ] || fail "no quit question appeared"
    xdotool windowfocus --sync "$question"
    xdotool key Return
    poll 10 ended || fail "the program did not end after the quit question"
    wait $pid || fail "the program ended with status $?"
}
