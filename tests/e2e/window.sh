# The game's window as the X server sees it: size, title, background colour,
# resizing by the window system, and the two ways to quit.
. "$(dirname "$0")/lib/common.sh"
EMPTY=$WORK/empty
mkdir -p "$EMPTY"

corner_is_pale() { is_colour "$(pixel "$1" "$2")" $PALE_BLUE; }
# shows X Y "R G B": the pixel there has that colour.
shows() { is_colour "$(pixel "$1" "$2")" $3; }

start_game "$SOURCE/data"
[ "$(window_size)" = "640 480" ] || fail "window is $(window_size), expected 640 480"
wait_drawn
panel=$(pixel 620 100)

# The window system makes the window wider: the game shows more of the world
# and keeps its panel, at its own size, at the right edge. A game that ignored
# the new size would be stretched to it, and sky would show there instead.
xdotool windowsize "$WINDOW" 960 480
eventually shows 940 100 "$panel" || fail "after resize the panel's edge is $(pixel 940 100), not $panel"

press Escape
wait_exit 10
[ "$STATUS" -eq 0 ] || fail "Escape ended the game with status $STATUS"
[ ! -s "$WORK/err" ] || fail "the game wrote to standard error"

# Without data the window shows its clear colour, and a close request ends it.
start_game "$EMPTY"
eventually corner_is_pale 5 5 || fail "corner pixel is $(pixel 5 5)"
"$XPROBE" close "$WINDOW"
wait_exit 10
[ "$STATUS" -eq 0 ] || fail "a close request ended the game with status $STATUS"
echo "PASS"
