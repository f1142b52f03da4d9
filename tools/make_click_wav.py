#!/usr/bin/env python3
"""Writes the mouse-move click: about 40 ms of quiet, fast-decaying tick,
16-bit PCM mono at 22050 Hz. Deterministic, so the output never changes.

Usage: make_click_wav.py OUTPUT.wav
"""
import math
import struct
import sys
import wave

RATE = 22050
LENGTH_S = 0.040
PEAK = 0.18  # fraction of full scale: a quiet click


def samples():
    count = int(RATE * LENGTH_S)
    for i in range(count):
        t = i / RATE
        envelope = math.exp(-t / 0.006)          # sharp attack, ~6 ms decay
        tone = 0.7 * math.sin(2 * math.pi * 1800 * t) + 0.3 * math.sin(2 * math.pi * 3100 * t)
        fade = min(1.0, (count - i) / 64)        # no step at the very end
        yield int(32767 * PEAK * envelope * tone * fade)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with wave.open(sys.argv[1], "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", s) for s in samples()))


if __name__ == "__main__":
    main()
