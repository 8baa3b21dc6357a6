# The game's window as the X server sees it: size, title, background colour,
# resizing by the window system, and the two ways to quit.
. "$(dirname "$0")/lib/common.sh"
EMPTY=$WORK/empty
mkdir -p "$EMPTY"

start_game "$EMPTY"
[ "$(window_size)" = "640 480" ] || fail "window is $(window_size), expected 640 480"
is_colour "$(pixel 5 5)" $PALE_BLUE || fail "corner pixel is $(pixel 5 5)"

xdotool windowsize "$WINDOW" 800 600
sleep 1
[ "$(window_size)" = "800 600" ] || fail "window is $(window_size) after resize"
is_colour "$(pixel 790 590)" $PALE_BLUE || fail "after resize the new corner is $(pixel 790 590)"

xdotool key Escape
wait_exit 10
[ "$STATUS" -eq 0 ] || fail "Escape ended the game with status $STATUS"
[ ! -s "$WORK/err" ] || fail "the game wrote to standard error"

start_game "$EMPTY"
"$XPROBE" close "$WINDOW"
wait_exit 10
[ "$STATUS" -eq 0 ] || fail "a close request ended the game with status $STATUS"
echo "PASS"
