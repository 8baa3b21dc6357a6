"""Small sound-making helpers on plain lists of float samples (-1 .. 1)."""
import math
import random
import struct
import wave

RATE = 44100
PEAK = 10 ** (-6 / 20)  # -6 dBFS


def seconds(count):
    return int(round(count * RATE))


def silence(duration):
    return [0.0] * seconds(duration)


def tone(duration, frequency, decay, attack=0.004, phase_of=None):
    """A sine whose frequency may change: frequency(t) in Hz, or a number.
    The level falls by e every `decay` seconds after a short attack."""
    out, phase = [], 0.0
    for i in range(seconds(duration)):
        t = i / RATE
        f = frequency(t) if callable(frequency) else frequency
        phase += 2 * math.pi * f / RATE
        level = min(1.0, t / attack) * math.exp(-t / decay)
        out.append(level * math.sin(phase if phase_of is None else phase_of(phase)))
    return out


def noise(duration, decay, seed, smoothing=0.0):
    """Decaying white noise; smoothing (0 .. 1) takes off the highs."""
    rng = random.Random(seed)
    out, last = [], 0.0
    for i in range(seconds(duration)):
        last = last * smoothing + rng.uniform(-1, 1) * (1 - smoothing)
        out.append(last * math.exp(-i / RATE / decay))
    return out


def mix(*parts):
    """Adds (start seconds, gain, samples) parts into one buffer."""
    length = max(seconds(start) + len(samples) for start, _, samples in parts)
    out = [0.0] * length
    for start, gain, samples in parts:
        offset = seconds(start)
        for i, value in enumerate(samples):
            out[offset + i] += gain * value
    return out


def normalised(samples, peak=PEAK):
    top = max(abs(v) for v in samples) or 1.0
    return [v * peak / top for v in samples]


def faded(samples, fade=0.003):
    """Starts and ends at silence, so no click at either end."""
    n = min(seconds(fade), len(samples) // 2)
    out = list(samples)
    for i in range(n):
        out[i] *= i / n
        out[-1 - i] *= i / n
    out[-1] = 0.0
    return out


def write_wav(path, channels):
    """Writes 16-bit samples; channels is one list (mono) or a pair (stereo)."""
    if isinstance(channels[0], float):
        channels = [channels]
    frames = bytearray()
    for values in zip(*channels):
        for v in values:
            frames += struct.pack("<h", max(-32767, min(32767, int(round(v * 32767)))))
    with wave.open(path, "wb") as out:
        out.setnchannels(len(channels))
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(bytes(frames))
