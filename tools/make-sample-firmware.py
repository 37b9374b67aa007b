#!/usr/bin/env python3
"""Writes a sample firmware image per layout, for trying the firmware update on the emulated keyboard.

Usage: tools/make-sample-firmware.py [folder]
       tools/make-sample-firmware.py -h | --help    (shows this text)

Writes sample-firmware-japanese.bin (for a KX-QR320B) and sample-firmware-english.bin (for a
KX-QR300B) into the folder (the current one by default), each of version 01.06, one step newer
than the emulated keyboard's 01.05. The images hold no real firmware: only the emulated keyboard
may be updated with them.
"""
# Standard library only.
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent / "lib"))
from arguments import optional_folder  # noqa: E402

VERSION = "0106"  # major and minor, two digits each
# Main controller, Bluetooth module and the four touch pads, in the order the image holds them.
PART_SIZES = [48 * 1024, 16 * 1024, 4 * 1024, 4 * 1024, 4 * 1024, 4 * 1024]
TARGETS = {"japanese": "KX-QR320B", "english": "KX-QR300B"}
PREFIX = b"MAIN"
HEADER_SIZE = 16
TRAILER_SIZE = 32


def part_bytes(index, size):
    """Bytes that differ between parts, so that a part written to the wrong module shows."""
    return bytes((i * 7 + (index + 1) * 31 + i // 251) & 0xFF for i in range(size))


def image(target):
    """After the prefix, each part: a 16-byte header whose last four bytes hold the part's size
    (big-endian), its data, and zeros up to a multiple of 16. Then a 32-byte trailer with the
    target keyboard in its first ten bytes and the version in bytes 16 to 19."""
    data = bytearray()
    for index, size in enumerate(PART_SIZES):
        header = bytearray(HEADER_SIZE)
        if index == 0:
            header[0:4] = PREFIX
        header[12:16] = size.to_bytes(4, "big")
        data += header + part_bytes(index, size) + bytes(-size % HEADER_SIZE)
    trailer = bytearray(TRAILER_SIZE)
    trailer[0:len(target)] = target.encode("ascii")
    trailer[16:20] = VERSION.encode("ascii")
    return bytes(data + trailer)


def main(arguments):
    folder = pathlib.Path(optional_folder(arguments, __doc__.strip()) or ".")
    folder.mkdir(parents=True, exist_ok=True)
    for layout, target in TARGETS.items():
        path = folder / f"sample-firmware-{layout}.bin"
        path.write_bytes(image(target))
        print(f"{path}: {target}, version {VERSION[:2]}.{VERSION[2:]}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
