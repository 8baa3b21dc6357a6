# When video cannot start, the game says why on standard output and exits with 1.
. "$(dirname "$0")/lib/common.sh"

expect_video_failure() {
    (cd "$WORK" && "$@" "$QUIB" >"$WORK/out" 2>"$WORK/err")
    status=$?
    [ $status -eq 1 ] || fail "$* : status $status, expected 1"
    grep -q "^Unable to initialize SDL: ." "$WORK/out" || fail "$* : no 'Unable to initialize SDL: ' line"
}

expect_video_failure env SDL_VIDEODRIVER=no-such-driver
expect_video_failure env -u DISPLAY -u WAYLAND_DISPLAY
echo "PASS"
