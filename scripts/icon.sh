#!/usr/bin/env bash
# Draws the program icon (a white F on a blue rounded square, the key that starts things) at
# 16, 32, 48 and 256 pixels and writes resources/tarvok.ico; the 256-pixel image is stored
# PNG-compressed, as Windows expects it. Needs ImageMagick.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$TARVOK_ROOT"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Coordinates on a 48-unit grid, scaled to each size.
at() { awk -v v="$1" -v s="$2" 'BEGIN { printf "%d", v * s / 48 + 0.5 }'; }
for s in 16 32 48 256; do
    last=$((s - 1))
    radius=$(at 8 "$s")
    convert -size "${s}x${s}" xc:none \
        -fill '#1F4FBF' -draw "roundrectangle 0,0,$last,$last,$radius,$radius" \
        -fill white \
        -draw "rectangle $(at 15 "$s"),$(at 10 "$s"),$(($(at 21 "$s") - 1)),$(($(at 36 "$s") - 1))" \
        -draw "rectangle $(at 15 "$s"),$(at 10 "$s"),$(($(at 32 "$s") - 1)),$(($(at 15 "$s") - 1))" \
        -draw "rectangle $(at 15 "$s"),$(at 20 "$s"),$(($(at 31 "$s") - 1)),$(($(at 25 "$s") - 1))" \
        "PNG32:$work/$s.png"
done
convert "$work/16.png" "$work/32.png" "$work/48.png" "$work/256.png" resources/tarvok.ico
echo resources/tarvok.ico
