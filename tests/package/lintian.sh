#!/usr/bin/env bash
# The package made by package_contents, as Debian's tools and a user meet it: lintian at
# --pedantic reports no error and no warning (an info tag stays only where the package's
# overrides give the reason); each program, unpacked, answers --help and --version without a
# display; its manual page names every option that --help lists.
# Usage: lintian.sh DEB-FOLDER. Exit 77 (skipped) without lintian.
set -euo pipefail
command -v lintian >/dev/null || { echo "SKIP: lintian is not installed"; exit 77; }
deb=$(ls "$1"/tintcipher_*.deb)
fail() { echo "FAIL: $*" >&2; exit 1; }
lintian --pedantic --display-info "$deb" >"$1/lintian.txt" || true
cat "$1/lintian.txt"
! grep -E '^[EW]: ' "$1/lintian.txt" || fail "lintian reports errors or warnings"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
for program in tintcipher tintcipher-cli; do
    run=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/games/$program")
    help=$("${run[@]}" --help) || fail "$program --help failed"
    grep -q '^Usage: '"$program" <<<"$help" || fail "$program --help: $help"
    "${run[@]}" --version | grep -qx "$program [0-9.]*" || fail "$program --version"
    page=$(zcat "$root/usr/share/man/man6/$program.6.gz" | sed 's/\\-/-/g')
    for option in $(grep -oE -- '--[a-z][a-z-]*' <<<"$help" | sort -u); do
        grep -qF -- "$option" <<<"$page" || fail "the manual page of $program leaves out $option"
    done
done
echo "lintian clean; --help, --version and the manual pages agree"
