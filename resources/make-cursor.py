#!/usr/bin/env python3
"""Turns a one-image .ico into a .cur with the given hot spot (x, y)."""
import struct
import sys


def main():
    source, target, x, y = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
    data = bytearray(open(source, "rb").read())
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1 or count != 1:
        sys.exit(f"{source}: not a one-image icon")
    struct.pack_into("<H", data, 2, 2)  # resource type: cursor
    struct.pack_into("<HH", data, 6 + 4, x, y)  # planes and bit count hold the hot spot
    open(target, "wb").write(data)


if __name__ == "__main__":
    main()
