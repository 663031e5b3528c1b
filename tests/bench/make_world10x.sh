#!/bin/sh
# Makes a game folder with a ten times larger world for the 10x bench: the
# home map repeated to 300 x 300 cells and ten copies of its enemies, each
# copy on its own repeat of the map (the first where the demo has them).
# Everything else is linked to the demo's game folder.
#   sh tests/bench/make_world10x.sh MAPCONV GAME_DIR OUT_DIR
#   OUT_DIR/vessara-replay --game-dir OUT_DIR --bench --script tests/bench/world10x.replay
set -e
MAPCONV=$1
GAME=$2
OUT=$3
if [ -z "$MAPCONV" ] || [ -z "$GAME" ] || [ -z "$OUT" ]; then
  echo "usage: make_world10x.sh MAPCONV GAME_DIR OUT_DIR" >&2
  exit 2
fi
GAME=$(cd "$GAME" && pwd)
SIZE=300
COPIES=10
rm -rf "$OUT"
mkdir -p "$OUT/Data/Maps" "$OUT/Data/Gegner"
OUT=$(cd "$OUT" && pwd)
for f in "$GAME"/*; do
  [ "$(basename "$f")" = Data ] || ln -s "$f" "$OUT/"
done
for f in "$GAME"/Data/*; do
  case "$(basename "$f")" in Maps|Gegner) ;; *) ln -s "$f" "$OUT/Data/" ;; esac
done
for f in "$GAME"/Data/Maps/*; do
  [ "$(basename "$f")" = TestMap.Map ] || ln -s "$f" "$OUT/Data/Maps/"
done
for f in "$GAME"/Data/Gegner/*; do
  [ "$(basename "$f")" = Gegner.txt ] || ln -s "$f" "$OUT/Data/Gegner/"
done

# The map: every layer repeated in both directions.
"$MAPCONV" map2tmx "$GAME/Data/Maps/TestMap.Map" "$OUT/small.tmx" "$GAME/Grafik"
W=$(sed -n 's/^<map .* width="\([0-9]*\)" height="\([0-9]*\)".*/\1/p' "$OUT/small.tmx")
H=$(sed -n 's/^<map .* width="\([0-9]*\)" height="\([0-9]*\)".*/\2/p' "$OUT/small.tmx")
awk -v n=$SIZE -v w="$W" -v h="$H" '
  function flush(   x, y, line) {
    for (y = 0; y < n; ++y) {
      line = ""
      for (x = 0; x < n; ++x) line = line (x ? "," : "") cell[y % h, x % w]
      print line (y < n - 1 ? "," : "")
    }
  }
  BEGIN { row = 0 }
  /^[0-9]/ { k = split($0, v, ","); for (x = 1; x <= w; ++x) cell[row, x - 1] = v[x]; ++row; next }
  /<\/data>/ { flush(); row = 0 }
  { gsub("width=\"" w "\" height=\"" h "\"", "width=\"" n "\" height=\"" n "\""); print }
' "$OUT/small.tmx" > "$OUT/big.tmx"
"$MAPCONV" tmx2map "$OUT/big.tmx" "$OUT/Data/Maps/TestMap.Map"
rm -f "$OUT/small.tmx" "$OUT/big.tmx"

# The enemies: records of 12 lines (ID, type, NPC, x1, x2, y1, y2, px, py,
# group, map, separator); copy c moves by whole repeats of the map.
awk -v copies=$COPIES -v w="$W" -v h="$H" -v n=$SIZE '
  { gsub("\r", ""); rec[NR] = $0 }
  END {
    per = int((n - 1) / w)
    id = 0
    for (c = 0; c < copies; ++c) {
      dx = (c % per) * w; dy = int(c / per) * h
      for (i = 1; i + 11 <= NR; i += 12) {
        # Only plain enemies are copied: one bound to an NPC stays single.
        if (rec[i + 10] != "TestMap" || rec[i + 2] != 0) { if (c == 0) for (j = 0; j < 12; ++j) print rec[i + j]; continue }
        print (c == 0 ? rec[i] : 1000 + ++id)
        print rec[i + 1]; print rec[i + 2]
        print rec[i + 3] + dx; print rec[i + 4] + dx; print rec[i + 5] + dy; print rec[i + 6] + dy
        print rec[i + 7] + dx; print rec[i + 8] + dy
        print rec[i + 9]; print rec[i + 10]; print rec[i + 11]
      }
    }
  }
' "$GAME/Data/Gegner/Gegner.txt" > "$OUT/Data/Gegner/Gegner.txt"
echo "$OUT: TestMap ${SIZE} x ${SIZE}, $(grep -c '^TestMap$' "$OUT/Data/Gegner/Gegner.txt") enemies on it"
