"""Writes a PE file's checksum anew over its final bytes (ld's goes stale when a step after it
changes the headers, as set-load-config.py does) and pads the file to a multiple of 8 bytes.
Authenticode signing pads a file so and writes the checksum of the result, and removing the
signature computes it again: a file already in that form comes back byte for byte.

usage: set-pe-checksum.py IMAGE
"""

import struct
import sys

import pe


def main() -> int:
    path = sys.argv[1]
    image = bytearray(open(path, "rb").read())
    try:
        at = pe.optional_header(image) + 64
    except (ValueError, struct.error):
        print(f"set-pe-checksum: {path} is no PE file", file=sys.stderr)
        return 1
    image += bytes(-len(image) % 8)
    struct.pack_into("<I", image, at, pe.checksum(image))
    open(path, "wb").write(image)
    return 0


if __name__ == "__main__":
    sys.exit(main())
