#!/usr/bin/env bash
# Makes the Debian package of a build into OUT-FOLDER and checks its control fields and that it
# holds every file an installation needs. Exit 77 (skipped) without dpkg-deb and dpkg-shlibdeps.
# Usage: contents.sh BUILD-FOLDER OUT-FOLDER
set -euo pipefail
build=$1
out=$2
for tool in dpkg-deb dpkg-shlibdeps; do
    command -v $tool >/dev/null || { echo "SKIP: $tool is not installed (dpkg-dev)"; exit 77; }
done
rm -rf "$out"
mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" ||
    { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/tintcipher_*.deb)
fail() { echo "FAIL: $*" >&2; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tintcipher ] || fail "package name $(field Package)"
[ "$(field Section)" = games ] || fail "section $(field Section)"
[ -n "$(field Version)" ] && [ -n "$(field Maintainer)" ] || fail "no version or maintainer"
field Depends | grep -q 'libqt6widgets6' || fail "no Qt in Depends: $(field Depends)"

dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$out/files.txt"
for f in /usr/bin/tintcipher /usr/bin/tintcipher-cli \
    /usr/share/applications/tintcipher.desktop /usr/share/metainfo/tintcipher.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/tintcipher.svg \
    /usr/share/icons/hicolor/48x48/apps/tintcipher.png \
    /usr/share/icons/hicolor/256x256/apps/tintcipher.png \
    /usr/share/man/man6/tintcipher.6.gz /usr/share/man/man6/tintcipher-cli.6.gz \
    /usr/share/tintcipher/Vbintro.html /usr/share/tintcipher/Video/Fox.avi \
    /usr/share/tintcipher/Pictures/Clouds.png /usr/share/tintcipher/Music/canyon.mid; do
    grep -qx "$f" "$out/files.txt" || fail "$f is not in the package"
done
for n in 5 6 7 8 9 10; do
    grep -qx "/usr/share/tintcipher/Winners/Winners$n" "$out/files.txt" || fail "no Winners$n"
done
# Nothing of a build or a played game goes with it.
! grep -E 'Tintcipher\.lock|/Files/|\.tc$' "$out/files.txt" || fail "a player's file is packed"
echo "$deb: $(wc -l <"$out/files.txt") entries"
