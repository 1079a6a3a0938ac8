#!/usr/bin/env bash
# What a screen reader gets, checked through AT-SPI by a11y.py while it plays by keys alone, in a
# session bus of its own with Qt's accessibility on. Skipped (77) without Debian's pyatspi or the
# AT-SPI bus.
# Usage: a11y.sh PROGRAM OUTPUT-FOLDER
shots=a11y
python=/usr/bin/python3
if [ "${1:-}" != --inside ] && [ "${1:-}" != --bus ]; then
    if ! command -v dbus-run-session >/dev/null || [ ! -x /usr/libexec/at-spi-bus-launcher ] ||
        ! $python -c "import pyatspi" 2>/dev/null; then
        echo "SKIP: dbus-run-session, at-spi2-core or python3-pyatspi missing"
        exit 77
    fi
    # A runtime folder of its own: the accessibility bus's socket lives there, and another
    # session's must neither be found nor removed.
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
    dbus-run-session -- bash "$0" --bus "$@"
    exit
fi
[ "$1" = --bus ] && shift
source "$(dirname "$0")/common.sh"

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# The accessibility bus, up before the program looks for it.
$python -c "import pyatspi; pyatspi.Registry.getDesktop(0)"
startcopy
skiptitle
$python "$(dirname "$0")/a11y.py" "$pid" || fail "see above"
