#!/bin/sh
# Takes docs/screenshot.png: the game on the bundled data, shortly after start,
# on a virtual X server. Usage: tools/screenshot.sh path/to/quib [seconds]
set -e
cd "$(dirname "$0")/.."
QUIB=$(realpath "$1")
WAIT=${2:-2}
OUT=$(pwd)/docs/screenshot.png
mkdir -p docs
SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
    cd data && '$QUIB' >/dev/null &
    game=\$!
    window=\$(timeout 30 xdotool search --sync --name '^QUIB\$' | head -n 1)
    sleep $WAIT
    xwd -id \$window -silent | convert xwd:- '$OUT'
    kill \$game
"
echo "Wrote $OUT"
