#!/usr/bin/env python3
"""Draws the board's two cursors as 32x32 monochrome .cur files:
105 (hand_point.cur) a pointing hand, hot spot at the fingertip (8, 4);
108 (hand_frame.cur) a hand holding a rectangular frame, hot spot (19, 8).

Each picture is an ASCII grid: '#' black, '.' white, ' ' transparent. Run again after editing.
"""
import struct
import sys

POINT = [
    "                                ",
    "                                ",
    "                                ",
    "       ##                       ",
    "      #..#                      ",
    "      #..#                      ",
    "      #..#                      ",
    "      #..#                      ",
    "      #..###                    ",
    "      #..#..###                 ",
    "      #..#..#..##               ",
    "   ## #..#..#..#.#              ",
    "  #..##..#..#..#..#             ",
    "  #...#.........#..#            ",
    "   #..#............#            ",
    "    #..............#            ",
    "    #..............#            ",
    "     #.............#            ",
    "     #............#             ",
    "      #...........#             ",
    "      #..........#              ",
    "       #.........#              ",
    "       #.........#              ",
    "       ###########              ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
]

FRAME = [
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "            ###############     ",
    "            #.............#     ",
    "            #.###########.#     ",
    "            #.#         #.#     ",
    "            #.#         #.#     ",
    "          ## #.#         #.#    ",
    "         #..##.#  ##     #.#    ",
    "     ##  #..#.#  #..#    #.#    ",
    "    #..# #..#.# #...#    #.#    ",
    "    #..# #..#.##....#    #.#    ",
    "    #...##..#.#....#     #.#    ",
    "     #..#...#.#...#      #.#    ",
    "     #..........#        #.#    ",
    "      #.........###########.#   ",
    "      #.......................# ",
    "       #......###############   ",
    "       #.......#                ",
    "        #......#                ",
    "        #......#                ",
    "        ########                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
]


def cursor(grid, hotspot):
    assert len(grid) == 32 and all(len(row) == 32 for row in grid), "grids are 32x32"
    xor_rows, and_rows = [], []
    for row in reversed(grid):  # bottom-up bitmap
        xor_bits = and_bits = 0
        for x, ch in enumerate(row):
            bit = 1 << (31 - x)
            if ch == ".":
                xor_bits |= bit  # white
            elif ch == " ":
                and_bits |= bit  # transparent
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + b"".join(xor_rows) + b"".join(and_rows)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 2, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    return directory + entry + image


CURSORS = [("hand_point.cur", POINT, (8, 4)), ("hand_frame.cur", FRAME, (19, 8))]


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "launcher/resources"
    for name, grid, hotspot in CURSORS:
        with open(f"{out}/{name}", "wb") as f:
            f.write(cursor(grid, hotspot))


if __name__ == "__main__":
    main()
