#!/usr/bin/env python3
"""Writes the stand-in Varnet firmware image that Talvion embeds.

The real device code is not ours to ship, so the image is 503,880 deterministic bytes: a 24-bit
big-endian length field that puts the section boundary at byte 196,608, followed by the output
of a 32-bit linear congruential generator (every byte value occurs, top bits included).
"""
import sys

SIZE = 503880
LENGTH_FIELD = 0x00FFFE          # section length (L + 2) * 3 = 196,608 bytes

def image():
    out = bytearray(LENGTH_FIELD.to_bytes(3, "big"))
    state = 0x1737402
    while len(out) < SIZE:
        state = (state * 1664525 + 1013904223) & 0xFFFFFFFF
        out.append(state >> 24)
    return bytes(out)

if __name__ == "__main__":
    with open(sys.argv[1] if len(sys.argv) > 1 else "firmware/VarnetFirmware.bin", "wb") as f:
        f.write(image())
