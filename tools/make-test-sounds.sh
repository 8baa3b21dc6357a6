#!/bin/sh
# Writes the tiny WAV files that the audio tests play: square waves, 8000 Hz,
# mono, 8-bit, so each file stays a few kilobytes. The mixer converts them to
# the device format on load.
#   blip.wav  30 ms, short enough to wait for its end in a test
#   tone.wav 500 ms, long enough to be still playing when a test looks
#   tone.ogg the same tone as Ogg Vorbis, the format of the game's music
# Usage: tools/make-test-sounds.sh [output folder, default tests/data/sounds]
set -e

OUT="${1:-$(dirname "$0")/../tests/data/sounds}"
RATE=8000
HALF_PERIOD=10   # samples per half wave: a 400 Hz square

byte() { printf "\\$(printf %03o "$1")"; }
le16() { byte $(($1 & 255)); byte $(($1 >> 8 & 255)); }
le32() { le16 $(($1 & 65535)); le16 $(($1 >> 16 & 65535)); }

# $1 file, $2 length in milliseconds
square_wave() {
    samples=$((RATE * $2 / 1000))
    {
        printf RIFF; le32 $((36 + samples)); printf WAVE
        printf 'fmt '; le32 16
        le16 1          # PCM
        le16 1          # mono
        le32 $RATE
        le32 $RATE      # bytes per second
        le16 1          # bytes per frame
        le16 8          # bits per sample
        printf data; le32 $samples
        i=0
        while [ $i -lt $samples ]; do
            if [ $((i / HALF_PERIOD % 2)) -eq 0 ]; then byte 160; else byte 96; fi
            i=$((i + 1))
        done
    } > "$1"
}

mkdir -p "$OUT"
square_wave "$OUT/blip.wav" 30
square_wave "$OUT/tone.wav" 500

BUILD=$(mktemp -d)
trap 'rm -rf "$BUILD"' EXIT
c++ -std=c++17 -O2 "$(dirname "$0")/wav2ogg.cpp" -o "$BUILD/wav2ogg" -lvorbisenc -lvorbis -logg
"$BUILD/wav2ogg" "$OUT/tone.wav" "$OUT/tone.ogg"
