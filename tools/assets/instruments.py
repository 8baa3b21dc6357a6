"""The few instruments of the music, each a function of a note giving samples."""
import math
import random

from synth import RATE, seconds


def frequency(midi):
    return 440.0 * 2 ** ((midi - 69) / 12.0)


def marimba(midi, duration):
    """A warm struck bar: the fundamental and a quickly fading fourth partial."""
    f = frequency(midi)
    w1, w4 = 2 * math.pi * f / RATE, 2 * math.pi * 4 * f / RATE
    length = seconds(duration + 0.5)
    return [min(1.0, i / 80.0) * (math.exp(-i / (0.45 * RATE)) * math.sin(w1 * i) +
                                  0.25 * math.exp(-i / (0.05 * RATE)) * math.sin(w4 * i))
            for i in range(length)]


def pluck(midi, duration, seed, brightness=0.5):
    """A plucked string (Karplus-Strong): a noise burst in a damped delay line."""
    rng = random.Random(seed)
    period = max(2, int(round(RATE / frequency(midi))))
    line = [rng.uniform(-1, 1) for _ in range(period)]
    out, last = [], 0.0
    for i in range(seconds(duration + 0.3)):
        value = line[i % period]
        nxt = line[(i + 1) % period]
        line[i % period] = 0.996 * (brightness * value + (1 - brightness) * nxt)
        last = value
        out.append(last)
    edge = seconds(0.002)
    for i in range(edge):
        out[i] *= i / edge
    tail = seconds(0.05)
    for i in range(tail):
        out[-1 - i] *= i / tail
    return out


def kick():
    phase, out = 0.0, []
    for i in range(seconds(0.3)):
        t = i / RATE
        phase += 2 * math.pi * (50 + 70 * math.exp(-t / 0.03)) / RATE
        out.append(math.exp(-t / 0.1) * math.sin(phase))
    return out


def block():
    return [math.exp(-i / (0.025 * RATE)) * (math.sin(2 * math.pi * 880 * i / RATE) +
                                             0.5 * math.sin(2 * math.pi * 1470 * i / RATE))
            for i in range(seconds(0.12))]


def shaker(seed):
    rng = random.Random(seed)
    out, last = [], 0.0
    for i in range(seconds(0.07)):
        value = rng.uniform(-1, 1)
        out.append((value - last) * 0.5 * math.exp(-i / (0.018 * RATE)))
        last = value
    return out
