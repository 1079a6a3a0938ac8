# Sourced by the end-to-end scripts, each run as SCRIPT PROGRAM OUTPUT-FOLDER after setting
# `shots`, the prefix of its screenshots: it runs the script again inside its own Xvfb and gives
# the helpers they share.
set -euo pipefail

if [ "${1:-}" != --inside ]; then
    mkdir -p "$2"
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --inside "$@"
fi
program=$2
out=$3
rm -f "$out/$shots"-*.png

fail() {
    echo "FAIL: $*" >&2
    import -window root "$out/$shots-failure.png" || true
    exit 1
}
# Waits up to $1 seconds for a visible window whose title matches $2; prints its id.
findwindow() {
    timeout "$1" xdotool search --sync --onlyvisible --name "$2" 2>/dev/null | head -1
}
title() {
    xdotool getwindowname "$1"
}
# Waits up to $1 seconds for window $2 to be titled $3.
waittitle() {
    local end=$((SECONDS + $1))
    while [ "$(title "$2")" != "$3" ]; do
        [ $SECONDS -lt $end ] || fail "window title is \"$(title "$2")\", not \"$3\""
        sleep 0.2
    done
}
# How many visible windows are titled exactly $1.
count() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l
}
# Waits up to $1 seconds for $2 visible windows titled $3.
waitcount() {
    local end=$((SECONDS + $1))
    while [ "$(count "$3")" != "$2" ]; do
        [ $SECONDS -lt $end ] || fail "$(count "$3") windows titled \"$3\", not $2"
        sleep 0.2
    done
}

# How many windows of the program are visible; a popup menu is one of its own.
windows() {
    xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l
}
# Runs $@ (keys, a click), which opens or closes a popup menu, and waits up to 10 seconds for the
# menu to show or go; a closed menu has given the keyboard back.
popup() {
    local before end=$((SECONDS + 10))
    before=$(windows)
    "$@"
    while [ "$(windows)" = "$before" ]; do
        [ $SECONDS -lt $end ] || fail "\"$*\" opened or closed no menu"
        sleep 0.1
    done
}
menukey() {
    popup xdotool key --clearmodifiers "$@"
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
    trap 'kill $pid 2>/dev/null || true; rm -rf "$folder"' EXIT
}

# Waits for the title window (`titlewindow`), keeps its screenshot as $1 when given, clicks it
# away and waits for the main window (`main`), which gets the keyboard.
skiptitle() {
    titlewindow=$(findwindow 10 '^Tint Cipher$') || true
    [ -n "$titlewindow" ] || fail "the title window did not appear"
    # A settle before the screenshot: the title's video leaves no still screen to wait for.
    sleep 0.5
    [ -z "${1:-}" ] || import -window root "$out/$shots-$1.png"
    xdotool mousemove --window "$titlewindow" 5 5 click 1
    waitmain
}
waitmain() {
    main=$(findwindow 15 '^Tintcipher$') || true
    [ -n "$main" ] || fail "the main window did not appear"
    # A settle while the window lays itself out; the idle picture's moving clouds leave no still
    # screen to wait for.
    sleep 1
    xdotool windowfocus --sync "$main"
}

# Ends through the Game menu's Quit(&Q) and its question, whose default button is OK; the
# program must then exit with status 0.
quitprogram() {
    xdotool windowfocus --sync "$main"
    menukey alt+g
    xdotool key q
    quitbyquestion
}
quitbyquestion() {
    local question
    question=$(findwindow 10 '^Quit Programme\?$') || true
    [ -n "$question" ] || fail "no quit question appeared"
    xdotool windowfocus --sync "$question"
    xdotool key Return
    for _ in $(seq 50); do
        kill -0 $pid 2>/dev/null || break
        sleep 0.2
    done
    kill -0 $pid 2>/dev/null && fail "the program did not end after the quit question"
    wait $pid || fail "the program ended with status $?"
}
