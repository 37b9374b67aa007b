#!/usr/bin/env python3
"""Checks the keyboard catalogue, the two factory keymaps and the key frames in a data folder.

Usage: tools/check-keymaps.py [data-folder]
       tools/check-keymaps.py -h | --help    (shows this text)

The data folder is resources/data by default. Prints every fault found and exits with status 1
when there is one, 0 otherwise.
"""
# Standard library only.
import json
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent / "lib"))
from arguments import optional_folder  # noqa: E402

TYPE_NUMBERS = [
    "KX-QR300B", "KX-QR320B", "KX-QR300B-EM", "KX-QR320B-EM", "KX-QR300B-PPM", "KX-QR320B-PPM",
    "KX-QR300Y", "KX-QR320Y", "KX-QR300Y-EM", "KX-QR320Y-EM", "KX-QR300Y-PPM", "KX-QR320Y-PPM",
]
CATALOGUE_FIELDS = [  # JSON key, JSON type, accepted values (None: any)
    ("typeNumber", str, None),
    ("layoutType", int, {0, 1}),
    ("colorType", int, {0, 1}),
    ("series", int, {0}),
    ("layoutTypeName", int, {0, 1}),
    ("postfix", str, None),
    ("isKeymapChangeable", bool, None),
    ("firmTypeNumber", str, None),
    ("firmDataSize", int, None),
]
JSON_TYPE_NAMES = {str: "a string", int: "an integer", bool: "a boolean"}
JAPANESE, ENGLISH = 0, 1
PROFILES = ["Profile1", "Profile2", "Profile3", "Profile4"]
LAYERS = ["Normal", "WithFn1", "WithFn2", "WithFn3"]
KEY_COUNT = 120

# Key numbers without a key, per layout and DIP switch 5 (off, on).
SKIP = {
    ENGLISH: (
        {29, 42, 43, 56, 57, 60, 61, 64, 66, 67, 70, 71, 72, 73, 74, 75, 76, 77, 78},
        {28, 42, 43, 56, 57, 60, 61, 64, 66, 67, 70, 71, 72, 73, 74, 75, 76, 77, 78},
    ),
    JAPANESE: (
        {13, 28, 43, 59, 68, 74, 75, 76, 77, 78},
        {14, 28, 43, 59, 68, 74, 75, 76, 77, 78},
    ),
}
SKIP_IN_SLIDE_AND_TAP = {82, 83, 84, 85, 88, 89, 90, 91, 92, 93, 94, 95, 96, 97, 98, 99, 100,
                         103, 104, 105, 106, 107, 110, 111, 112, 113, 114, 115}
FIRST_SLIDE_AND_TAP_KEY = 82
SLIDE_KEY_COUNT = 8
MAIN_BLOCK_END = 82  # key numbers below this belong to the main block

FN_KEYS = {"WithFn1": 0x5101, "WithFn2": 0x5102, "WithFn3": 0x5103}
KEEPS_NORMAL = 1  # in an Fn layer: the key keeps its normal-layer usage
FIXED_FN1_COMPANION = {6, 20, 25, 27, 29, 224, 229}
NOT_FOR_SLIDE = ({0x5101, 0x5102, 0x5103, 244, 245, 246} | set(range(0x5F80, 0x5F8C))
                 | {0x5F90, 0x5F91, 0x5F92} | set(range(0x5F9E, 0x5FA2)) | set(range(224, 232)))


def spans(*parts):
    values = set()
    for part in parts:
        first, last = part if isinstance(part, tuple) else (part, part)
        values.update(range(first, last + 1))
    return values


# Usages the palettes offer (both layouts), and the base keys a shortcut may carry.
KNOWN_USAGES = spans((4, 101), (104, 115), 120, 135, 136, 137, 138, 139, 144, 145, 165, 168, 169,
                     170, 176, 189, 190, (224, 231), (240, 246), (249, 252), (0x5101, 0x5103),
                     (0x5F80, 0x5F92), (0x5F9E, 0x5FA7))
# Key-frame assets: view width and height, number of keys, drawn index of the L-shaped Enter key.
KEYBOARD_VIEW, SLIDE_PANEL, QWERTY_PALETTE = (590, 250), (1360, 160), (648, 228)
FRAME_ASSETS = {
    "English_position_black": (KEYBOARD_VIEW, 63, None),
    "English_position_white": (KEYBOARD_VIEW, 63, None),
    "Japanese_position_black": (KEYBOARD_VIEW, 72, 41),
    "Japanese_position_white": (KEYBOARD_VIEW, 72, 41),
    "Slide_position": (SLIDE_PANEL, SLIDE_KEY_COUNT, None),
    "English_assign_position": (QWERTY_PALETTE, 63 + SLIDE_KEY_COUNT, None),
    "Japanese_assign_position": (QWERTY_PALETTE, 72 + SLIDE_KEY_COUNT, 41),
}
ENTER_HEADER, ENTER_CORNER = 14, 5  # box, two arms and start point; then per rounded corner

SHORTCUT_KEYS = spans(0, (4, 101), (104, 115), 120, (135, 139), 144, 145, 165, (168, 170), 176,
                      189, 190, (240, 246), (249, 252))
MODIFIER_BITS = 0x1F00


def present_keys(layout):
    """Key numbers that have a key in at least one DIP switch 5 state."""
    main = {k for k in range(MAIN_BLOCK_END) if any(k not in skip for skip in SKIP[layout])}
    return main | set(slide_keys())


def slide_keys():
    keys, k = [], FIRST_SLIDE_AND_TAP_KEY
    while len(keys) < SLIDE_KEY_COUNT:
        if k not in SKIP_IN_SLIDE_AND_TAP:
            keys.append(k)
        k += 1
    return keys


def is_known(usage):
    if usage in KNOWN_USAGES:
        return True
    only_shortcut_bits = (usage & ~(MODIFIER_BITS | 0xFF)) == 0
    return only_shortcut_bits and (usage & MODIFIER_BITS) != 0 and (usage & 0xFF) in SHORTCUT_KEYS


class Checker:
    def __init__(self):
        self.faults = []

    def fault(self, where, text):
        self.faults.append(f"{where}: {text}")

    def load(self, path):
        try:
            with open(path, encoding="utf-8") as f:
                return json.load(f)
        except (OSError, UnicodeDecodeError, json.JSONDecodeError) as error:
            self.fault(path.name, f"cannot be read: {error}")
            return None

    def check_catalogue(self, path):
        data = self.load(path)
        if data is None:
            return
        if not isinstance(data, dict):
            self.fault(path.name, "top level is not an object")
            return
        if sorted(data) != sorted(TYPE_NUMBERS):
            self.fault(path.name, f"type numbers differ: missing "
                       f"{sorted(set(TYPE_NUMBERS) - set(data))}, extra {sorted(set(data) - set(TYPE_NUMBERS))}")
        for key, record in data.items():
            where = f"{path.name} {key}"
            if not isinstance(record, dict):
                self.fault(where, "is not an object")
                continue
            for field, kind, accepted in CATALOGUE_FIELDS:
                value = record.get(field)
                # bool is an int in Python: keep the two JSON types apart.
                if not isinstance(value, kind) or (kind is int and isinstance(value, bool)):
                    self.fault(where, f'"{field}" missing or not {JSON_TYPE_NAMES[kind]}')
                elif accepted is not None and value not in accepted:
                    self.fault(where, f'"{field}" {value} out of range')
            if record.get("typeNumber") != key:
                self.fault(where, '"typeNumber" differs from the entry key')
            if record.get("layoutType") != record.get("layoutTypeName"):
                self.fault(where, '"layoutType" and "layoutTypeName" differ')

    def check_keymap(self, path, layout):
        data = self.load(path)
        if data is None:
            return
        if not isinstance(data, dict):
            self.fault(path.name, "top level is not an object")
            return
        for profile in PROFILES:
            layers = data.get(profile)
            if not isinstance(layers, dict):
                self.fault(path.name, f'"{profile}" missing or not an object')
                continue
            if all(self.check_layer_shape(path, profile, name, layers.get(name)) for name in LAYERS):
                self.check_profile(f"{path.name} {profile}", layers, layout)

    def check_layer_shape(self, path, profile, name, layer):
        where = f"{path.name} {profile} {name}"
        if not isinstance(layer, list) or len(layer) != KEY_COUNT:
            self.fault(where, f"is not an array of {KEY_COUNT} entries")
            return False
        for key, usage in enumerate(layer):
            if not isinstance(usage, int) or isinstance(usage, bool):
                self.fault(where, f"key {key}: {usage!r} is not an integer")
                return False
            if not 0 <= usage <= 0xFFFF:  # also keeps every entry inside signed 32 bits
                self.fault(where, f"key {key}: usage {usage} outside 0..65535")
        return True

    def check_profile(self, where, layers, layout):
        normal = layers["Normal"]
        present = present_keys(layout)
        slides = set(slide_keys())
        if 0x5101 not in normal:
            self.fault(where, "Normal layer holds no Fn1 key (0x5101)")
        for name in LAYERS:
            for key, usage in enumerate(layers[name]):
                at = f"{where} {name} key {key}"
                if key not in present:
                    if usage != 0:
                        self.fault(at, f"key absent from the layout holds {usage}")
                    continue
                if usage == KEEPS_NORMAL and name != "Normal":
                    continue
                if usage != 0 and not is_known(usage):
                    self.fault(at, f"usage {usage} (0x{usage:04X}) is unknown to the program")
                if key in slides and usage in NOT_FOR_SLIDE:
                    self.fault(at, f"slide key holds {usage}, which slide keys cannot take")
        for key in present:
            usage = normal[key]
            if usage == KEEPS_NORMAL:
                self.fault(f"{where} Normal key {key}", "holds 1, which only Fn layers use")
            if usage in FIXED_FN1_COMPANION and layers["WithFn1"][key] != usage:
                self.fault(f"{where} WithFn1 key {key}", f"must repeat its normal usage {usage}")
            for name, fn_key in FN_KEYS.items():
                if usage == fn_key and layers[name][key] != 0:
                    self.fault(f"{where} {name} key {key}", "an Fn key must be 0 in its own layer")

    def check_frames(self, path, view, count, enter_index):
        frames = self.load(path)
        if frames is None:
            return
        is_number = lambda v: isinstance(v, (int, float)) and not isinstance(v, bool)
        if not isinstance(frames, list) or not all(
                isinstance(f, list) and all(is_number(v) for v in f) for f in frames):
            self.fault(path.name, "is not an array of arrays of numbers")
            return
        if len(frames) != count:
            self.fault(path.name, f"holds {len(frames)} keys, not {count}")
        areas = []
        for index, frame in enumerate(frames):
            where = f"{path.name} key {index}"
            if index == enter_index:
                corners = len(frame) - ENTER_HEADER
                if corners < ENTER_CORNER or corners % ENTER_CORNER:
                    self.fault(where, "is not an L-shaped outline (14 numbers, then 5 per corner)")
                    continue
                x, y = frame[0], frame[1]
                areas.append((index, [(x + a, y + b, w, h) for a, b, w, h in
                                      (frame[4:8], frame[8:12])]))
            elif len(frame) != 4:
                self.fault(where, f"holds {len(frame)} numbers, not x, y, width and height")
                continue
            else:
                areas.append((index, [tuple(frame)]))
            x, y, w, h = frame[:4]
            if w <= 0 or h <= 0 or x < 0 or y < 0 or x + w > view[0] or y + h > view[1]:
                self.fault(where, f"lies outside the {view[0]} x {view[1]} view")
        for a, (first, first_rects) in enumerate(areas):
            for second, second_rects in areas[:a]:
                if any(overlap(r, s) for r in first_rects for s in second_rects):
                    self.fault(path.name, f"keys {second} and {first} overlap")


def overlap(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    folder = pathlib.Path(optional_folder(sys.argv[1:], __doc__.strip())
                          or root / "resources" / "data")
    checker = Checker()
    checker.check_catalogue(folder / "KeyboardDatalist.json")
    checker.check_keymap(folder / "Japanese0.json", JAPANESE)
    checker.check_keymap(folder / "English00.json", ENGLISH)
    for name, (view, count, enter_index) in FRAME_ASSETS.items():
        checker.check_frames(folder / f"{name}.json", view, count, enter_index)
    for line in checker.faults:
        print(line, file=sys.stderr)
    if checker.faults:
        print(f"{len(checker.faults)} fault(s)", file=sys.stderr)
        return 1
    print("catalogue, factory keymaps and key frames are consistent")
    return 0


if __name__ == "__main__":
    sys.exit(main())
