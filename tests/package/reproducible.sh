# The release package built twice, from two clones in different folders and
# under different umasks, must be the same file, byte for byte; lintian must
# find neither error nor warning in it, and the metainfo it installs must
# validate. The clones carry the work tree's uncommitted changes and new files.
# Argument: the source tree.
set -u
SOURCE=$1
SKIP=77
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

git -C "$SOURCE" rev-parse --verify -q HEAD >/dev/null ||
    { echo "SKIP: $SOURCE is not a git checkout: no commit time to build from"; exit $SKIP; }
# The inner make is not part of whatever make runs the suite.
unset MAKEFLAGS MFLAGS MAKELEVEL

# package FOLDER UMASK: builds the .deb in a fresh clone; sets DEB to its path.
package() {
    git clone -q "$SOURCE" "$1" || fail "git clone into $1"
    git -C "$SOURCE" diff HEAD --binary | git -C "$1" apply --allow-empty ||
        fail "the uncommitted changes do not apply to $1"
    git -C "$SOURCE" ls-files -z --others --exclude-standard |
        tar -C "$SOURCE" -cf - --null -T - | tar -C "$1" -xf - || fail "new files copied to $1"
    # No compiler cache: both builds really compile.
    (cd "$1" && umask "$2" && CCACHE_DISABLE=1 make package) >"$WORK/log" 2>&1 ||
        { tail -40 "$WORK/log"; fail "make package in $1"; }
    DEB=$(ls "$1"/build/quib_*.deb)
}

package "$WORK/one/quib" 022
FIRST=$DEB
package "$WORK/second/folder/quib-clone" 002
SECOND=$DEB

if ! cmp -s "$FIRST" "$SECOND"; then
    for part in --info --contents; do
        dpkg-deb $part "$FIRST" >"$WORK/listing.1" 2>&1
        dpkg-deb $part "$SECOND" >"$WORK/listing.2" 2>&1
        diff "$WORK/listing.1" "$WORK/listing.2"
    done
    fail "two builds of the same source give different packages"
fi

lintian --fail-on error,warning "$FIRST" || fail "lintian reports errors or warnings"

# appstreamcli ends with 3 on warnings too; only errors fail the test.
METAINFO=$WORK/root/usr/share/metainfo/quib.metainfo.xml
dpkg-deb -x "$FIRST" "$WORK/root"
[ -f "$METAINFO" ] || fail "the package has no metainfo"
appstreamcli validate --pedantic --no-net "$METAINFO" >"$WORK/appstream"
case $? in 0|3) ;; *) cat "$WORK/appstream"; fail "appstreamcli could not validate the metainfo" ;; esac
grep '^E:' "$WORK/appstream" && fail "the metainfo does not validate"
echo "PASS"
