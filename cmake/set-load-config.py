"""Points a linked PE file's load-configuration directory at its _load_config_used object and
checks its dependent-load flags, as MSVC's linker would; GNU ld 2.40 leaves the entry empty.

usage: set-load-config.py IMAGE LINKER_MAP EXPECTED_FLAGS
"""

import re
import struct
import sys

LOAD_CONFIG_ENTRY = 10


def main() -> int:
    image_path, map_path, expected = sys.argv[1], sys.argv[2], int(sys.argv[3], 0)
    image = bytearray(open(image_path, "rb").read())
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[pe:pe + 4] != b"PE\0\0":
        return fail(f"{image_path} is no PE file")
    optional = pe + 24
    magic = struct.unpack_from("<H", image, optional)[0]
    wide = magic == 0x20B
    image_base = struct.unpack_from("<Q" if wide else "<I", image, optional + (24 if wide else 28))[0]
    directories = optional + (112 if wide else 96)

    symbol = re.compile(r"^\s+0x([0-9a-fA-F]+)\s+_{1,2}load_config_used\s*$")
    address = None
    for line in open(map_path, encoding="utf-8", errors="replace"):
        found = symbol.match(line)
        if found:
            address = int(found.group(1), 16)
    if address is None:
        return fail(f"no _load_config_used in {map_path}")
    rva = address - image_base

    # The object's bytes in the file, through the section holding its address.
    sections = optional + struct.unpack_from("<H", image, pe + 20)[0]
    count = struct.unpack_from("<H", image, pe + 6)[0]
    offset = None
    for i in range(count):
        _, vsize, vaddr, rawsize, rawptr = struct.unpack_from("<8sIIII", image, sections + 40 * i)
        if vaddr <= rva < vaddr + max(vsize, rawsize):
            offset = rawptr + rva - vaddr
    if offset is None:
        return fail(f"_load_config_used at {rva:#x} lies in no section")
    size = struct.unpack_from("<I", image, offset)[0]
    flags = struct.unpack_from("<H", image, offset + (78 if wide else 54))[0]
    if size != (112 if wide else 72) or flags != expected:
        return fail(f"_load_config_used holds size {size}, flags {flags:#x}")

    struct.pack_into("<II", image, directories + 8 * LOAD_CONFIG_ENTRY, rva, size)
    open(image_path, "wb").write(image)
    return 0


def fail(message: str) -> int:
    print(f"set-load-config: {message}", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
