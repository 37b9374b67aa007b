#!/usr/bin/env bash
# Usage: tools/contact-sheet.sh [output.png [device pixel ratio]]
#        tools/contact-sheet.sh -h | --help    (shows this text)
#
# Builds the contact-sheet program and renders every key legend and picture into
# build/contact-sheet.png (or the file given; write one whose name begins with "-" as "./-name")
# at the device pixel ratio (2 by default) for review by eye, on Qt's offscreen platform.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
keymap_take_arguments 2 "$@"
root=$(keymap_root)

keymap_install_packages
keymap_configure "$root/build/contact-sheet" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKEYMAP_BUILD_TESTS=OFF \
    -DKEYMAP_BUILD_BENCH=OFF -DKEYMAP_CONTACT_SHEET=ON
cmake --build "$root/build/contact-sheet" --target contact_sheet
QT_QPA_PLATFORM=offscreen "$root/build/contact-sheet/tools/contact-sheet/contact_sheet" \
    "${1:-$root/build/contact-sheet.png}" "${2:-2}"
