# Installation and the Debian package: the staged file list, then the package
# installed for real, started from an empty folder, and removed again.
. "$(dirname "$0")/lib/common.sh"
BUILD=$QUIB_BUILD_DIR

STAGE=$WORK/stage
DESTDIR=$STAGE cmake --install "$BUILD" >/dev/null || fail "cmake --install failed"
for file in usr/games/quib usr/share/games/quib/images/wheel.png usr/share/games/quib/sounds/music.ogg \
            usr/share/games/quib/shapes/level.svg usr/share/applications/quib.desktop \
            usr/share/metainfo/quib.metainfo.xml usr/share/man/man6/quib.6.gz \
            usr/share/icons/hicolor/48x48/apps/quib.png usr/share/icons/hicolor/256x256/apps/quib.png; do
    [ -f "$STAGE/$file" ] || fail "not installed: /$file"
done
[ -x "$STAGE/usr/games/quib" ] || fail "/usr/games/quib is not executable"
grep -q "^Categories=Game;LogicGame;" "$STAGE/usr/share/applications/quib.desktop" || fail "desktop entry category"

[ "$(id -u)" -eq 0 ] || skip "installing the package needs root; the staged installation passed"
(cd "$BUILD" && cpack -G DEB -B "$WORK/deb" >/dev/null) || fail "cpack failed"
DEB=$(ls "$WORK"/deb/quib_*_*.deb)
dpkg-deb -f "$DEB" Depends | grep -q "libbox2d" || fail "the package does not depend on Box2D"
dpkg -i "$DEB" >/dev/null || fail "dpkg -i failed"
trap 'stop_game; dpkg -r quib >/dev/null 2>&1; rm -rf "$WORK"' EXIT
QUIB=/usr/games/quib
mkdir -p "$WORK/nowhere"
start_game "$WORK/nowhere"
wait_drawn
press Escape
wait_exit 10
[ "$STATUS" -eq 0 ] || fail "the installed game ended with status $STATUS"
[ ! -s "$WORK/out" ] || fail "the installed game reported: $(head -3 "$WORK/out")"
dpkg -r quib >/dev/null || fail "dpkg -r failed"
[ ! -e /usr/games/quib ] || fail "the package left /usr/games/quib behind"
echo "PASS"
