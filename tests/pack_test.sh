#!/bin/sh
# vessara-pack copies texts as Latin-1 and removes data files whose source
# is gone, but nothing at the game folder's top level nor in folders that
# have no source (compiled maps, pictures).
PACK="$1"; WORK="$2"
rm -rf "$WORK" && mkdir -p "$WORK/src/Data/Kisten" "$WORK/dst/Data/Kisten" "$WORK/dst/Data/Maps" || exit 1
printf 'Grün\n' > "$WORK/src/Data/Kisten/Kiste1.txt"
echo alt > "$WORK/dst/Data/Kisten/Kiste2.txt"
echo map > "$WORK/dst/Data/Maps/Dorf.Map"
echo exe > "$WORK/dst/vessara"
"$PACK" "$WORK/src" "$WORK/dst" || { echo "pack failed"; exit 1; }
[ ! -e "$WORK/dst/Data/Kisten/Kiste2.txt" ] || { echo "stale Kiste2.txt kept"; exit 1; }
[ -e "$WORK/dst/Data/Maps/Dorf.Map" ] || { echo "compiled map removed"; exit 1; }
[ -e "$WORK/dst/vessara" ] || { echo "program removed"; exit 1; }
[ "$(od -An -tx1 "$WORK/dst/Data/Kisten/Kiste1.txt" | tr -d ' \n')" = "4772fc6e0a" ] ||
  { echo "Kiste1.txt not Latin-1"; exit 1; }
echo "pack fine"
