"""Synthesises the six sound effects of data/sounds."""
import math
import os
import sys

from synth import RATE, faded, mix, noise, normalised, seconds, tone, write_wav

ROLL_LOOP = 0.6  # seconds; every part of the rolling noise repeats exactly in it


def jump():
    """A quick rising chirp."""
    rise = lambda t: 700 * (2.8 ** (t / 0.14))
    return faded(normalised(mix((0, 1.0, tone(0.16, rise, 0.06)),
                                (0, 0.2, tone(0.16, lambda t: 2 * rise(t), 0.03)))))


def _circular_smooth(samples, width, passes):
    n = len(samples)
    for _ in range(passes):
        total = sum(samples[i % n] for i in range(-width, width + 1))
        out = []
        for i in range(n):
            out.append(total / (2 * width + 1))
            total += samples[(i + width + 1) % n] - samples[(i - width) % n]
        samples = out
    return samples


def roll():
    """A low rumble with a soft bump per wheel turn. Every part is periodic in
    the loop, and the noise is smoothed around the loop, so the sound repeats
    without a seam."""
    n = seconds(ROLL_LOOP)
    rumble = _circular_smooth(noise(ROLL_LOOP, 1e9, 3), 12, 3)
    out = []
    for i in range(n):
        t = i / n
        bumps = 0.5 + 0.5 * math.cos(2 * math.pi * 5 * t)
        hum = math.sin(2 * math.pi * 42 * t) + 0.5 * math.sin(2 * math.pi * 67 * t)
        out.append(rumble[i] * (0.6 + 0.8 * bumps ** 4) * 6 + 0.12 * hum)
    return normalised(out, 10 ** (-9 / 20))


def pickup():
    """A bright rising arpeggio with a little shimmer: a star collected."""
    notes = [1046.5, 1318.5, 1568.0, 2093.0]
    parts = []
    for k, f in enumerate(notes):
        parts.append((0.06 * k, 1.0, tone(0.45, f, 0.16)))
        parts.append((0.06 * k, 0.25, tone(0.45, 3 * f, 0.05)))
    parts.append((0.24, 0.3, tone(0.4, lambda t: 2093.0 * (1 + 0.01 * math.sin(40 * t)), 0.2)))
    return faded(normalised(mix(*parts)))


def place():
    """A wooden knock: an object set down."""
    body = tone(0.22, lambda t: 150 + 90 * math.exp(-t / 0.03), 0.06, attack=0.001)
    ring = tone(0.22, 620.0, 0.025, attack=0.001)
    tap = noise(0.05, 0.006, 5, smoothing=0.5)
    return faded(normalised(mix((0, 1.0, body), (0, 0.35, ring), (0, 0.6, tap))))


def remove():
    """A springy falling boing: an object taken away."""
    pitch = lambda t: 520 * math.exp(-t / 0.35) + 180
    wobble = lambda phase: phase + 0.6 * math.sin(phase * 0.05)
    return faded(normalised(mix((0, 1.0, tone(0.38, pitch, 0.14, phase_of=wobble)),
                                (0, 0.2, tone(0.38, lambda t: 2 * pitch(t), 0.07)))))


def hit():
    """A short bright click."""
    return faded(normalised(mix((0, 1.0, tone(0.05, 2600.0, 0.008, attack=0.0005)),
                                (0, 0.5, tone(0.05, 1300.0, 0.012, attack=0.0005)),
                                (0, 0.4, noise(0.05, 0.003, 9)))), fade=0.001)


EFFECTS = {"twit": jump, "roll": roll, "twow": pickup, "bank": place, "boink": remove,
           "click": hit}


def main(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    for name, make in EFFECTS.items():
        write_wav(os.path.join(out_dir, name + ".wav"), make())


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "data/sounds")
