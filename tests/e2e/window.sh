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

# The view keeps its height of the world at any window size: 960 x 720 shows
# the 640 x 480 picture larger; 1280 x 720 shows more to the sides, with the
# panel at the right edge as it is at 640 x 480.
sized() { [ "$(window_size)" = "$1 $2" ]; }
resize_to() {
    xdotool windowsize "$WINDOW" "$1" "$2"
    # The window must lie on the screen to be read whole.
    xdotool windowmove "$WINDOW" 0 0
    eventually sized "$1" "$2" || fail "window is $(window_size), expected $1 $2"
}
# differing A B REGION_A REGION_B: pixels of A's region unlike B's region, scaled to it.
differing() { out=$("$XPROBE" diff "$WORK/$1.ppm" "$WORK/$2.ppm" $3 $4) && echo "${out%% *}" || echo "unreadable"; }
# now_alike LIMIT A B REGION_A REGION_B: takes shot B; at most LIMIT pixels differ.
now_alike() {
    "$XPROBE" save "$WINDOW" "$WORK/$3.ppm"
    n=$(differing "$2" "$3" "$4" "$5")
    [ "$n" != unreadable ] && [ "$n" -le "$1" ]
}

# The wheel settles on the ground first, and the view with it.
settled() { "$XPROBE" save "$WINDOW" "$WORK/before.ppm"; sleep 0.5; now_alike 50 before small "0 0 640 480" "0 0 640 480"; }

start_game "$SOURCE/data"
wait_drawn
eventually settled || fail "the view never stood still at the start"
resize_to 960 720
# Edges filtered at another scale differ; a view of another size would differ almost everywhere.
eventually now_alike 15000 small larger "0 0 640 480" "0 0 960 720" ||
    fail "960 x 720 is not the 640 x 480 picture larger: $(differing small larger "0 0 640 480" "0 0 960 720") pixels differ"
resize_to 1280 720
# The panel's inside: 2.6 to 0.6 units from the right edge, 0.4 to 14.4 from the top.
eventually now_alike 1000 small wide "578 14 44 342" "1187 21 66 513" ||
    fail "1280 x 720 has no panel at its right edge: $(differing small wide "578 14 44 342" "1187 21 66 513") pixels differ"
now_alike 12000 small wide "0 0 540 480" "160 0 810 720" ||
    fail "1280 x 720 does not show the 640 x 480 view in its middle: $(differing small wide "0 0 540 480" "160 0 810 720") pixels differ"

# In the large window, roll right until the first star turns into a tool in
# the panel, drag a copy of it into the air and drop it there. The tool fades
# while a copy is carried and shows in full colour again once it is placed.
TOOL="1220 60"  # the first tool: 1.6 units from the top right corner, 37.5 pixels a unit
tool_region() { echo 1200 40 40 40; }
shot() { "$XPROBE" save "$WINDOW" "$WORK/$1.ppm"; }
# changed_from A B REGION / same_as A B REGION: takes shot B and compares the region.
changed_from() { shot "$2"; n=$(differing "$1" "$2" "$3" "$3"); [ "$n" != unreadable ] && [ "$n" -gt 30 ]; }
same_as() { shot "$2"; n=$(differing "$1" "$2" "$3" "$3"); [ "$n" != unreadable ] && [ "$n" -le 30 ]; }
xdotool windowfocus "$WINDOW"
xdotool keydown Right
eventually changed_from wide collected "$(tool_region)"
collected=$?
xdotool keyup Right
[ "$collected" -eq 0 ] || fail "no tool appeared in the panel of the large window"
xdotool mousemove --window "$WINDOW" $TOOL click 1
eventually changed_from collected carrying "$(tool_region)" || fail "clicking the tool did not take a copy"
xdotool mousemove --window "$WINDOW" 900 120
sleep 0.5
xdotool click 1
eventually same_as collected dropped "$(tool_region)" || fail "the copy was not placed in the large window"
press Escape
wait_exit 10

# Without data the window shows its clear colour, and a close request ends it.
start_game "$EMPTY"
eventually corner_is_pale 5 5 || fail "corner pixel is $(pixel 5 5)"
"$XPROBE" close "$WINDOW"
wait_exit 10
[ "$STATUS" -eq 0 ] || fail "a close request ended the game with status $STATUS"
echo "PASS"
