#!/usr/bin/env python3
"""Synthesises the game's four sound effects into PUT.wav, TURN.wav, KADO.wav and BU.wav.

The output is byte-for-byte reproducible: the noise comes from a fixed-seed generator of our
own, so running this again only changes the files when the sounds themselves were changed.

    ui/resources/make_sounds.py [output folder, default: this script's folder]
"""

import math
import struct
import sys
from pathlib import Path

RATE = 22050


class Noise:
    """A tiny linear congruential generator, so the files do not depend on Python's random."""

    def __init__(self, seed):
        self.state = seed

    def next(self):
        self.state = (self.state * 1103515245 + 12345) & 0x7FFFFFFF
        return self.state / 0x3FFFFFFF - 1.0


def fade_out(samples, ms):
    """Ends the sound on silence so that it stops without a click."""
    n = min(len(samples), int(RATE * ms / 1000))
    for i in range(n):
        samples[len(samples) - n + i] *= 1.0 - (i + 1) / n
    return samples


def put_click(frames):
    """A soft click: a low, quickly damped thump with a breath of filtered noise on its attack."""
    noise, smoothed, out = Noise(1), 0.0, []
    for i in range(frames):
        t = i / RATE
        smoothed += 0.25 * (noise.next() - smoothed)
        thump = math.sin(2 * math.pi * 170 * t) * math.exp(-t / 0.014)
        out.append(0.55 * thump + 0.35 * smoothed * math.exp(-t / 0.004))
    return fade_out(out, 10)


def turn_tick(frames):
    """A lighter tick: a short high ping over a brief edge of bright noise."""
    noise, previous, out = Noise(2), 0.0, []
    for i in range(frames):
        t = i / RATE
        sample = noise.next()
        bright, previous = sample - previous, sample
        ping = math.sin(2 * math.pi * 1900 * t) * math.exp(-t / 0.006)
        out.append(0.30 * ping + 0.12 * bright * math.exp(-t / 0.002))
    return fade_out(out, 10)


def corner_chime(frames):
    """A one-second bell: inharmonic partials that die away at different rates."""
    partials = ((1.00, 1.00, 0.45), (2.00, 0.55, 0.30), (2.76, 0.35, 0.18), (5.40, 0.20, 0.08))
    out = []
    for i in range(frames):
        t = i / RATE
        attack = min(1.0, t / 0.004)
        ring = sum(a * math.sin(2 * math.pi * 880 * r * t) * math.exp(-t / d) for r, a, d in partials)
        out.append(0.42 * attack * ring)
    return fade_out(out, 60)


def refusal_buzz(frames):
    """A short low buzz: a band-limited square wave at 110 Hz, held and then released."""
    out = []
    for i in range(frames):
        t = i / RATE
        square = sum(math.sin(2 * math.pi * 110 * k * t) / k for k in range(1, 16, 2))
        envelope = min(1.0, t / 0.005)
        out.append(0.38 * envelope * square)
    return fade_out(out, 30)


def pcm16_stereo(samples):
    frames = (max(-32768, min(32767, round(s * 32767))) for s in samples)
    return b"".join(struct.pack("<hh", v, v) for v in frames)


def pcm8_mono(samples):
    return bytes(max(0, min(255, 128 + round(s * 127))) for s in samples)


def wave_file(channels, bits, frame_count, data, with_fact):
    """A RIFF/WAVE file: the 16-byte PCM format chunk, an optional fact chunk, the data chunk."""
    block = channels * bits // 8
    fmt = struct.pack("<HHIIHH", 1, channels, RATE, RATE * block, block, bits)
    chunks = b"fmt " + struct.pack("<I", len(fmt)) + fmt
    if with_fact:
        chunks += b"fact" + struct.pack("<II", 4, frame_count)
    chunks += b"data" + struct.pack("<I", len(data)) + data
    return b"RIFF" + struct.pack("<I", 4 + len(chunks)) + b"WAVE" + chunks


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent
    sounds = {
        "PUT": wave_file(2, 16, 2205, pcm16_stereo(put_click(2205)), True),
        "TURN": wave_file(2, 16, 2205, pcm16_stereo(turn_tick(2205)), True),
        "KADO": wave_file(1, 8, 22050, pcm8_mono(corner_chime(22050)), False),
        "BU": wave_file(2, 16, 3307, pcm16_stereo(refusal_buzz(3307)), True),
    }
    for name, content in sounds.items():
        (folder / f"{name}.wav").write_bytes(content)


if __name__ == "__main__":
    main()
