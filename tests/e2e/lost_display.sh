# The X server goes away under a running game (the session ends, a remote link
# drops): the game ends by itself soon after, with a failure status and one
# line that says why, instead of spinning for ever on the dead connection.
. "$(dirname "$0")/lib/common.sh"

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$WORK/display" 2>/dev/null &
SERVER_PID=$!
trap 'kill -9 $SERVER_PID 2>/dev/null; stop_game; rm -rf "$WORK"' EXIT
eventually test -s "$WORK/display" || fail "the X server did not start"
export DISPLAY=":$(cat "$WORK/display")"

start_game "$SOURCE/data"
wait_drawn
kill $SERVER_PID
# Seconds to spare for a loaded machine and the sanitizers.
wait_exit 10
[ "$STATUS" -ne 0 ] || fail "the game ended with status 0 after losing its display"
[ "$(grep -c "^Lost the display: $DISPLAY\$" "$WORK/out")" -eq 1 ] || fail "no one line saying the display was lost"
echo "PASS"
