#!/bin/sh
# The data checker: the shipped game folder passes; a copy broken in several
# places at once is refused with every problem named, each with its file.
CHECK="$1"; GAME="$2"; WORK="$3"
set -u
fail() { echo "FAIL: $*"; cat "$WORK/out.txt" 2>/dev/null; exit 1; }

"$CHECK" "$GAME" > "$WORK.shipped.txt" 2>&1 || { cat "$WORK.shipped.txt"; fail "the shipped folder is refused"; }

rm -rf "$WORK" && mkdir -p "$WORK" && cp -r "$GAME" "$WORK/game" || exit 1
G="$WORK/game"
# 1. A speech file an NPC needs is missing.
rm "$G/NPC-Sprech/NPC2.1.txt"
# 2. A chest lists an item the catalogue does not have (line 6).
sed -i '6s/.*/999/' "$G/Data/Behälter/Behälter1.txt"
# 3. A description saved as UTF-8.
printf 'Gr\303\274\303\237e aus dem Dorf\n' >> "$G/Beschreibungen/3.txt"
# 4. An enemy on a map that does not exist (record 2 of the enemy list).
sed -i '23s/.*/Nirgendwo/' "$G/Data/Gegner/Gegner.txt"
# 5. A speech too long for its four pages.
for i in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25; do
  echo "Dies ist eine recht lange Zeile, die der Waechter sagt, damit die Rede nicht mehr passt."
done > "$G/NPC-Sprech/NPC1.2Ja.txt"

# 6. A connection to a map that does not exist.
mv "$G/Data/Maps/Waldweg.Map" "$G/Data/Maps/Forstweg.Map"

"$CHECK" "$G" > "$WORK/out.txt" 2> "$WORK/err.txt"
status=$?
[ "$status" -eq 1 ] || fail "status $status for a broken folder"
expect() { grep -qF "$1" "$WORK/out.txt" || fail "no problem naming: $1"; }
expect "NPC-Sprech/NPC2.1.txt"
expect "Data/Behälter/Behälter1.txt:6: item 999 is not in the catalogue"
expect "Beschreibungen/3.txt:"
expect "UTF-8"
expect "Data/Gegner/Gegner.txt, record 2"
expect "NPC-Sprech/NPC1.2Ja.txt: speech wraps into"
expect "Data/Verbindungen.link, record 1: names the map \"Waldweg\""
expect "Data/Verbindungen.link, record 2: names the map \"Waldweg\""
grep -q "problems found" "$WORK/err.txt" || fail "no count of problems on stderr"
echo "checker: $(wc -l < "$WORK/out.txt") problems found in the broken folder"
