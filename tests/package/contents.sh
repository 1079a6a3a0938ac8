#!/usr/bin/env bash
# Makes the build's Debian package in OUT-FOLDER; checks its control fields and its files.
# Usage: contents.sh BUILD-FOLDER OUT-FOLDER. Exit 77 (skipped) without dpkg-deb/dpkg-shlibdeps.
set -euo pipefail
for tool in dpkg-deb dpkg-shlibdeps; do
    command -v $tool >/dev/null || { echo "SKIP: $tool is not installed (dpkg-dev)"; exit 77; }
done
rm -rf "$2" && mkdir -p "$2"
cpack --config "$1/CPackConfig.cmake" -G DEB -B "$2" >"$2/cpack.log" || { cat "$2/cpack.log"; exit 1; }
deb=$(ls "$2"/tintcipher_*.deb)
fail() { echo "FAIL: $*" >&2; exit 1; }
dpkg-deb -f "$deb" Package Section Version Maintainer Depends Recommends | tee "$2/control.txt"
grep -qx 'Package: tintcipher' "$2/control.txt" && grep -qx 'Section: games' "$2/control.txt" &&
    grep -q '^Depends: .*libqt6widgets6' "$2/control.txt" &&
    grep -q '^Recommends: .*gstreamer1.0-plugins-good' "$2/control.txt" &&
    [ "$(wc -l <"$2/control.txt")" = 6 ] ||
    fail "control fields"
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$2/files.txt"
share=/usr/share/tintcipher icons=/usr/share/icons/hicolor
for f in /usr/games/tintcipher /usr/games/tintcipher-cli /usr/share/applications/tintcipher.desktop \
    /usr/share/metainfo/org.example.tintcipher.metainfo.xml $icons/scalable/apps/tintcipher.svg \
    /usr/share/doc/tintcipher/copyright /usr/share/doc/tintcipher/changelog.gz \
    $icons/48x48/apps/tintcipher.png $icons/256x256/apps/tintcipher.png \
    /usr/share/man/man6/tintcipher.6.gz /usr/share/man/man6/tintcipher-cli.6.gz \
    $share/Vbintro.html $share/Video/Fox.avi $share/Pictures/Clouds.png $share/Music/canyon.mid \
    $share/Winners/Winners{5,6,7,8,9,10}; do
    grep -qx "$f" "$2/files.txt" || fail "$f is not in the package"
done
# Nothing of a played game goes with it.
! grep -E 'Tintcipher\.lock|/Files/|\.tc$' "$2/files.txt" || fail "a player's file is packed"
