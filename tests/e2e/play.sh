# The game as a player meets it: real keys and mouse through the X server,
# judged by what the window shows; it quits under LeakSanitizer, and nothing it
# allocated may be lost (tests/e2e/leaks.supp names only what D-Bus keeps).
. "$(dirname "$0")/lib/common.sh"

# Window pixels of the drag box's first tool slot and of the mute button.
TOOL_X=600; TOOL_Y=40
MUTE_X=600; MUTE_Y=335
# Sky above the flat ground left of the first star, and the part of the view
# around it, clear of the wheel.
DROP_X=100; DROP_Y=140
LEFT="0 0 220 480"
# The world left of the panel.
SCENE="0 0 540 480"

shot() { "$XPROBE" save "$WINDOW" "$WORK/$1.ppm"; }
# compare OLD NEW [REGION]: sets DIFF to the count of pixels that differ and
# AT to their centre "X Y"; fails when the probe does (a shot missing or of
# another size), so that no comparison can pass on a failed probe.
compare() {
    set -- $("$XPROBE" diff "$WORK/$1.ppm" "$WORK/$2.ppm" "${@:3}") || return 2
    [ $# -eq 3 ] || return 2
    DIFF=$1; AT="$2 $3"
}
region_changed() { compare "$@" && [ "$DIFF" -gt "$REGION_THRESHOLD" ]; }
region_same() { compare "$@" && [ "$DIFF" -le "$REGION_THRESHOLD" ]; }
# now_changed NAME REFERENCE [REGION]: takes shot NAME and compares it.
now_changed() { shot "$1" && region_changed "$2" "$1" "${@:3}"; }
now_same() { shot "$1" && region_same "$2" "$1" "${@:3}"; }
bare_corner() { is_colour "$(pixel 5 5)" $PALE_BLUE; }
REGION_THRESHOLD=30
around() { echo $(($1 - $3)) $(($2 - $3)) $((2 * $3)) $((2 * $3)); }
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

# The OpenGL driver is unloaded before the leak check, which would leave its
# own blocks nameless and so beyond the suppressions; loaded first, it stays.
DRIVER=$(ls /usr/lib/*/dri/swrast_dri.so 2>/dev/null | head -n 1)
start_game "$SOURCE/data" ASAN_OPTIONS=detect_leaks=1:verify_asan_link_order=0 \
    LSAN_OPTIONS=suppressions=$SOURCE/tests/e2e/leaks.supp:print_suppressions=0 LD_PRELOAD="$DRIVER"
wait_drawn
steady start

# m and a click on the speaker switch its picture, and back.
press m
eventually now_changed muted start $(around $MUTE_X $MUTE_Y 12) || fail "m did not change the mute button"
press m
eventually now_same unmuted start $(around $MUTE_X $MUTE_Y 12) || fail "a second m did not switch the button back"
xdotool mousemove --window "$WINDOW" $MUTE_X $MUTE_Y click 1
eventually now_changed clicked start $(around $MUTE_X $MUTE_Y 12) || fail "a click on the mute button did not change it"
xdotool click 1
eventually now_same unclicked start $(around $MUTE_X $MUTE_Y 12) || fail "a second click did not switch the button back"

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
    if region_changed before_roll rolling $(around $TOOL_X $TOOL_Y 15); then collected=yes; break; fi
done
xdotool keyup Right
region_changed before_roll rolling 0 200 400 280 || fail "holding right did not scroll the view"
[ -n "$collected" ] || fail "no tool appeared in the panel while rolling right"

# A jump, the key held as a player holds it: the view rises with the wheel,
# which shifts the whole scene, far more than anything settling in it.
steady before_jump
press Up
jumped() { shot jumped && compare before_jump jumped $SCENE && [ "$DIFF" -gt 5000 ]; }
eventually jumped || fail "Up did not jump"

# Take the tool, carry it into the sky and drop it, then move the pointer away:
# the copy stays behind no more, the ball falls and comes to rest below.
steady before_drop
xdotool mousemove --window "$WINDOW" $TOOL_X $TOOL_Y click 1
sleep 0.5
xdotool mousemove --window "$WINDOW" $DROP_X $DROP_Y; sleep 0.5
xdotool click 1; sleep 0.5
xdotool mousemove --window "$WINDOW" 480 60
eventually now_same dropped before_drop $(around $DROP_X $DROP_Y 30) || fail "something stays where the ball was dropped"
eventually now_same away before_drop $(around 480 60 30) ||
    fail "the ball's copy still follows the pointer: the drop was refused"
steady landed
region_changed before_drop landed $LEFT || fail "no placed ball shows below the drop"
BALL=$AT
set -- $BALL
[ "$2" -gt $((DROP_Y + 30)) ] || fail "the ball did not fall: it shows at $BALL"

# A click on the ball where it rests takes it away: the sky shows there again.
xdotool mousemove --window "$WINDOW" $BALL click 1
eventually now_same removed before_drop $(around $BALL 12) || fail "a click on the placed ball at $BALL did not remove it"

# Take the tool again and, carrying it, press r: the level shows as it opened,
# with neither the ball nor the carried copy, and the tool a star again.
xdotool mousemove --window "$WINDOW" $TOOL_X $TOOL_Y click 1
sleep 0.5
press r
eventually now_same restarted start || fail "r did not bring back the opening picture"

press Escape
wait_exit 10
[ "$STATUS" -eq 0 ] || fail "Escape ended the game with status $STATUS"
# LeakSanitizer reports on standard error too.
[ ! -s "$WORK/err" ] || fail "the game wrote to standard error: $(head -c 3000 "$WORK/err")"
echo "PASS"
