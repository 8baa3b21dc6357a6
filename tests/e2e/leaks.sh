# The game started, played and quit under LeakSanitizer: nothing it allocates
# may be lost, except what it keeps for good (tests/e2e/leaks.supp).
. "$(dirname "$0")/lib/common.sh"

# Window pixels of the drag box's first tool slot, and of open ground.
TOOL_X=600; TOOL_Y=40
DROP_X=330; DROP_Y=150

# The OpenGL driver is unloaded before the check, which would leave its own
# blocks nameless and so beyond the suppressions; loaded first, it stays.
DRIVER=$(ls /usr/lib/*/dri/swrast_dri.so 2>/dev/null | head -n 1)
start_game "$SOURCE/data" \
    ASAN_OPTIONS=detect_leaks=1:verify_asan_link_order=0 \
    LSAN_OPTIONS=suppressions=$SOURCE/tests/e2e/leaks.supp \
    LD_PRELOAD="$DRIVER"

# Roll through the bowling star, jump, take a ball from the panel, drop it,
# click it away, take another and restart; the switches; then quit.
xdotool keydown Right; sleep 3; xdotool key Up; sleep 0.5; xdotool keyup Right
xdotool mousemove --window "$WINDOW" $TOOL_X $TOOL_Y click 1
sleep 0.3
xdotool mousemove --window "$WINDOW" $DROP_X $DROP_Y click 1
sleep 0.5
xdotool click 1
# Take the tool again and restart while carrying it.
xdotool mousemove --window "$WINDOW" $TOOL_X $TOOL_Y click 1
sleep 0.3
press r
for key in m d d f f m; do xdotool key $key; sleep 0.3; done
xdotool key Escape
wait_exit 60
[ "$STATUS" -eq 0 ] || fail "status $STATUS"
grep -q "LeakSanitizer" "$WORK/err" && fail "leaks reported"
echo "PASS"
