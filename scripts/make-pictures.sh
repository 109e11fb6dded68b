#!/bin/bash
# Draws the twelve zodiac sign pictures and the program icon into assets/.
# The results are committed, so a build needs no ImageMagick; run this only to
# change the artwork. Needs ImageMagick's `convert` and the DejaVu Sans font.
set -euo pipefail
cd "$(dirname "$0")/../assets"

font=DejaVu-Sans-Bold
signs=(aries taurus gemini cancer leo virgo libra scorpio sagittarius capricorn aquarius pisces)
glyphs=(♈ ♉ ♊ ♋ ♌ ♍ ♎ ♏ ♐ ♑ ♒ ♓)

for i in "${!signs[@]}"; do
    # A navy disc with a yellow glyph, on a transparent ground so that the page's
    # grey shows around it.
    convert -size 28x28 xc:none \
        -fill '#000060' -stroke '#ffff00' -strokewidth 1 -draw 'circle 13.5,13.5 13.5,1' \
        -stroke none -fill '#ffff00' -font "$font" -pointsize 17 -gravity center \
        -annotate +0+1 "${glyphs[$i]}" \
        -background none -channel A -threshold 50% +channel \
        "${signs[$i]}.gif"
done

convert -size 64x64 xc:none \
    -fill '#000060' -stroke '#ffff00' -strokewidth 3 -draw 'circle 31.5,31.5 31.5,3' \
    -stroke none -fill '#ffff00' -font "$font" -pointsize 34 -gravity center -annotate +0+0 'M' \
    -fill '#00ff00' -pointsize 14 -annotate +16-16 '★' \
    moravel.png

# The main window's band shows all twelve: one picture of them side by side reads
# faster than twelve.
mkdir -p band
convert "${signs[@]/%/.gif}" +append -strip PNG8:band/signs.png
