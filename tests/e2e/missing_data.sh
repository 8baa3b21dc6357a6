# With no data at all the game says once what each missing file is, shows its
# pale blue window and still quits cleanly.
. "$(dirname "$0")/lib/common.sh"
[ -d /usr/share/games/quib ] && skip "installed data in /usr/share/games/quib would be found"
EMPTY=$WORK/empty
mkdir -p "$EMPTY"
start_game "$EMPTY"
sleep 1
is_colour "$(pixel 320 240)" $PALE_BLUE || fail "centre pixel is $(pixel 320 240)"
is_colour "$(pixel 600 40)" $PALE_BLUE || fail "panel pixel is $(pixel 600 40)"
press Escape
wait_exit 10
[ "$STATUS" -eq 0 ] || fail "status $STATUS"
duplicates=$(sort "$WORK/out" | uniq -d)
[ -z "$duplicates" ] || fail "reported more than once: $duplicates"
# Without the level drawing no object is built, so only the level's own files are asked for.
for file in images/dragbox.png images/mute.png images/level9.png sounds/roll.wav sounds/music.ogg shapes/level.svg; do
    grep -q "$file" "$WORK/out" || fail "no line for the missing $file"
done
[ ! -s "$WORK/err" ] || fail "the game wrote to standard error"
echo "PASS"
