"""Composes and renders the music loop, then encodes it with oggenc.

Sixteen bars at 120 beats a minute (32 s) over C, Am, F, G. Every note is
mixed into a buffer exactly one loop long, tails wrapping round to the
start, so the end flows into the beginning without a seam; the loop starts
in the near silence just before the first notes.
"""
import os
import subprocess
import sys
import tempfile

import instruments as ins
from synth import PEAK, seconds, write_wav

BEAT = 0.5
LEAD_IN = 0.01  # the first notes start just after the loop does, in near silence
EIGHTH = BEAT / 2
BAR = 4 * BEAT
CHORDS = {"C": (48, [60, 64, 67]), "Am": (45, [57, 60, 64]), "F": (41, [57, 60, 65]),
          "G": (43, [55, 59, 62])}
PROGRESSION = ["C", "Am", "F", "G"] * 4
NOTE = {"G4": 67, "A4": 69, "B4": 71, "C5": 72, "D5": 74, "E5": 76, "F5": 77, "G5": 79,
        "A5": 81, "B5": 83, "C6": 84}

# One bar each, as (note or None for a rest, length in eighths).
PHRASE_A = [
    [("E5", 2), ("G5", 1), ("E5", 1), ("C5", 2), ("D5", 1), ("E5", 1)],
    [("C5", 2), ("A4", 1), ("C5", 1), ("E5", 3), (None, 1)],
    [("F5", 2), ("E5", 1), ("D5", 1), ("C5", 2), ("A4", 1), ("C5", 1)],
    [("D5", 2), ("B4", 1), ("G4", 1), ("D5", 3), (None, 1)],
]
PHRASE_A2 = [
    PHRASE_A[0],
    [("C5", 2), ("E5", 1), ("A5", 1), ("G5", 3), (None, 1)],
    [("A5", 2), ("G5", 1), ("F5", 1), ("E5", 2), ("D5", 1), ("C5", 1)],
    [("D5", 2), ("E5", 1), ("D5", 1), ("B4", 3), (None, 1)],
]
PHRASE_B = [
    [("G5", 1), ("G5", 1), ("A5", 1), ("G5", 1), ("E5", 2), ("C5", 2)],
    [("A5", 1), ("A5", 1), ("B5", 1), ("A5", 1), ("E5", 4)],
    [("F5", 1), ("G5", 1), ("A5", 1), ("C6", 1), ("A5", 2), ("F5", 2)],
    [("G5", 2), ("F5", 1), ("E5", 1), ("D5", 3), (None, 1)],
]
PHRASE_END = [
    PHRASE_A[0],
    PHRASE_A2[1],
    [("A5", 2), ("G5", 1), ("F5", 1), ("E5", 1), ("D5", 1), ("C5", 2)],
    [("D5", 2), ("B4", 2), ("G4", 2), (None, 2)],
]
MELODY = PHRASE_A + PHRASE_A2 + PHRASE_B + PHRASE_END


class Loop:
    """A stereo buffer of one loop's length; what runs past its end wraps."""

    def __init__(self, duration):
        self.length = seconds(duration)
        self.left = [0.0] * self.length
        self.right = [0.0] * self.length

    def add(self, start, samples, gain, pan=0.0):
        offset = seconds(LEAD_IN + start)
        gl, gr = gain * (1 - pan) / 2 * 2 ** 0.5, gain * (1 + pan) / 2 * 2 ** 0.5
        for i, value in enumerate(samples):
            k = (offset + i) % self.length
            self.left[k] += gl * value
            self.right[k] += gr * value

    def normalised(self):
        top = max(max(abs(v) for v in self.left), max(abs(v) for v in self.right))
        return [v * PEAK / top for v in self.left], [v * PEAK / top for v in self.right]


def add_melody(loop):
    for bar, notes in enumerate(MELODY):
        t = bar * BAR
        for name, eighths in notes:
            if name:
                loop.add(t, ins.marimba(NOTE[name], eighths * EIGHTH), 0.34, 0.15)
            t += eighths * EIGHTH


def add_band(loop):
    for bar, name in enumerate(PROGRESSION):
        root, chord = CHORDS[name]
        t = bar * BAR
        for beat, step in enumerate((0, 7, 12, 7)):
            loop.add(t + beat * BEAT, ins.pluck(root + step, BEAT, bar * 4 + beat, 0.6), 0.4)
        for k, offbeat in enumerate((1, 3, 5, 7)):
            for n, note in enumerate(chord):
                loop.add(t + offbeat * EIGHTH, ins.pluck(note, EIGHTH, 100 + bar * 16 + k * 4 + n,
                                                         0.3), 0.1, -0.4)
        add_drums(loop, t, bar)


def add_drums(loop, t, bar):
    for beat in (0, 2):
        loop.add(t + beat * BEAT, ins.kick(), 0.55)
    for beat in (1, 3):
        loop.add(t + beat * BEAT, ins.block(), 0.12, -0.3)
    for eighth in range(8):
        loop.add(t + eighth * EIGHTH, ins.shaker(bar * 8 + eighth), 0.1 if eighth % 2 else 0.05,
                 0.5)


def main(out_path):
    loop = Loop(len(PROGRESSION) * BAR)
    add_melody(loop)
    add_band(loop)
    with tempfile.TemporaryDirectory() as work:
        wav = os.path.join(work, "music.wav")
        write_wav(wav, loop.normalised())
        # A fixed stream serial number keeps the file the same from build to build.
        subprocess.run(["oggenc", "--quiet", "-q", "4", "-s", "1", "-o", out_path, wav],
                       check=True)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "data/sounds/music.ogg")
