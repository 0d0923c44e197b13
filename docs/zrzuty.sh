#!/usr/bin/env bash
# Makes the pictures of the operator's guide again from the program's own windows, under
# Xvfb, into docs/przewodnik/zrzuty/. Run after a window the guide shows has changed, look
# at the pictures and commit them.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/zaleznosci.sh
[ -f build/CMakeCache.txt ] || cmake -S . -B build -G Ninja
cmake --build build -j2 --target wirdolan_zrzuty
cel=docs/przewodnik/zrzuty
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# A fixed screen; the windows keep their own sizes.
xvfb-run -a -s "-screen 0 1280x1024x24" build/docs/wirdolan_zrzuty "$tmp" Config >"$tmp/lista" \
    2> >(grep -v 'propagateSizeHints\|XDG_RUNTIME_DIR' >&2)
# Only a full, successful run replaces the pictures, so none is left stale.
mkdir -p "$cel"
rm -f "$cel"/*.png
mv "$tmp"/*.png "$cel"/
echo "Zrzuty przewodnika w $cel: $(wc -l <"$tmp/lista"), razem $(du -ch "$cel"/*.png | tail -1 | cut -f1)."
