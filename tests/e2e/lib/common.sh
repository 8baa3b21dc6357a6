# Shared steps of the end-to-end tests: start the real game on the X server,
# find its window, send it real input and look at what it shows.
# Arguments of every test: the quib binary, the source tree, the xprobe helper.
set -u
QUIB=$1
SOURCE=$2
XPROBE=$3
WORK=$(mktemp -d)
trap 'stop_game; rm -rf "$WORK"' EXIT
GAME_PID=""

# A test that cannot run here ends with 77, which CTest reports as skipped.
skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*"; [ -f "$WORK/out" ] && { echo "--- stdout"; cat "$WORK/out"; echo "--- stderr"; cat "$WORK/err"; }; exit 1; }

# start_game DIR [VAR=value ...]: runs the game from DIR and waits for its window.
start_game() {
    dir=$1; shift
    (cd "$dir" && exec env "$@" "$QUIB" >"$WORK/out" 2>"$WORK/err") &
    GAME_PID=$!
    WINDOW=$(timeout 30 xdotool search --sync --name '^QUIB$' | head -n 1)
    [ -n "$WINDOW" ] || fail "no QUIB window appeared"
    xdotool windowfocus --sync "$WINDOW" 2>/dev/null || xdotool windowfocus "$WINDOW"
    sleep 0.5
}

# wait_drawn: waits until the level shows (the window is no longer bare),
# since building the level may take a while on a busy machine.
wait_drawn() {
    for _ in $(seq 1 120); do
        is_colour "$("$XPROBE" average "$WINDOW")" $PALE_BLUE || { sleep 0.5; return 0; }
        sleep 0.25
    done
    fail "the level was never drawn"
}

# eventually CMD...: true as soon as the command succeeds, within 30 s; ticks
# run slower than real time on a busy machine.
eventually() {
    for _ in $(seq 1 120); do
        "$@" && return 0
        sleep 0.25
    done
    return 1
}

stop_game() { [ -n "$GAME_PID" ] && kill -9 "$GAME_PID" 2>/dev/null; GAME_PID=""; }

# wait_exit SECONDS: waits for the game to end; sets STATUS.
wait_exit() {
    for _ in $(seq 1 $(( $1 * 10 ))); do
        if ! kill -0 "$GAME_PID" 2>/dev/null; then
            wait "$GAME_PID"; STATUS=$?; GAME_PID=""; return 0
        fi
        sleep 0.1
    done
    fail "the game did not end within $1 s"
}

# A key held as long as a person holds it: the game reads keys once per tick,
# and a press released before the next tick is lost, as it is for a player.
# The focus is given again first: without a window manager nothing keeps it.
press() { xdotool windowfocus "$WINDOW"; xdotool keydown "$1"; sleep 0.5; xdotool keyup "$1"; }

window_size() { xdotool getwindowgeometry --shell "$WINDOW" | awk -F= '/WIDTH|HEIGHT/ {printf "%s ", $2}' | sed 's/ $//'; }

pixel() { "$XPROBE" pixel "$WINDOW" "$1" "$2"; }

# is_colour "R G B" R G B: each channel within 3 of the expected value.
is_colour() {
    set -- $1 $2 $3 $4
    d() { v=$(( $1 - $2 )); [ $v -lt 0 ] && v=$(( -v )); [ $v -le 3 ]; }
    d "$1" "$4" && d "$2" "$5" && d "$3" "$6"
}

# The window's clear colour (0.84, 0.89, 0.98) in 8 bits.
PALE_BLUE="214 227 250"
