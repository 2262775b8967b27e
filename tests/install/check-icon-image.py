#!/usr/bin/env python3
"""Checks one image of the program's icon, read as a PAM with alpha (pngtopam -alphapam) from
standard input: the round badge is centred, drawn at the image's size, and its edge is crisp (on
the pixel grid) or smooth (anti-aliased) as asked. Prints what is wrong and exits with 1.

Usage: check-icon-image.py crisp|smooth NAME < IMAGE.pam
"""
import math
import sys

# The badge's radius, as a part of the image's side.
RADIUS = 7.4 / 16


def read_pam(data):
    header, pixels = data.split(b"ENDHDR\n", 1)
    fields = dict(line.split(b" ", 1) for line in header.splitlines()[1:])
    width, height = int(fields[b"WIDTH"]), int(fields[b"HEIGHT"])
    if fields[b"TUPLTYPE"].strip() != b"RGB_ALPHA" or int(fields[b"MAXVAL"]) != 255:
        sys.exit("not an 8-bit image with alpha")
    return width, height, [pixels[4 * i + 3] for i in range(width * height)]


def faults(edge, width, height, alpha):
    if width != height:
        yield "is %d x %d, not square" % (width, height)
        return
    size = width
    drawn = [(i % size, i // size) for i, a in enumerate(alpha) if a]
    if not drawn:
        yield "is empty"
        return
    left, right = min(x for x, _ in drawn), size - 1 - max(x for x, _ in drawn)
    top, bottom = min(y for _, y in drawn), size - 1 - max(y for _, y in drawn)
    if abs(left - right) > 1 or abs(top - bottom) > 1:
        yield "is off centre: margins left %d, right %d, top %d, bottom %d" % (left, right, top, bottom)
    # Pixel x spans x to x + 1: the image's centre is at size / 2. A badge drawn at this size is
    # filled to its edge and has nothing outside it; one scaled from another size is blurred.
    # Within 1.5 px of the edge a smoothed rim drawn over a smoothed fill may let a little through.
    centre, radius = size / 2, RADIUS * size
    for (x, y), a in zip(((i % size, i // size) for i in range(size * size)), alpha):
        distance = math.hypot(x + 0.5 - centre, y + 0.5 - centre)
        if (distance > radius + 1 and a) or (distance < radius - 1.5 and a != 255):
            yield "pixel %d,%d at %.1f px from the centre has alpha %d" % (x, y, distance, a)
            return
    partial = sum(1 for a in alpha if 0 < a < 255)
    if edge == "crisp" and partial:
        yield "has %d pixels neither clear nor opaque: its edge is not on the pixel grid" % partial
    # A smooth circle's edge crosses about 2.9 pixels per pixel of the side.
    if edge == "smooth" and partial < 2 * size:
        yield "has only %d pixels neither clear nor opaque: its edge is not smooth" % partial


def main():
    edge, name = sys.argv[1], sys.argv[2]
    found = list(faults(edge, *read_pam(sys.stdin.buffer.read())))
    for fault in found:
        print("%s %s" % (name, fault))
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
