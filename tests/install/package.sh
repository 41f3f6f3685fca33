#!/usr/bin/env bash
# Builds the Debian package from the built tree with CPack and reads it back:
# its control fields (name, section, the libraries it depends on) and the
# files it installs under /usr. It does not install the package; README.md
# says how to try that by hand.
#
# Usage: package.sh BUILD_DIR WORK_DIR
set -euo pipefail

if [[ $# -ne 2 ]]; then
    echo "usage: $0 BUILD_DIR WORK_DIR" >&2
    exit 2
fi
readonly BUILD=$(realpath "$1")
readonly WORK=$(realpath -m "$2")

for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || {
        echo "FAIL: $tool is missing (scripts/setup.sh installs it)" >&2
        exit 1
    }
done

rm -rf "$WORK"
mkdir -p "$WORK"
cpack --config "$BUILD/CPackConfig.cmake" -G DEB -B "$WORK" >"$WORK/cpack.log" 2>&1 || {
    cat "$WORK/cpack.log" >&2
    exit 1
}
debs=("$WORK"/brindlewick_*.deb)
readonly DEB=${debs[0]}

failures=0
check() { # check WHAT COMMAND...
    local what=$1
    shift
    if "$@"; then
        echo "ok    $what"
    else
        echo "FAIL  $what"
        failures=$((failures + 1))
    fi
}

check "one package was built" test "${#debs[@]}" -eq 1 -a -f "$DEB"
field() { dpkg-deb -f "$DEB" "$1"; }
check "it is named brindlewick" test "$(field Package)" == brindlewick
check "it is in section games" test "$(field Section)" == games
check "it has a description" test "$(field Description | wc -l)" -gt 2
# The libraries the game links, found by dpkg-shlibdeps, and OpenGL, which
# SDL opens at run time.
for package in libsdl2-2.0-0 libepoxy0 libpng16-16 libfreetype6 libopenal1 libvorbisfile3 libgl1; do
    check "it depends on $package" grep -qE "(^|, )$package( |,|$)" <<<"$(field Depends)"
done

dpkg-deb -c "$DEB" | awk '{ print $6 }' >"$WORK/contents.txt"
for file in ./usr/games/brindlewick ./usr/share/games/brindlewick/Data/Images/player.png \
    ./usr/share/games/brindlewick/Data/Icons/brindlewick.png \
    ./usr/share/applications/brindlewick.desktop \
    ./usr/share/metainfo/org.brindlewick.brindlewick.metainfo.xml \
    ./usr/share/man/man6/brindlewick.6.gz \
    ./usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/brindlewick.png; do
    check "it holds ${file#./}" grep -qxF "$file" "$WORK/contents.txt"
done
check "everything is under /usr" bash -c '! grep -v "^\./usr/\?" "$1"' _ "$WORK/contents.txt"
dpkg-deb --fsys-tarfile "$DEB" | tar -xO ./usr/share/applications/brindlewick.desktop \
    >"$WORK/brindlewick.desktop"
check "its menu entry starts /usr/games/brindlewick" \
    grep -qx "Exec=/usr/games/brindlewick" "$WORK/brindlewick.desktop"
echo "package: $(basename "$DEB"), $(stat -c %s "$DEB") bytes"

if ((failures > 0)); then
    echo "$failures checks failed; the package is in $WORK" >&2
    exit 1
fi
rm -rf "$WORK"
