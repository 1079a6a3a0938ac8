#!/usr/bin/env bash
# The start-up benchmark, in an Xvfb of its own: the median time from exec to the first visible
# window of a minimal Qt Widgets program and of tintcipher, and from a click on the title window
# as soon as it shows to the main window. Times are printed, never checked.
#   bench/startup.sh [BUILD-FOLDER [RUNS]]     (defaults: build 7)
# Each program is started once before the runs that count, so both find their files cached.
# With QT_LOGGING_RULES=tintcipher.startup.debug=true in the environment, tintcipher's phases
# are printed too, from its last run.
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
runs=${2:-7}
watch=$build/bench/startupwatch
for f in "$watch" "$build/bench/startup_window" "$build/app/tintcipher"; do
    [ -x "$f" ] || { echo "missing $f: build the project first" >&2; exit 1; }
done

# A copy of the program folder, so the build's records keep nothing of the runs.
folder=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$folder"' EXIT
# An X server of its own, on a display number it chooses itself, so that servers started at
# the same time by tests cannot take it.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$folder/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$folder/display" ] && break; sleep 0.05; done
[ -s "$folder/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$folder/display")
cp -p "$build/app/tintcipher" "$folder/"
for d in Icon Music Pictures Video Winners; do
    [ -d "$build/app/$d" ] && cp -rp "$build/app/$d" "$folder/"
done

median() {
    sort -n | awk '{ v[NR] = $1 } END { printf "%.0f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Runs the watcher; stops the benchmark, saying why, when a run shows no window.
timed() {
    local out
    out=$("$watch" "$@" 2>"$folder/log") && [ -n "$out" ] || {
        echo "no window in time from: $*" >&2
        cat "$folder/log" >&2
        exit 1
    }
    echo "$out"
}
timed Yardstick -- "$build/bench/startup_window" >/dev/null
timed 'Tint Cipher' -- "$folder/tintcipher" >/dev/null
yard=() title=() click=()
for ((i = 1; i <= runs; i++)); do
    y=$(timed Yardstick -- "$build/bench/startup_window")
    r=$(timed --click Tintcipher 'Tint Cipher' -- "$folder/tintcipher")
    read -r t c <<<"$r"
    yard+=("$y")
    title+=("$t") click+=("$c")
done
y=$(printf '%s\n' "${yard[@]}" | median)
t=$(printf '%s\n' "${title[@]}" | median)
c=$(printf '%s\n' "${click[@]}" | median)
echo "Start-up, median of $runs runs (ms):"
echo "  minimal Qt Widgets window shown:     $y   (runs: ${yard[*]})"
echo "  tintcipher title window shown:       $t   (runs: ${title[*]})"
awk -v t="$t" -v y="$y" 'BEGIN { printf "  title against minimal window:        %.1f times\n", t / y }'
echo "  click on the title to main window:   $c   (runs: ${click[*]})"
grep -h "^tintcipher.startup" "$folder/log" || true
