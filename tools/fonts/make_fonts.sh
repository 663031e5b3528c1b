#!/bin/sh
# Builds the three font files the game loads, each with its licence beside it.
#   Chancery.ttf  TeX Gyre Chorus (calligraphic), GUST Font License
#   Narrow.ttf    TeX Gyre Heros Condensed (narrow sans), GUST Font License
#   Funke.fon     DejaVu Sans rendered as a 16-pixel Windows bitmap font
set -e
FF="$1"
OUT="$2"
GYRE=/usr/share/texmf/fonts/opentype/public/tex-gyre
GUST=/usr/share/texmf/doc/fonts/tex-gyre/GUST-FONT-LICENSE.txt
DEJAVU=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
HERE="$(dirname "$0")"
for f in "$GYRE/texgyrechorus-mediumitalic.otf" "$GYRE/texgyreheroscn-regular.otf" "$DEJAVU" "$GUST"; do
  if [ ! -f "$f" ]; then
    echo "make_fonts: missing $f (install fonts-texgyre and fonts-dejavu-core)" >&2
    exit 1
  fi
done
mkdir -p "$OUT"
"$FF" -quiet -lang=ff -script "$HERE/to_ttf.pe" "$GYRE/texgyrechorus-mediumitalic.otf" "$OUT/Chancery.ttf" 2>/dev/null
"$FF" -quiet -lang=ff -script "$HERE/to_ttf.pe" "$GYRE/texgyreheroscn-regular.otf" "$OUT/Narrow.ttf" 2>/dev/null
"$FF" -quiet -lang=ff -script "$HERE/to_fon.pe" "$DEJAVU" "$OUT/Funke.fon" 2>/dev/null
for f in Chancery.ttf Narrow.ttf Funke.fon; do
  if [ ! -s "$OUT/$f" ]; then
    echo "make_fonts: fontforge did not write $OUT/$f" >&2
    exit 1
  fi
done
cp "$GUST" "$OUT/Chancery-LICENSE.txt"
cp "$GUST" "$OUT/Narrow-LICENSE.txt"
cp /usr/share/doc/fonts-dejavu-core/copyright "$OUT/Funke-LICENSE.txt"
