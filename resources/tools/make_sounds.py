#!/usr/bin/env python3
"""Generates Horalto's sound files (16-bit PCM, mono, 44100 Hz). Python 3 standard library only.

Sounds and their pitches (the fundamental of every note is a pure sine, overtones stay below
a fifth of its level, so a zero-crossing count or a single-frequency DFT finds the pitch):

  resources/wav/提示音.wav     prompt sound, 0.60 s: two-tone chime
                               880 Hz from 0.00 s to 0.27 s, then 1320 Hz from 0.27 s to 0.60 s
  resources/wav/终止音.wav     end sound, 1.50 s: descending three-note bell
                               660 Hz (0.0-0.5 s), 523.25 Hz (0.5-1.0 s), 392 Hz (1.0-1.5 s)
  resources/sounds/default.wav built-in default sound, 0.25 s: one 600 Hz "ding"
                               (compiled into the executable; played for a path that cannot be played)

Every note starts with a short soft attack and decays exponentially; its last milliseconds
fade to silence, so notes join without clicks.

Each file ends in 0.25 s of silence after the sound (so the files are 0.85 s, 1.75 s and 0.50 s
long): the program's sound output (QSoundEffect through PulseAudio) stops its stream as soon as
the last sample has been handed over and drops the ~0.1 s still buffered, so without the silent
tail every sound would lose its end.

Usage: make_sounds.py [RESOURCES_DIR]   (default: the resources/ directory above this script)
"""
import math
import os
import struct
import sys
import wave

RATE = 44100
PEAK = 0.5  # about -6 dBFS: calm, never clipping
TAIL = 0.25  # seconds of silence after each sound


def note(freq, length, attack=0.008, tau=0.3, release=0.03, overtones=((2, 0.12), (3, 0.04))):
    """One note: sine at freq with a few weak harmonics, soft attack, exponential decay, fade-out."""
    n = int(round(length * RATE))
    norm = 1.0 + sum(a for _, a in overtones)
    out = []
    for i in range(n):
        t = i / RATE
        env = math.exp(-t / tau)
        if t < attack:
            env *= 0.5 - 0.5 * math.cos(math.pi * t / attack)
        left = length - t
        if left < release:
            env *= 0.5 - 0.5 * math.cos(math.pi * max(left, 0.0) / release)
        v = math.sin(2 * math.pi * freq * t)
        for k, a in overtones:
            v += a * math.sin(2 * math.pi * freq * k * t)
        out.append(env * v / norm)
    return out


def write_wav(path, samples):
    samples = samples + [0.0] * int(round(TAIL * RATE))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    frames = b"".join(struct.pack("<h", max(-32767, min(32767, int(round(s * PEAK * 32767)))))
                      for s in samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    res = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(here)

    prompt = note(880.0, 0.27, tau=0.35) + note(1320.0, 0.33, tau=0.25)
    end = (note(660.0, 0.5, attack=0.005, tau=0.45, release=0.04)
           + note(523.25, 0.5, attack=0.005, tau=0.45, release=0.04)
           + note(392.0, 0.5, attack=0.005, tau=0.40, release=0.08))
    ding = note(600.0, 0.25, attack=0.005, tau=0.15, release=0.04)

    write_wav(os.path.join(res, "wav", "提示音.wav"), prompt)
    write_wav(os.path.join(res, "wav", "终止音.wav"), end)
    write_wav(os.path.join(res, "sounds", "default.wav"), ding)


if __name__ == "__main__":
    main()
