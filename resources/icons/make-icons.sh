#!/usr/bin/env bash
# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

# Renders the two icons from their SVG sources: a PNG for every size that windows, high-DPI
# screens and desktop menus ask for, and app.ico for the Windows program file. The outputs
# are committed, so an ordinary build needs none of these tools; run this after changing
# an SVG and look at the results before committing them.
set -euo pipefail
cd "$(dirname "$0")"
../../scripts/setup.sh icons

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# The 16 basic colours, and clear for the mask. The 32 x 32 image is a 16-colour icon; the
# SVGs are drawn in these colours on a 32 grid, so snapping that size to them loses only
# edge shading.
convert xc:'#000000' xc:'#800000' xc:'#008000' xc:'#808000' xc:'#000080' xc:'#800080' \
    xc:'#008080' xc:'#c0c0c0' xc:'#808080' xc:'#ff0000' xc:'#00ff00' xc:'#ffff00' \
    xc:'#0000ff' xc:'#ff00ff' xc:'#00ffff' xc:'#ffffff' xc:none +append "$tmp/palette.png"

for name in app main; do
    for size in 16 48 64 128 256; do
        rsvg-convert -w "$size" -h "$size" "$name.svg" -o "$name-$size.png"
    done
    # Opaque or clear pixels only (a 16-colour icon has a one-bit mask), no dithering,
    # 4 bits a pixel; no time stamps, so an unchanged SVG gives unchanged files.
    rsvg-convert -w 32 -h 32 "$name.svg" -o "$tmp/$name-32.png"
    convert "$tmp/$name-32.png" -channel A -threshold 50% +channel +dither \
        -remap "$tmp/palette.png" -define png:bit-depth=4 -define png:exclude-chunks=date,time \
        "PNG8:$name-32.png"
done

# Read back, the 32 x 32 PNG would become true colour; as a palette image with a mask it is
# written as the 4-bit entry. The other entries are true colour, and 256 is stored as PNG.
convert app-16.png \( app-32.png -type PaletteAlpha \) app-48.png app-64.png app-128.png \
    app-256.png app.ico
