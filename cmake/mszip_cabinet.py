# SPDX-FileCopyrightText: 2026 The arche developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a cabinet of one MSZIP folder, for the MSI package.

wixl's own cabinet leaves the MSI a quarter of a megabyte larger than a zip
of the same files. MSZIP lets every 32 KiB block refer back to the 32 KiB
before it, as Microsoft's own cabinet tools do; with that history and
deflate's best level the cabinet is as small as the zip.

    mszip_cabinet.py OUTPUT.cab NAME=FILE...

Files go in the order given, which must be the order of their sequence
numbers in the MSI's File table; NAME is a file's key in that table.
"""
import struct
import sys
import zlib

BLOCK = 32768


def checksum(data, seed=0):
    """The cabinet format's checksum: the XOR of the data's 32-bit words."""
    whole = len(data) // 4 * 4
    value = seed
    for (word,) in struct.iter_unpack("<I", data[:whole]):
        value ^= word
    tail = 0
    for byte in data[whole:]:
        tail = (tail << 8) | byte
    return value ^ tail


def main(output, entries):
    data = bytearray()
    files = []
    for entry in entries:
        name, path = entry.split("=", 1)
        with open(path, "rb") as f:
            content = f.read()
        files.append((name.encode("ascii"), len(data), len(content)))
        data += content

    blocks = []
    for start in range(0, len(data), BLOCK):
        history = bytes(data[max(0, start - BLOCK):start])
        if history:
            packer = zlib.compressobj(9, zlib.DEFLATED, -15, 9, zlib.Z_DEFAULT_STRATEGY, history)
        else:
            packer = zlib.compressobj(9, zlib.DEFLATED, -15, 9)
        chunk = bytes(data[start:start + BLOCK])
        packed = b"CK" + packer.compress(chunk) + packer.flush()
        blocks.append((packed, len(chunk)))

    header_size, folder_size = 36, 8
    file_entries = b"".join(
        # Archive attribute; a fixed date and time (1 January 2026, 00:00)
        # keep the package the same from build to build.
        struct.pack("<IIHHHH", size, offset, 0, ((2026 - 1980) << 9) | (1 << 5) | 1, 0, 0x20)
        + name + b"\0"
        for name, offset, size in files)
    first_data = header_size + folder_size + len(file_entries)
    data_size = sum(8 + len(packed) for packed, _ in blocks)
    total = first_data + data_size

    with open(output, "wb") as out:
        out.write(struct.pack("<4sIIIIIBBHHHHH", b"MSCF", 0, total, 0,
                              header_size + folder_size, 0, 3, 1, 1, len(files), 0, 0, 0))
        # One folder, compressed with MSZIP (type 1).
        out.write(struct.pack("<IHH", first_data, len(blocks), 1))
        out.write(file_entries)
        for packed, size in blocks:
            sizes = struct.pack("<HH", len(packed), size)
            out.write(struct.pack("<I", checksum(sizes, checksum(packed))) + sizes)
            out.write(packed)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2:])
