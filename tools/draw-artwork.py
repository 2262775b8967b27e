#!/usr/bin/env python3
"""Draws the program's icons, cursor, toolbar strips and splash picture into resources/res/.

Everything is drawn here from simple shapes; run it again after changing a drawing and commit
the files it writes. Standard library only.
"""
import math
import os
import struct
import sys

KEY = (192, 192, 192)          # toolbar strips: this colour is transparent
CLEAR = (0, 0, 0, 0)


class Canvas:
    def __init__(self, width, height, fill=CLEAR):
        self.width, self.height = width, height
        fill = fill if len(fill) == 4 else fill + (255,)
        self.pixels = [[fill] * width for _ in range(height)]

    def put(self, x, y, colour):
        x, y = int(round(x)), int(round(y))
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour if len(colour) == 4 else colour + (255,)

    def rect(self, x0, y0, x1, y1, colour, fill=None):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                edge = x in (x0, x1) or y in (y0, y1)
                if edge:
                    self.put(x, y, colour)
                elif fill is not None:
                    self.put(x, y, fill)

    def line(self, x0, y0, x1, y1, colour, width=1):
        steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 2) + 1
        for i in range(steps + 1):
            t = i / steps
            x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
            for dy in range(width):
                for dx in range(width):
                    self.put(x + dx - (width - 1) / 2, y + dy - (width - 1) / 2, colour)

    def around(self, cx, cy, r):
        """The pixels of the square around a circle that lie on the canvas."""
        for y in range(max(0, math.floor(cy - r)), min(self.height, math.ceil(cy + r) + 1)):
            for x in range(max(0, math.floor(cx - r)), min(self.width, math.ceil(cx + r) + 1)):
                yield x, y, math.hypot(x - cx, y - cy)

    def disc(self, cx, cy, r, colour, outline=None):
        for x, y, d in self.around(cx, cy, r):
            if d <= r:
                self.put(x, y, outline if outline is not None and d > r - 1 else colour)

    def ring(self, cx, cy, r, colour):
        for x, y, d in self.around(cx, cy, r):
            if r - 1 < d <= r:
                self.put(x, y, colour)

    def polygon(self, points, colour):
        for y in range(self.height):
            crossings = []
            for (xa, ya), (xb, yb) in zip(points, points[1:] + points[:1]):
                if (ya <= y + 0.5 < yb) or (yb <= y + 0.5 < ya):
                    crossings.append(xa + (y + 0.5 - ya) * (xb - xa) / (yb - ya))
            crossings.sort()
            for a, b in zip(crossings[::2], crossings[1::2]):
                for x in range(int(math.ceil(a - 0.5)), int(math.floor(b - 0.5)) + 1):
                    self.put(x, y, colour)

    def art(self, x0, y0, rows, palette):
        for y, row in enumerate(rows):
            for x, ch in enumerate(row):
                if ch in palette:
                    self.put(x0 + x, y0 + y, palette[ch])

    def blit(self, other, x0, y0):
        for y in range(other.height):
            for x in range(other.width):
                if other.pixels[y][x][3]:
                    self.put(x0 + x, y0 + y, other.pixels[y][x])

    def shrunk(self, factor):
        """The canvas factor times smaller: each pixel is the mean of the square of pixels it
        covers, their colours weighted by their opacity, so the edges of what was drawn are smooth."""
        small = Canvas(self.width // factor, self.height // factor)
        for y in range(small.height):
            rows = self.pixels[y * factor:(y + 1) * factor]
            for x in range(small.width):
                covered = [pixel for row in rows for pixel in row[x * factor:(x + 1) * factor]]
                weight = sum(pixel[3] for pixel in covered)
                if weight:
                    colour = tuple(round(sum(pixel[n] * pixel[3] for pixel in covered) / weight) for n in range(3))
                    small.pixels[y][x] = colour + (round(weight / len(covered)),)
        return small


# ---- file writers -----------------------------------------------------------------------------

def bmp_24(canvas):
    row = (canvas.width * 3 + 3) & ~3
    body = bytearray()
    for y in reversed(range(canvas.height)):
        line = bytearray()
        for r, g, b, a in canvas.pixels[y]:
            line += bytes((b, g, r)) if a else bytes(KEY[::-1])
        body += line + bytes(row - len(line))
    header = struct.pack('<IiiHHIIiiII', 40, canvas.width, canvas.height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    return b'BM' + struct.pack('<IHHI', 14 + len(header) + len(body), 0, 0, 14 + len(header)) + header + body


def dib_32_with_mask(canvas):
    """The image of an icon or cursor entry: 32-bit colour with alpha, then the AND mask."""
    colour = bytearray()
    for y in reversed(range(canvas.height)):
        for r, g, b, a in canvas.pixels[y]:
            colour += bytes((b, g, r, a))
    mask_row = ((canvas.width + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(canvas.height)):
        bits = bytearray(mask_row)
        for x, (_, _, _, a) in enumerate(canvas.pixels[y]):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack('<IiiHHIIiiII', 40, canvas.width, canvas.height * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + mask


def icon_file(images, kind=1, hotspots=None):
    """kind 1 writes an icon, 2 a cursor (whose entries carry their hot spot)."""
    data = [dib_32_with_mask(image) for image in images]
    out = struct.pack('<HHH', 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for index, (image, blob) in enumerate(zip(images, data)):
        first, second = (1, 32) if kind == 1 else hotspots[index]
        out += struct.pack('<BBBBHHII', image.width % 256, image.height % 256, 0, 0, first, second, len(blob), offset)
        offset += len(blob)
    return out + b''.join(data)


# ---- drawings ---------------------------------------------------------------------------------

BLACK, WHITE = (0, 0, 0), (255, 255, 255)
GREEN, DARK_GREEN = (40, 170, 60), (20, 110, 35)
RED, DARK_RED = (215, 45, 40), (140, 20, 20)
BLUE, DARK_BLUE = (40, 110, 210), (20, 60, 140)
ORANGE, YELLOW = (240, 140, 20), (250, 210, 40)
GREY, DARK_GREY = (130, 130, 130), (70, 70, 70)
PAPER = (250, 250, 245)


def tick(c, s, colour, shade):
    k = s / 16
    c.line(3 * k, 8 * k, 6.5 * k, 12 * k, shade, max(2, int(3 * k)))
    c.line(6.5 * k, 12 * k, 13 * k, 3.5 * k, shade, max(2, int(3 * k)))
    c.line(3 * k, 7.5 * k, 6.5 * k, 11.5 * k, colour, max(1, int(2 * k)))
    c.line(6.5 * k, 11.5 * k, 13 * k, 3 * k, colour, max(1, int(2 * k)))


def cross(c, s, colour, shade, inset=3.5):
    k = s / 16
    for off, col in ((0.5, shade), (0, colour)):
        c.line(inset * k, (inset + off) * k, (16 - inset) * k, (16 - inset + off) * k, col, max(2, int(2.5 * k)))
        c.line((16 - inset) * k, (inset + off) * k, inset * k, (16 - inset + off) * k, col, max(2, int(2.5 * k)))


def table_grid(c, s):
    k = s / 16
    c.rect(int(1 * k), int(2 * k), int(14 * k), int(13 * k), DARK_BLUE, PAPER)
    c.rect(int(1 * k), int(2 * k), int(14 * k), int(4 * k), DARK_BLUE, BLUE)
    for x in (5, 10):
        c.line(x * k, 4 * k, x * k, 13 * k, GREY)
    for y in (7, 10):
        c.line(1 * k, y * k, 14 * k, y * k, GREY)


def icon_ok(s):
    c = Canvas(s, s)
    tick(c, s, GREEN, DARK_GREEN)
    return c


def icon_cancel(s):
    c = Canvas(s, s)
    cross(c, s, RED, DARK_RED)
    return c


def icon_done(s):
    c = Canvas(s, s)
    k = s / 16
    c.disc(7.5 * k, 7.5 * k, 7.2 * k, BLUE, DARK_BLUE)
    c.line(4 * k, 8 * k, 6.5 * k, 10.5 * k, WHITE, max(1, int(2 * k)))
    c.line(6.5 * k, 10.5 * k, 11 * k, 5 * k, WHITE, max(1, int(2 * k)))
    return c


def icon_generate(s):
    c = Canvas(s, s)
    table_grid(c, s)
    k = s / 16
    c.disc(12 * k, 12 * k, 3.5 * k, GREEN, DARK_GREEN)
    return c


def icon_generate_warning(s):
    c = Canvas(s, s)
    table_grid(c, s)
    k = s / 16
    c.polygon([(11.5 * k, 6.5 * k), (16 * k, 15.5 * k), (7 * k, 15.5 * k)], DARK_GREY)
    c.polygon([(11.5 * k, 8 * k), (15 * k, 15 * k), (8 * k, 15 * k)], YELLOW)
    c.line(11.5 * k, 10 * k, 11.5 * k, 12.5 * k, BLACK)
    c.put(11.5 * k, 14 * k, BLACK)
    return c


HAND = [
    "       ##               ",
    "      #..#              ",
    "      #..#              ",
    "      #..#              ",
    "      #..#              ",
    "      #..###            ",
    "      #..#..###         ",
    "      #..#..#..##       ",
    "      #..#..#..#.#      ",
    "  ### #..#..#..#..#     ",
    "  #..##........#..#     ",
    "  #...#...........#     ",
    "   #..#...........#     ",
    "    #.............#     ",
    "    #.............#     ",
    "     #............#     ",
    "     #...........#      ",
    "      #..........#      ",
    "      #.........#       ",
    "       #........#       ",
    "       #........#       ",
    "       ##########       ",
]


def hand_cursor():
    c = Canvas(32, 32)
    c.art(0, 0, HAND, {'#': BLACK, '.': WHITE})
    return c


def cell():
    return Canvas(16, 15)


def page(c, x, y, colour=DARK_GREY):
    c.rect(x, y, x + 6, y + 8, colour, PAPER)
    c.line(x + 2, y + 3, x + 4, y + 3, GREY)
    c.line(x + 2, y + 5, x + 4, y + 5, GREY)


def arrow(c, x0, y0, x1, y1, colour, head=3):
    c.line(x0, y0, x1, y1, colour, 2)
    angle = math.atan2(y1 - y0, x1 - x0)
    left = (x1 - head * math.cos(angle - 0.6), y1 - head * math.sin(angle - 0.6))
    right = (x1 - head * math.cos(angle + 0.6), y1 - head * math.sin(angle + 0.6))
    c.polygon([(x1 + math.cos(angle), y1 + math.sin(angle)), left, right], colour)


def magnifier(c, sign):
    c.ring(6, 6, 4.5, DARK_GREY)
    c.disc(6, 6, 3.5, (210, 230, 250))
    c.line(9, 9, 13.5, 13.5, DARK_GREY, 2)
    if sign:
        c.line(4, 6, 8, 6, BLACK)
        if sign == '+':
            c.line(6, 4, 6, 8, BLACK)


def profile(c, colour=BLUE):
    for (x0, y0), (x1, y1) in zip([(1, 2), (4, 11), (10, 11), (14, 3)], [(4, 11), (10, 11), (14, 3), (15, 3)]):
        c.line(x0, y0, x1, y1, colour)


def strip(drawings):
    c = Canvas(16 * len(drawings), 15, KEY)
    for index, draw in enumerate(drawings):
        one = cell()
        draw(one)
        c.blit(one, 16 * index, 0)
    return c


def cut(c):
    c.ring(4, 11, 2.5, DARK_GREY)
    c.ring(11, 11, 2.5, DARK_GREY)
    c.line(5, 9, 11, 1, GREY, 2)
    c.line(10, 9, 4, 1, GREY, 2)


def copy(c):
    page(c, 2, 1)
    page(c, 7, 5, DARK_BLUE)


def paste(c):
    c.rect(2, 2, 11, 14, (120, 80, 30), (190, 140, 70))
    c.rect(4, 1, 9, 3, DARK_GREY, GREY)
    page(c, 7, 5, DARK_BLUE)


def delete(c):
    cross(c, 16, RED, DARK_RED, 4)


def add_dive(c):
    profile(c)
    c.line(11, 6, 11, 12, GREEN, 2)
    c.line(8, 9, 14, 9, GREEN, 2)


def delete_dive(c):
    profile(c)
    c.line(8, 9, 14, 9, RED, 2)


def rename_dive(c):
    c.line(3, 12, 12, 3, (200, 150, 40), 3)
    c.line(2, 13, 3, 12, BLACK)
    c.line(11, 2, 13, 4, RED, 2)
    c.line(1, 14, 15, 14, DARK_GREY)


def sort_dives(c):
    arrow(c, 4, 13, 4, 2, DARK_BLUE)
    arrow(c, 11, 2, 11, 13, DARK_GREEN)


def import_dive(c):
    c.rect(1, 9, 14, 14, DARK_GREY, (210, 210, 200))
    arrow(c, 8, 0, 8, 10, GREEN)


def export_dive(c):
    c.rect(1, 9, 14, 14, DARK_GREY, (210, 210, 200))
    arrow(c, 8, 11, 8, 1, ORANGE)


def zoom(c):
    magnifier(c, '+')


def pan(c):
    for x1, y1 in ((7.5, 0.5), (7.5, 13.5), (0.5, 7), (14.5, 7)):
        arrow(c, 7.5, 7, x1, y1, DARK_BLUE, 3)


def graph_cursor(c):
    profile(c, GREY)
    c.line(8, 0, 8, 14, RED)


def persistent_cursor(c):
    profile(c, GREY)
    c.line(8, 3, 8, 14, RED)
    c.disc(8, 2.5, 2.2, RED)


def reset(c):
    c.rect(4, 4, 11, 10, DARK_GREY, PAPER)
    arrow(c, 4, 4, 0.5, 0.5, DARK_BLUE, 2.5)
    arrow(c, 11, 10, 14.5, 13.5, DARK_BLUE, 2.5)


def bailout_cursor(c):
    profile(c, GREY)
    c.line(6, 0, 6, 14, RED)
    arrow(c, 6, 11, 6, 2, ORANGE)


def bailout_segment(c):
    profile(c, GREY)
    arrow(c, 12, 12, 12, 1, ORANGE)


def reset_zoom(c):
    magnifier(c, '-')


def return_to_dive(c):
    profile(c, GREY)
    arrow(c, 14, 7, 2, 7, BLUE)


def clear_bailout(c):
    arrow(c, 5, 13, 5, 2, ORANGE)
    cross(c, 16, RED, DARK_RED, 8)


# ---- main window: toolbar 17 and the menu images of toolbar 114 ------------------------------

QUESTION = [
    " ### ",
    "#   #",
    "    #",
    "   # ",
    "  #  ",
    "     ",
    "  #  ",
]


def new_plan(c):
    c.rect(3, 1, 12, 14, DARK_GREY, PAPER)
    c.polygon([(9, 1), (13, 1), (13, 5)], KEY)
    c.line(9, 1, 13, 5, DARK_GREY)
    c.line(9, 1, 9, 5, DARK_GREY)
    c.line(9, 5, 13, 5, DARK_GREY)
    c.disc(12, 11, 2.6, YELLOW, ORANGE)


def open_folder(c):
    c.polygon([(1, 4), (6, 4), (7, 5.5), (13, 5.5), (13, 13), (1, 13)], (200, 160, 60))
    c.rect(1, 4, 13, 13, (120, 90, 30))
    c.polygon([(3, 8), (15.5, 8), (13, 13.5), (1, 13.5)], YELLOW)
    c.line(3, 8, 15, 8, (120, 90, 30))
    c.line(1, 13, 13, 13, (120, 90, 30))


def save_disk(c):
    c.rect(1, 1, 14, 14, DARK_BLUE, BLUE)
    c.rect(4, 1, 11, 6, DARK_GREY, PAPER)
    c.rect(9, 2, 10, 5, DARK_GREY, DARK_GREY)
    c.rect(3, 9, 12, 14, DARK_GREY, (230, 230, 230))


def exit_door(c):
    c.rect(2, 1, 9, 14, (120, 80, 30), (190, 140, 70))
    c.put(7, 8, BLACK)
    arrow(c, 7, 8, 15, 8, RED, 3)


def shortcut_m(c):
    c.rect(1, 2, 14, 13, DARK_GREY, PAPER)
    c.art(4, 5, ["#   #", "## ##", "# # #", "#   #", "#   #", "#   #"], {'#': DARK_BLUE})
    c.line(11, 4, 11, 11, GREEN)


def shortcut_i(c):
    c.rect(1, 2, 14, 13, DARK_GREY, PAPER)
    c.art(5, 5, ["###", " # ", " # ", " # ", " # ", "###"], {'#': DARK_BLUE})
    c.line(10, 4, 10, 11, ORANGE)


def plan_settings(c):
    c.rect(1, 1, 14, 14, DARK_GREY, PAPER)
    for y, knob in ((4, 9), (8, 4), (12, 11)):
        c.line(3, y, 12, y, GREY)
        c.rect(knob - 1, y - 1, knob + 1, y + 1, DARK_BLUE, BLUE)


def dive_table(c):
    table_grid(c, 16)


def gas_table(c):
    table_grid(c, 16)
    c.rect(11, 6, 14, 14, DARK_GREEN, GREEN)
    c.rect(12, 4, 13, 5, DARK_GREY, GREY)


def create_tables(c):
    c.rect(4, 4, 14, 14, DARK_BLUE, PAPER)
    c.rect(2, 2, 12, 12, DARK_BLUE, PAPER)
    c.rect(2, 2, 12, 4, DARK_BLUE, BLUE)
    for x in (5, 9):
        c.line(x, 4, x, 12, GREY)
    c.line(2, 8, 12, 8, GREY)
    c.disc(12.5, 12.5, 2.5, GREEN, DARK_GREEN)


def calculate(c):
    c.rect(3, 0, 12, 14, DARK_GREY, (90, 90, 90))
    c.rect(4, 1, 11, 4, DARK_GREEN, (170, 220, 170))
    for y in (6, 9, 12):
        for x in (4, 7, 10):
            c.rect(x, y, x + 1, y + 1, WHITE, WHITE)
    c.rect(10, 12, 11, 13, ORANGE, ORANGE)


def gear(c, cx, cy, outer, inner, colour, shade):
    points = []
    for i in range(16):
        radius = outer if i % 2 == 0 else inner
        angle = i * math.pi / 8
        points.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    c.polygon(points, shade)
    c.disc(cx, cy, inner - 0.8, colour)
    c.disc(cx, cy, 1.6, KEY)


def preferences(c):
    gear(c, 7.5, 7.5, 7.2, 5.2, GREY, DARK_GREY)


def language(c):
    c.disc(7.5, 7.5, 6.8, (120, 180, 240), DARK_BLUE)
    c.line(7.5, 1, 7.5, 14, DARK_BLUE)
    c.line(1, 7.5, 14, 7.5, DARK_BLUE)
    c.ring(7.5, 7.5, 3.2, DARK_BLUE)
    c.polygon([(3, 3), (7, 4), (6, 7), (3, 6)], GREEN)
    c.polygon([(9, 9), (12, 8), (12, 12), (10, 12)], GREEN)


def help_contents(c):
    c.rect(2, 1, 13, 14, DARK_BLUE, BLUE)
    c.rect(3, 2, 12, 13, BLUE, BLUE)
    c.line(4, 2, 4, 13, DARK_BLUE)
    c.art(6, 4, QUESTION, {'#': WHITE})


def whats_this(c):
    c.polygon([(1, 1), (1, 12), (4, 9), (6.5, 14), (8.5, 13), (6, 8), (10, 8)], WHITE)
    c.line(1, 1, 1, 12, BLACK)
    c.line(1, 1, 10, 8, BLACK)
    c.line(1, 12, 4, 9, BLACK)
    c.line(10, 8, 6, 8, BLACK)
    c.art(10, 5, QUESTION, {'#': DARK_BLUE})


def about(c):
    c.disc(7.5, 7.5, 6.8, BLUE, DARK_BLUE)
    c.rect(7, 3, 8, 4, WHITE, WHITE)
    c.rect(7, 6, 8, 12, WHITE, WHITE)
    c.line(6, 6, 7, 6, WHITE)
    c.line(6, 12, 9, 12, WHITE)


def home_page(c):
    c.polygon([(7.5, 1), (15, 8), (0, 8)], RED)
    c.rect(2, 8, 13, 14, DARK_GREY, PAPER)
    c.rect(6, 10, 9, 14, (120, 80, 30), (190, 140, 70))


# ---- program icon and splash -----------------------------------------------------------------

# The program icon in units of a 16-unit square (0 to 16 across, as in its SVG): a dark-rimmed
# disc of water with a lighter patch, the dive's profile in white and the surface across it, both
# kept inside the rim.
PROGRAM_DISC = (8, 8, 7.4)
PROGRAM_WATER, PROGRAM_RIM = (30, 100, 170), (10, 45, 95)
PROGRAM_RIM_WIDTH = 0.5
PROGRAM_PATCH, PROGRAM_PATCH_COLOUR = (8, 6, 4.5), (60, 140, 210)
PROGRAM_PROFILE = [(2.5, 4), (5.5, 11.5), (9.5, 11.5), (10.5, 9), (12, 9), (12.5, 6.5), (14, 6.5), (14.5, 4)]
PROGRAM_PROFILE_WIDTH = 1.6
PROGRAM_SURFACE = ((2, 4), (14.5, 4))
PROGRAM_SURFACE_COLOUR = (170, 220, 250)
# From this size up the icon is drawn SMOOTHING times larger and shrunk, for smooth edges; the
# smaller sizes stay crisp on the pixel grid.
PROGRAM_SMOOTH_FROM, SMOOTHING = 32, 4
# The sizes of the desktop's icon theme, in the order program.ico holds them.
PROGRAM_ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def stroke(c, path, width, colour):
    """A line of the given width along the path, with round joins, as the drawing's SVG has it.
    Pixel x covers x - 0.5 to x + 0.5, as for the discs."""
    h = width / 2
    for (x0, y0), (x1, y1) in zip(path, path[1:]):
        length = math.hypot(x1 - x0, y1 - y0)
        nx, ny = -(y1 - y0) / length * h, (x1 - x0) / length * h
        c.polygon([(x0 + nx + 0.5, y0 + ny + 0.5), (x1 + nx + 0.5, y1 + ny + 0.5),
                   (x1 - nx + 0.5, y1 - ny + 0.5), (x0 - nx + 0.5, y0 - ny + 0.5)], colour)
    for x, y in path[1:-1]:
        c.disc(x, y, h, colour)


def icon_program(size):
    smoothing = SMOOTHING if size >= PROGRAM_SMOOTH_FROM else 1
    side = size * smoothing
    c = Canvas(side, side)
    k = side / 16
    # Pixel x covers x - 0.5 to x + 0.5, so unit u lies at pixel u * k - 0.5: the square's
    # centre, unit 8, falls in the middle of the canvas.
    at = lambda x, y: (x * k - 0.5, y * k - 0.5)
    path_at = lambda path: [at(x, y) for x, y in path]
    cx, cy = at(*PROGRAM_DISC[:2])
    r = PROGRAM_DISC[2] * k
    rim = max(smoothing, round(PROGRAM_RIM_WIDTH * k))
    c.disc(cx, cy, r, PROGRAM_RIM)
    c.disc(cx, cy, r - rim, PROGRAM_WATER)
    c.disc(*at(*PROGRAM_PATCH[:2]), PROGRAM_PATCH[2] * k, PROGRAM_PATCH_COLOUR)
    lines = Canvas(side, side)
    stroke(lines, path_at(PROGRAM_PROFILE), max(smoothing, PROGRAM_PROFILE_WIDTH * k), WHITE)
    stroke(lines, path_at(PROGRAM_SURFACE), max(smoothing, k), PROGRAM_SURFACE_COLOUR)
    for y in range(side):
        for x in range(side):
            if math.hypot(x - cx, y - cy) > r - rim:
                lines.pixels[y][x] = CLEAR
    c.blit(lines, 0, 0)
    return c.shrunk(smoothing)


def svg_program():
    """The program icon as a drawing that scales to any size, from the same shapes."""
    def colour(rgb):
        return '#%02x%02x%02x' % rgb

    def points(path):
        return ' '.join('%g,%g' % point for point in path)

    cx, cy, r = PROGRAM_DISC
    px, py, pr = PROGRAM_PATCH
    rim = PROGRAM_RIM_WIDTH
    (sx0, sy0), (sx1, sy1) = PROGRAM_SURFACE
    return f'''<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 16 16">
  <defs>
    <clipPath id="inside-rim">
      <circle cx="{cx:g}" cy="{cy:g}" r="{r - rim:g}"/>
    </clipPath>
  </defs>
  <circle cx="{cx:g}" cy="{cy:g}" r="{r - rim / 2:g}" fill="{colour(PROGRAM_WATER)}" stroke="{colour(PROGRAM_RIM)}" stroke-width="{rim:g}"/>
  <g clip-path="url(#inside-rim)">
    <circle cx="{px:g}" cy="{py:g}" r="{pr:g}" fill="{colour(PROGRAM_PATCH_COLOUR)}"/>
    <polyline points="{points(PROGRAM_PROFILE)}" fill="none" stroke="{colour(WHITE)}" stroke-width="{PROGRAM_PROFILE_WIDTH:g}" stroke-linejoin="round"/>
    <line x1="{sx0:g}" y1="{sy0:g}" x2="{sx1:g}" y2="{sy1:g}" stroke="{colour(PROGRAM_SURFACE_COLOUR)}" stroke-width="1"/>
  </g>
</svg>
'''.encode()


FONT = {
    'A': [" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"],
    'B': ["#### ", "#   #", "#   #", "#### ", "#   #", "#   #", "#### "],
    'C': [" ### ", "#   #", "#    ", "#    ", "#    ", "#   #", " ### "],
    'D': ["#### ", "#   #", "#   #", "#   #", "#   #", "#   #", "#### "],
    'E': ["#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"],
    'I': [" ### ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "],
    'K': ["#   #", "#  # ", "# #  ", "##   ", "# #  ", "#  # ", "#   #"],
    'L': ["#    ", "#    ", "#    ", "#    ", "#    ", "#    ", "#####"],
    'M': ["#   #", "## ##", "# # #", "# # #", "#   #", "#   #", "#   #"],
    'N': ["#   #", "##  #", "# # #", "#  ##", "#   #", "#   #", "#   #"],
    'O': [" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "],
    'P': ["#### ", "#   #", "#   #", "#### ", "#    ", "#    ", "#    "],
    'R': ["#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"],
    'S': [" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "],
    'T': ["#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "],
    'V': ["#   #", "#   #", "#   #", "#   #", "#   #", " # # ", "  #  "],
    'Y': ["#   #", "#   #", " # # ", "  #  ", "  #  ", "  #  ", "  #  "],
    '.': ["     ", "     ", "     ", "     ", "     ", "     ", "  #  "],
    ' ': ["     "] * 7,
}


def text(c, x0, y0, words, scale, colour):
    for index, letter in enumerate(words):
        for y, row in enumerate(FONT[letter]):
            for x, ch in enumerate(row):
                if ch == '#':
                    for dy in range(scale):
                        for dx in range(scale):
                            c.put(x0 + index * 6 * scale + x * scale + dx, y0 + y * scale + dy, colour)


def text_width(words, scale):
    return (len(words) * 6 - 1) * scale


def centred_text(c, y, words, scale, colour, shadow=None):
    x = (c.width - text_width(words, scale)) // 2
    if shadow is not None:
        text(c, x + max(1, scale // 2), y + max(1, scale // 2), words, scale, shadow)
    text(c, x, y, words, scale, colour)


def blend(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def splash():
    width, height, surface = 512, 315, 118
    c = Canvas(width, height)
    for y in range(height):
        if y < surface:
            colour = blend((150, 200, 240), (225, 240, 252), y / surface)
        else:
            colour = blend((40, 120, 180), (5, 25, 60), (y - surface) / (height - surface))
        row = colour + (255,)
        c.pixels[y] = [row] * width
    for x in range(width):
        wave = surface + 2.5 * math.sin(x / 11.0)
        for y in range(int(wave) - 1, int(wave) + 2):
            c.put(x, y, (235, 248, 255))
    # Light falling through the water.
    for x0 in (90, 210, 330, 430):
        for y in range(surface + 2, height):
            spread = (y - surface) * 0.18
            fade = 1 - (y - surface) / (height - surface)
            for x in range(int(x0 - spread), int(x0 + spread) + 1):
                if 0 <= x < width:
                    r, g, b, _ = c.pixels[y][x]
                    c.pixels[y][x] = blend((r, g, b), (120, 190, 235), 0.12 * fade) + (255,)
    # A dive profile: descent, bottom, ascent with its stops.
    profile = [(40, surface + 4), (120, 285), (250, 285), (290, 240), (320, 240), (335, 215), (370, 215),
               (385, 190), (440, 190), (470, surface + 4)]
    for (xa, ya), (xb, yb) in zip(profile, profile[1:]):
        c.line(xa, ya + 2, xb, yb + 2, (0, 15, 40), 4)
        c.line(xa, ya, xb, yb, (255, 210, 60), 3)
    for cx, cy, r in ((128, 262, 5), (134, 244, 3.5), (126, 228, 2.5), (260, 268, 4), (266, 252, 2.5),
                      (452, 170, 4), (446, 156, 3), (455, 143, 2)):
        for y in range(int(cy - r - 1), int(cy + r + 2)):
            for x in range(int(cx - r - 1), int(cx + r + 2)):
                d = math.hypot(x - cx, y - cy)
                if r - 1 < d <= r:
                    c.put(x, y, (200, 235, 255))
    centred_text(c, 22, "VELMAR TESSALINE", 4, (10, 45, 95), (255, 255, 255))
    centred_text(c, 64, "DECOMPRESSION PLANNER", 2, (30, 80, 140))
    centred_text(c, 92, "OSKERBY LTD.", 2, (30, 80, 140))
    return c


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'resources', 'res')
    os.makedirs(folder, exist_ok=True)
    files = {
        'ok.ico': icon_file([icon_ok(16), icon_ok(32)]),
        'cancel.ico': icon_file([icon_cancel(16), icon_cancel(32)]),
        'done.ico': icon_file([icon_done(16), icon_done(32)]),
        'generate.ico': icon_file([icon_generate(16), icon_generate(32)]),
        'generate-warning.ico': icon_file([icon_generate_warning(16), icon_generate_warning(32)]),
        'hand.cur': icon_file([hand_cursor()], kind=2, hotspots=[(7, 0)]),
        'point-list.bmp': bmp_24(strip([cut, copy, paste, delete])),
        'dives.bmp': bmp_24(strip([add_dive, delete_dive, rename_dive, sort_dives, import_dive, export_dive])),
        'graph.bmp': bmp_24(strip([zoom, pan, graph_cursor, persistent_cursor, reset])),
        'graph-bailout.bmp': bmp_24(strip([bailout_cursor, bailout_segment, reset_zoom, return_to_dive, clear_bailout])),
        # Every size of the desktop's icon theme is drawn, none scaled.
        'program.ico': icon_file([icon_program(size) for size in PROGRAM_ICON_SIZES]),
        'program.svg': svg_program(),
        'main-toolbar.bmp': bmp_24(strip([new_plan, open_folder, save_disk, add_dive, delete_dive, import_dive,
                                          export_dive, dive_table, gas_table, calculate, create_tables, preferences,
                                          plan_settings, help_contents, whats_this, about])),
        'menu-images.bmp': bmp_24(strip([new_plan, open_folder, save_disk, exit_door, shortcut_m, shortcut_i,
                                         plan_settings, add_dive, delete_dive, import_dive, export_dive,
                                         create_tables, language, dive_table, gas_table, calculate, preferences,
                                         help_contents, whats_this, about, home_page])),
        'splash.bmp': bmp_24(splash()),
    }
    for name, data in files.items():
        with open(os.path.join(folder, name), 'wb') as out:
            out.write(data)
    return 0


if __name__ == '__main__':
    sys.exit(main())
