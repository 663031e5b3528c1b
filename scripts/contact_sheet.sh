#!/bin/sh
# The whole demo in one folder, to look at in a minute: every map of the game
# folder rendered whole (map-NAME.png), one picture of each place
# (place_*.png) and a screenshot of every milestone of the playthrough
# (main_quest_NN_*.png), in the order a player meets them.
#   scripts/contact_sheet.sh [OUT_DIR]      (default build/contact-sheet)
# Builds the game folder first when needed (see setup.sh).
set -e
cd "$(dirname "$0")/.."
ROOT="$PWD"
OUT="${1:-build/contact-sheet}"
sh scripts/setup.sh build game
mkdir -p "$OUT"
OUT="$(cd "$OUT" && pwd)"
rm -f "$OUT"/map-*.png "$OUT"/place_*.png "$OUT"/main_quest_*.png
for map in build/game/Data/Maps/*.Map; do
  name="$(basename "$map" .Map)"
  build/vessara-mapconv render "$map" "$OUT/map-$name.png" build/game/Grafik
done
cd "$OUT"
for script in places main_quest; do
  "$ROOT/build/game/vessara-replay" --script "$ROOT/tests/replay/$script.replay" > /dev/null
done
echo "The contact sheet is in $OUT:"
ls "$OUT" | sed 's/^/  /'
