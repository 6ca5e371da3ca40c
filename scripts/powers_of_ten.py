#!/usr/bin/env python3
"""Writes core/PowersOfTen.inc: 10^k for k from -310 to 340 as a 128-bit
mantissa p (top bit set) and a binary exponent r, with p * 2^r <= 10^k <
(p + 1) * 2^r, the table the general number format rounds with.

    python3 scripts/powers_of_ten.py > core/PowersOfTen.inc
"""

LOW, HIGH = -310, 340

print("// Made by scripts/powers_of_ten.py: {high, low, r} with (high * 2^64 + low) * 2^r")
print("// the largest 128-bit value times 2^r not above 10^k, k = %d to %d." % (LOW, HIGH))
for k in range(LOW, HIGH + 1):
    if k >= 0:
        x = 10**k
        b = x.bit_length()
        p, r = (x << (128 - b), b - 128) if b <= 128 else (x >> (b - 128), b - 128)
    else:
        d = 10**-k
        t = 127 + d.bit_length()
        p, r = (1 << t) // d, -t
    assert p.bit_length() == 128
    print("{0x%016xu, 0x%016xu, %d}," % (p >> 64, p & (2**64 - 1), r))
