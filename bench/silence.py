#!/usr/bin/env python3
"""Reads what a player sent to the sound card (signed 16-bit little-endian stereo at 44100 Hz,
recorded from OFFSET milliseconds before the player started), and prints the time from the
player's start to the first sound and the longest silence after it, in milliseconds, in 10 ms
windows.
    silence.py FILE [OFFSET]"""
import array
import sys

samples = array.array("h")
with open(sys.argv[1], "rb") as f:
    samples.frombytes(f.read())
window = 441 * 2  # 10 ms of stereo
loud = []
for at in range(0, len(samples) - window, window):
    block = samples[at:at + window]
    loud.append(max(abs(min(block)), abs(max(block))) > 300)
if True not in loud:
    print("none none")
    sys.exit(0)
first = loud.index(True)
last = len(loud) - 1 - loud[::-1].index(True)
longest = run = 0
for sounding in loud[first:last + 1]:
    run = 0 if sounding else run + 1
    longest = max(longest, run)
offset = int(sys.argv[2]) if len(sys.argv) > 2 else 0
print(first * 10 - offset, longest * 10)
