#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# One-off: makes the picture fixtures under data/ with real programs, so that the
# committed files show what users actually bring. The test suite only reads the results
# and needs none of these programs. Run as root the first time (it installs them).
#
# Every picture uses the same layout, which the tests sample:
#   vector drawings (100 x 100): red square top left, green triangle top right,
#     blue ellipse bottom right, over a white frame with a black border;
#   rasters: red, green, blue and yellow quadrants (top left, top right, bottom left,
#     bottom right).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
out="$here/data"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

tools=(libreoffice-draw inkscape imagemagick)
missing=()
for p in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
mkdir -p "$out"

frame='<rect x="0.5" y="0.5" width="99" height="99" fill="#ffffff" stroke="#000000" stroke-width="1"/>'
svg_open='<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="100mm" height="100mm" viewBox="0 0 100 100">'

cat >"$work/shapes.svg" <<EOF
$svg_open
$frame
<polygon points="10,10 45,10 45,45 10,45" fill="#ff0000"/>
<polygon points="55,10 90,10 72.5,45" fill="#00ff00"/>
<ellipse cx="72" cy="72" rx="20" ry="15" fill="#0000ff"/>
</svg>
EOF

cat >"$work/roundrect-text.svg" <<EOF
$svg_open
$frame
<rect x="10" y="10" width="80" height="80" rx="15" ry="15" fill="#ffff00" stroke="#000000" stroke-width="2"/>
<text x="50" y="70" font-family="Liberation Sans" font-size="40" text-anchor="middle" fill="#0000ff">Ab</text>
</svg>
EOF

# A 4 x 4 bitmap in quadrants, embedded in a drawing that fills the frame with it.
convert -size 2x2 xc:red xc:'#00ff00' +append \( -size 2x2 xc:blue xc:yellow +append \) -append \
  "$work/quad4.png"
png64="$(base64 -w0 "$work/quad4.png")"
cat >"$work/bitmap.svg" <<EOF
$svg_open
$frame
<image x="10" y="10" width="80" height="80" preserveAspectRatio="none" image-rendering="optimizeSpeed"
  xlink:href="data:image/png;base64,$png64"/>
</svg>
EOF

for name in shapes roundrect-text bitmap; do
  inkscape "$work/$name.svg" --export-type=wmf --export-filename="$out/$name-inkscape.wmf" 2>/dev/null
  libreoffice -env:UserInstallation="file://$work/lo-profile" --headless --convert-to wmf \
    --outdir "$work" "$work/$name.svg" >/dev/null 2>&1
  mv "$work/$name.wmf" "$out/$name-libreoffice.wmf"
done
cp "$work/shapes.svg" "$out/shapes.svg"

# Rasters: quadrants at several sizes; the 48 x 48 one of the icon is marked by a white
# centre so that the tests can tell which image of the icon was chosen.
quad() { # size file
  local h=$(($1 / 2))
  convert -size ${h}x${h} xc:red xc:'#00ff00' +append \
    \( -size ${h}x${h} xc:blue xc:yellow +append \) -append "$2"
}
quad 16 "$work/q16.png"
quad 32 "$work/q32.png"
quad 48 "$work/q48.png"
convert "$work/q48.png" -fill white -draw 'rectangle 20,20 27,27' "$work/q48.png"

convert "$work/q16.png" "$work/q48.png" "$work/q32.png" "$out/multi-size.ico"
# ImageMagick writes icons; a cursor is the same file with type 2 and a hot spot (3, 5)
# in place of the planes and bit count of each entry.
convert "$work/q32.png" "ICO:$work/cursor.ico"
python3 - "$work/cursor.ico" "$out/cursor.cur" <<'EOF'
import struct, sys
data = bytearray(open(sys.argv[1], "rb").read())
data[2:4] = struct.pack("<H", 2)
count = struct.unpack_from("<H", data, 4)[0]
for i in range(count):
    struct.pack_into("<HH", data, 6 + 16 * i + 4, 3, 5)
open(sys.argv[2], "wb").write(data)
EOF

convert "$work/q32.png" -monochrome "BMP3:$out/mono-1bit.bmp"
convert "$work/q32.png" -type palette -compress None "BMP3:$out/quad-4bit.bmp"
# More than sixteen colours (a faint gradient) so that the writer needs 8 bits a pixel.
convert "$work/q32.png" \( -size 32x32 gradient:black-gray20 \) -compose plus -composite "$work/shaded.png"
convert "$work/shaded.png" -type palette -compress None "BMP3:$out/quad-8bit.bmp"
convert "$work/shaded.png" -type palette -compress RLE "BMP3:$out/quad-rle8.bmp"
convert "$work/q32.png" -type truecolor "BMP3:$out/quad-24bit.bmp"
convert "$work/q32.png" -type truecoloralpha "BMP:$out/quad-32bit.bmp"
convert "$work/q32.png" "$out/quad.gif"
convert "$work/q32.png" -quality 95 "$out/quad.jpg"
convert "$work/q32.png" "$out/quad.png"

ls -l "$out"
