#!/usr/bin/env python3
"""Reads the main window's strip of dive tabs off a screenshot, as a user sees it.

Usage: dive-tab-strip.py SCREENSHOT.ppm X Y WIDTH HEIGHT (the main window on the screen)
Prints "selected K" (the tab, from 1, that carries the selected tab's coloured underline) and
"tab K X Y" (the middle of each tab's caption on the screen), or nothing when no strip is found.
The first underline from the top is the dive tabs' own: the settings sheets lie below it.
"""
import sys

kMinUnderlinePx = 40   # the underline runs under the whole caption
kMaxGapInCaptionPx = 12  # wider than the spaces of a caption, narrower than the space between tabs
kMinCaptionPx = 20


def read_ppm(path):
    data = open(path, 'rb').read()
    fields, i = [], 0
    while len(fields) < 4:
        while data[i:i + 1].isspace():
            i += 1
        start = i
        while not data[i:i + 1].isspace():
            i += 1
        fields.append(data[start:i])
    if fields[0] != b'P6' or int(fields[3]) != 255:
        sys.exit('dive-tab-strip.py: an 8-bit P6 picture is needed')
    return int(fields[1]), data[i + 1:]


def main():
    width, pixels = read_ppm(sys.argv[1])
    left, top, window_width, window_height = map(int, sys.argv[2:6])

    def rgb(x, y):
        offset = (y * width + x) * 3
        return pixels[offset], pixels[offset + 1], pixels[offset + 2]

    def accent(x, y):
        red, green, blue = rgb(x, y)
        return blue > 180 and red < 110 and 100 < green < 170

    def ink(x, y):
        return sum(rgb(x, y)) < 330

    xs = range(left, left + window_width)
    for y in range(top, top + window_height):
        run = 0
        for x in xs:
            run = run + 1 if accent(x, y) else 0
            if run >= kMinUnderlinePx:
                underline_y, underline_x = y, x
                break
        else:
            continue
        break
    else:
        return
    text_rows = range(underline_y - 22, underline_y - 4)
    captions = []
    for x in xs:
        if not any(ink(x, row) for row in text_rows):
            continue
        if captions and x - captions[-1][1] <= kMaxGapInCaptionPx:
            captions[-1][1] = x
        else:
            captions.append([x, x])
    captions = [c for c in captions if c[1] - c[0] >= kMinCaptionPx]
    for index, (first, last) in enumerate(captions, start=1):
        if first - kMaxGapInCaptionPx <= underline_x <= last + kMaxGapInCaptionPx:
            print('selected', index)
    for index, (first, last) in enumerate(captions, start=1):
        print('tab', index, (first + last) // 2, underline_y - 13)


main()
