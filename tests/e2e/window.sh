# The game's window as the X server sees it: size, title, background colour,
# resizing by the window system, and the two ways to quit.
. "$(dirname "$0")/lib/common.sh"
EMPTY=$WORK/empty
mkdir -p "$EMPTY"

corner_is_pale() { is_colour "$(pixel "$1" "$2")" $PALE_BLUE; }
resized() { [ "$(window_size)" = "800 600" ]; }

start_game "$EMPTY"
[ "$(window_size)" = "640 480" ] || fail "window is $(window_size), expected 640 480"
eventually corner_is_pale 5 5 || fail "corner pixel is $(pixel 5 5)"

xdotool windowsize "$WINDOW" 800 600
eventually resized || fail "window is $(window_size) after resize"
eventually corner_is_pale 790 590 || fail "after resize the new corner is $(pixel 790 590)"

press Escape
wait_exit 10
[ "$STATUS" -eq 0 ] || fail "Escape ended the game with status $STATUS"
[ ! -s "$WORK/err" ] || fail "the game wrote to standard error"

start_game "$EMPTY"
"$XPROBE" close "$WINDOW"
wait_exit 10
[ "$STATUS" -eq 0 ] || fail "a close request ended the game with status $STATUS"
echo "PASS"
