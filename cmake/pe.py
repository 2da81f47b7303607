"""What the build's PE steps and the release checks read from a PE file's headers."""

import struct


def optional_header(image: bytes) -> int:
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[pe:pe + 4] != b"PE\0\0":
        raise ValueError("no PE file")
    return pe + 24


def checksum(image: bytes) -> int:
    """The sum of the file's 16-bit words with the checksum field as zero, carries folded in,
    plus the file's length."""
    at = optional_header(image) + 64
    data = bytearray(image)
    data[at:at + 4] = bytes(4)
    if len(data) % 2:
        data.append(0)
    total = sum(struct.unpack_from(f"<{len(data) // 2}H", data))
    while total >> 16:
        total = (total & 0xFFFF) + (total >> 16)
    return total + len(image)


def signature_size(image: bytes) -> int:
    """The size of the Authenticode signature the security directory names; 0 when unsigned."""
    optional = optional_header(image)
    directories = optional + (96 if image[optional:optional + 2] == b"\x0b\x01" else 112)
    return struct.unpack_from("<I", image, directories + 4 * 8 + 4)[0]


def first_difference(a: bytes, b: bytes) -> int:
    """The first offset where two files differ; the shorter one's length if it begins the other."""
    return next((i for i, (x, y) in enumerate(zip(a, b)) if x != y), min(len(a), len(b)))


def section_at(image: bytes, offset: int) -> str:
    """What holds a file offset: a section, the headers, or what follows the sections (a
    signature, padding)."""
    optional = optional_header(image)
    count = struct.unpack_from("<H", image, optional - 18)[0]
    table = optional + struct.unpack_from("<H", image, optional - 4)[0]
    starts = []
    for i in range(count):
        name, _, _, rawsize, rawptr = struct.unpack_from("<8sIIII", image, table + 40 * i)
        if rawptr <= offset < rawptr + rawsize:
            return "section " + name.rstrip(b"\0").decode("ascii", "replace")
        if rawsize:
            starts.append(rawptr)
    return "the headers" if offset < min(starts, default=len(image)) else "the bytes after the sections"
