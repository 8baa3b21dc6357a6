# The game as a player meets it: real keys and mouse through the X server,
# judged by what the window shows.
. "$(dirname "$0")/lib/common.sh"

# Window pixels of the drag box's first tool slot and of the mute button.
TOOL_X=600; TOOL_Y=40
MUTE_X=600; MUTE_Y=335

shot() { "$XPROBE" save "$WINDOW" "$WORK/$1.ppm"; }
changed() { "$XPROBE" diff "$WORK/$1.ppm" "$WORK/$2.ppm" "${@:3}"; }
region_changed() { [ "$(changed "$@")" -gt "$REGION_THRESHOLD" ]; }
# now_changed NAME REFERENCE [REGION]: takes shot NAME and compares it.
now_changed() { shot "$1"; region_changed "$2" "$1" "${@:3}"; }
now_same() { shot "$1"; ! region_changed "$2" "$1" "${@:3}"; }
bare_corner() { is_colour "$(pixel 5 5)" $PALE_BLUE; }
REGION_THRESHOLD=30
mute_region() { echo $((MUTE_X - 12)) $((MUTE_Y - 12)) 24 24; }
# steady NAME: takes shot NAME once the picture has stopped changing.
steady() {
    shot "$1"
    for _ in $(seq 1 120); do
        sleep 0.25
        now_same "$1.next" "$1" && return 0
        mv "$WORK/$1.next.ppm" "$WORK/$1.ppm"
    done
    fail "the picture never came to rest"
}

start_game "$SOURCE/data"
wait_drawn
steady start

# m and a click on the speaker switch its picture, and back.
press m
eventually now_changed muted start $(mute_region) || fail "m did not change the mute button"
press m
eventually now_same unmuted start $(mute_region) || fail "a second m did not switch the button back"
xdotool mousemove --window "$WINDOW" $MUTE_X $MUTE_Y click 1
eventually now_changed clicked start $(mute_region) || fail "a click on the mute button did not change it"
xdotool click 1
eventually now_same unclicked start $(mute_region) || fail "a second click did not switch the button back"

# d shows the physics outlines on the bare background, and back.
press d
eventually bare_corner || fail "debug view does not show the bare background: $(pixel 5 5)"
shot debug
region_changed start debug || fail "debug view looks like the normal view"
press d
eventually now_same normal start || fail "the pictures did not come back after a second d"

# f switches to full screen and back.
full_screen() { [ "$(window_size)" != "640 480" ]; }
windowed() { [ "$(window_size)" = "640 480" ]; }
press f
eventually full_screen || fail "f did not change the window to full screen"
# Without a window manager nobody gives the new full-screen window the focus.
xdotool windowfocus "$WINDOW"
press f
eventually windowed || fail "a second f left the window at $(window_size)"

# Holding the right arrow rolls the squirrel on and the view follows, until
# the first star turns into a tool in the panel.
shot before_roll
xdotool keydown Right
collected=""
for _ in $(seq 1 80); do
    sleep 0.25; shot rolling
    if region_changed before_roll rolling $((TOOL_X - 15)) $((TOOL_Y - 15)) 30 30; then collected=yes; break; fi
done
xdotool keyup Right
region_changed before_roll rolling 0 200 400 280 || fail "holding right did not scroll the view"
[ -n "$collected" ] || fail "no tool appeared in the panel while rolling right"

# Drag the tool into the sky and drop it: a bowling ball falls into view.
sleep 1.5; shot before_drop
xdotool mousemove --window "$WINDOW" $TOOL_X $TOOL_Y click 1
sleep 0.5
xdotool mousemove --window "$WINDOW" 420 140; sleep 0.5
xdotool click 1
eventually now_changed after_drop before_drop 300 0 260 480 || fail "no placed object shows after the drop"

# Take the tool again and, carrying it, press r: the level shows as it opened,
# with neither the ball nor the carried copy, and the tool a star again.
xdotool mousemove --window "$WINDOW" $TOOL_X $TOOL_Y click 1
sleep 0.5
press r
eventually now_same restarted start || fail "r did not bring back the opening picture"

press Escape
wait_exit 10
[ "$STATUS" -eq 0 ] || fail "Escape ended the game with status $STATUS"
[ ! -s "$WORK/err" ] || fail "the game wrote to standard error: $(head -c 300 "$WORK/err")"
echo "PASS"
