#!/bin/sh
# vessara-links: the demo's connections compile against the compiled maps
# into the game folder's file; decompiling and compiling again gives the
# same bytes; a fault in the source names the file and line.
LINKS="$1"; SOURCE="$2"; GAME="$3"; WORK="$4"
rm -rf "$WORK" && mkdir -p "$WORK" || exit 1
"$LINKS" compile "$SOURCE" "$WORK/a.link" --maps "$GAME/Data/Maps" || { echo "compile failed"; exit 1; }
cmp "$WORK/a.link" "$GAME/Data/Verbindungen.link" || { echo "game folder holds another file"; exit 1; }
"$LINKS" decompile "$WORK/a.link" "$WORK/b.txt" || { echo "decompile failed"; exit 1; }
"$LINKS" compile "$WORK/b.txt" "$WORK/b.link" || { echo "recompile failed"; exit 1; }
cmp "$WORK/a.link" "$WORK/b.link" || { echo "round trip changed the file"; exit 1; }
printf '# one good line, one bad\nTestMap 62 30 -> Waldweg 1 11\nTestMap 62 -> Waldweg 1 11\n' > "$WORK/bad.txt"
"$LINKS" compile "$WORK/bad.txt" "$WORK/bad.link" 2> "$WORK/err.txt"
status=$?
[ "$status" -eq 1 ] || { echo "bad source: status $status"; exit 1; }
grep -q "^vessara-links: $WORK/bad.txt:3: " "$WORK/err.txt" || { echo "bad source:"; cat "$WORK/err.txt"; exit 1; }
[ ! -e "$WORK/bad.link" ] || { echo "a file was written for a bad source"; exit 1; }
# A start cell without an exit marker is refused when the maps are given.
printf 'TestMap 61 30 -> Waldweg 1 11\n' > "$WORK/nomarker.txt"
"$LINKS" compile "$WORK/nomarker.txt" "$WORK/nomarker.link" --maps "$GAME/Data/Maps" 2> "$WORK/err.txt" &&
  { echo "a start cell without a marker was taken"; exit 1; }
grep -q "nomarker.txt:1: the start cell (61, 30) of TestMap carries no exit marker" "$WORK/err.txt" ||
  { echo "no marker:"; cat "$WORK/err.txt"; exit 1; }
echo "links fine"
