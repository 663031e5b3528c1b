#!/bin/sh
# Damages one start-up file at a time in a copy of the game folder and
# checks what the game does: a broken file stops it with status 1 and
# exactly one line on stderr naming the file (and record) and the fault;
# harmless slips (a blank line at the end of a catalogue) start fine.
REPLAY="$1"; GAME="$2"; WORK="$3"
set -u
rm -rf "$WORK" && mkdir -p "$WORK" && cp -r "$GAME" "$WORK/game" || exit 1
cp "$REPLAY" "$WORK/replay"
cd "$WORK/game" || exit 1
failed=0

# run CASE: starts the game once (bounded in time: a hang is a failure).
run() {
  timeout 60 "$WORK/replay" --game-dir . --frames 1 > /dev/null 2> "$WORK/err.txt"
  status=$?
  lines=$(wc -l < "$WORK/err.txt")
}
report() {
  echo "FAIL $1: status $status, stderr:"; cat "$WORK/err.txt"
  failed=1
}
# expect CASE LINE: status 1 and exactly LINE on stderr.
expect() {
  run
  if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || [ "$(cat "$WORK/err.txt")" != "$2" ]; then
    report "$1"; echo "expected: $2"
  fi
}
# expect_match CASE PATTERN: status 1 and one line on stderr matching the
# basic regular expression PATTERN (for reasons that depend on the font
# rasteriser's measure of the text).
expect_match() {
  run
  if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || ! grep -qx "$2" "$WORK/err.txt"; then
    report "$1"; echo "expected to match: $2"
  fi
}
expect_start() {
  run
  if [ "$status" -ne 0 ] || [ "$lines" -ne 0 ]; then report "$1"; fi
}
# damage FILE: keeps the original to be put back by restore.
damage() { cp "$1" "$WORK/held" && DAMAGED="$1"; }
restore() { cp "$WORK/held" "$DAMAGED"; }
# Line N of a file replaced by TEXT.
set_line() { sed -i "$2s/.*/$3/" "$1"; }

expect_start "the game as shipped"

# Fonts: a font cut in half still opens, but its glyphs are lost (FreeType
# reads them as empty or fails to load them, depending on where the cut is).
damage Chancery.ttf; head -c 76000 "$WORK/held" > Chancery.ttf
expect_match "truncated font" \
  'Vessara-Demo: Chancery.ttf: the glyph of character 0x[0-9A-F]* \(is empty\|cannot be drawn\).*'
head -c 10000 "$WORK/held" > Chancery.ttf
expect_match "font cut after its tables" \
  'Vessara-Demo: Chancery.ttf: the glyph of character 0x[0-9A-F]* \(is empty\|cannot be drawn\).*'
restore

# Pictures: a side chunk with a bad CRC after the header.
damage Grafik/Gold.png
{ head -c 33 "$WORK/held"; printf '\000\000\000\004tEXta\000bc\000\000\000\000'; tail -c +34 "$WORK/held"; } > Grafik/Gold.png
expect "PNG with a bad chunk CRC" "Vessara-Demo: Grafik/Gold.png: tEXt: CRC error"
# A header announcing 16384 x 16384 pixels (valid CRCs), then an empty IDAT.
printf '\211PNG\r\n\032\n\000\000\000\015IHDR\000\000\100\000\000\000\100\000\010\006\000\000\000\251\310\020\204\000\000\000\000IDAT\065\257\006\036' > Grafik/Gold.png
expect "PNG of 16384 x 16384" \
  "Vessara-Demo: Grafik/Gold.png: picture of 16384 x 16384 pixels; the game takes pictures of 1 to 4096 pixels a side"
restore
# A window's picture is decoded while the game runs; broken pixels there
# stop it all the same (here after its one frame).
damage Grafik/Tagebuch.png
{ head -c 120 "$WORK/held"; printf 'XXXXXXXX'; tail -c +129 "$WORK/held"; } > Grafik/Tagebuch.png
expect_match "journal picture with broken pixels" 'Vessara-Demo: Grafik/Tagebuch.png: .*'
restore

# Sounds: a WAV of 60 bytes (8 frames, 1 ms at 8 kHz mono 16 bit), and one
# without data.
damage Sound/Biss.wav
printf 'RIFF\064\000\000\000WAVEfmt \020\000\000\000\001\000\001\000\100\037\000\000\200\076\000\000\002\000\020\000data\020\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000' > Sound/Biss.wav
[ "$(wc -c < Sound/Biss.wav)" -eq 60 ] || { echo "the short WAV is not 60 bytes"; failed=1; }
expect "60-byte WAV" "Vessara-Demo: Sound/Biss.wav: the sound lasts 1.0 ms; a sound must last at least 10 ms"
printf 'RIFF\044\000\000\000WAVEfmt \020\000\000\000\001\000\001\000\100\037\000\000\200\076\000\000\002\000\020\000data\000\000\000\000' > Sound/Biss.wav
expect "WAV without data" "Vessara-Demo: Sound/Biss.wav: the WAV file holds no sound data"
# The real sound cut in half: its data chunk announces more than follows.
head -c 2000 "$WORK/held" > Sound/Biss.wav
expect_match "WAV cut short" \
  'Vessara-Demo: Sound/Biss.wav: the WAV file is cut short: its "data" chunk announces [0-9]* bytes, [0-9]* follow'
restore

# Enemies: off the map (column 64 of the 64 columns 0 to 63), of type 0,
# and no enemy at all.
damage Data/Gegner/Gegner.txt
set_line Data/Gegner/Gegner.txt 20 63
expect_start "enemy on the last column"
set_line Data/Gegner/Gegner.txt 20 64
expect "enemy outside its map" \
  "Vessara-Demo: Data/Gegner/Gegner.txt, record 2: enemy 2 stands at (64, 37), outside its map of 64 x 48 cells"
restore
set_line Data/Gegner/Gegner.txt 14 0
expect "enemy of type 0" \
  "Vessara-Demo: Data/Gegner/Gegner.txt, record 2: enemy type 0 does not exist; types count from 1 (blocks of Data/Gegner/GegnerTyp.txt)"
: > Data/Gegner/Gegner.txt
expect "empty enemy file" "Vessara-Demo: Data/Gegner/Gegner.txt: no records (the file is empty or blank)"
restore

# NPCs: a facing that is none of the four, blank lines at the end (fine),
# a record cut short.
damage Data/NPCs/NPC.txt
set_line Data/NPCs/NPC.txt 27 4
expect "NPC facing 4" \
  "Vessara-Demo: Data/NPCs/NPC.txt, record 2: NPC Händler Ortwin faces 4 (line 12); a facing is 0 (up), 3 (right), 6 (down) or 9 (left)"
restore
printf '\n' >> Data/NPCs/NPC.txt
expect_start "one blank line at the end of NPC.txt"
printf ' \r\n\n\t\n' >> Data/NPCs/NPC.txt
expect_start "blank lines at the end of NPC.txt"
restore
head -n 22 "$WORK/held" > Data/NPCs/NPC.txt
expect "NPC record cut short" "Vessara-Demo: Data/NPCs/NPC.txt, record 2: the record ends after line 7 of 15"
restore

# Speech: an over-long follow-up answer, and zero-width bytes before a
# long word (which once kept the wrapper running for ever).
damage NPC-Sprech/NPC1.2Ja.txt
i=0; while [ $i -lt 30 ]; do
  echo "Eine Zeile, die ziemlich lang ist und die Box zur Haelfte fuellt, mindestens."; i=$((i + 1))
done > NPC-Sprech/NPC1.2Ja.txt
expect_match "over-long Ja speech" \
  'Vessara-Demo: NPC-Sprech/NPC1.2Ja.txt: speech wraps into [0-9]* lines; a speech may fill at most 20 lines (four pages)'
restore
damage NPC-Sprech/NPC1.1.txt
{ head -c 66000 /dev/zero | tr '\000' '\001'; head -c 100 /dev/zero | tr '\000' W; } > NPC-Sprech/NPC1.1.txt
expect "zero-width bytes before a long word" \
  "Vessara-Demo: NPC-Sprech/NPC1.1.txt: text of 66102 characters; a text may hold at most 8000"
restore

# The bow's speed (line 8 of its record, the sixth).
damage Data/Items/Waffen.txt
set_line Data/Items/Waffen.txt 73 99999999
expect "absurd bow speed" \
  "Vessara-Demo: Data/Items/Waffen.txt, record 6: bow Jagdbogen has speed \"99999999\" (line 8); an arrow flies 1 tile a frame"
restore

# Maps: cut to 0, 2 and 4 bytes, and a header announcing 65535 x 65535.
damage Data/Maps/TestMap.Map
: > Data/Maps/TestMap.Map
expect "map of 0 bytes" \
  "Vessara-Demo: Data/Maps/TestMap.Map: map file of 0 bytes is too short for its header (4 bytes)"
head -c 2 "$WORK/held" > Data/Maps/TestMap.Map
expect "map of 2 bytes" \
  "Vessara-Demo: Data/Maps/TestMap.Map: map file of 2 bytes is too short for its header (4 bytes)"
head -c 4 "$WORK/held" > Data/Maps/TestMap.Map
expect "map of 4 bytes" \
  "Vessara-Demo: Data/Maps/TestMap.Map: map file of 4 bytes holds its header but no cells"
{ printf '\376\377\376\377'; tail -c +5 "$WORK/held"; } > Data/Maps/TestMap.Map
expect "map of 65535 x 65535" \
  "Vessara-Demo: Data/Maps/TestMap.Map: map of 65535 x 65535 cells is larger than the 1024 x 1024 the game takes"
# A whole map of 3 x 3 cells: good, but the player's start cell lies off it.
{ printf '\002\000\002\000'; head -c 108 /dev/zero; } > Data/Maps/TestMap.Map
expect "start cell off the map" \
  "Vessara-Demo: Data/Maps/TestMap.Map: the start map of 3 x 3 cells does not hold the player's start cell (29, 4)"
restore

# Map connections: a file cut inside its last record, and a destination
# map without a file (no number of the file holds a line feed byte).
damage Data/Verbindungen.link
head -c $(($(wc -c < "$WORK/held") - 1)) "$WORK/held" > Data/Verbindungen.link
expect "connection file cut short" \
  "Vessara-Demo: Data/Verbindungen.link, record 4: the file ends inside this record: the destination cell is cut short"
sed 's/Waldweg/Sumpfweg/g' "$WORK/held" > Data/Verbindungen.link
expect "connection to a missing map" \
  "Vessara-Demo: Data/Verbindungen.link, record 1: names the map \"Sumpfweg\", but Data/Maps/Sumpfweg.Map is missing"
restore
# Quests: a file cut inside its last task, a journal text too long for its
# page, a journal text and an event's speech that are missing.
damage Data/Quests/Quest1.vsq
head -c -1 "$WORK/held" > Data/Quests/Quest1.vsq
expect "quest cut short" \
  "Vessara-Demo: Data/Quests/Quest1.vsq: task 9 ends inside a number"
restore
damage Data/Tagebuch/2.vst
for i in 1 2 3 4 5 6 7 8 9 10; do cat "$WORK/held"; done > Data/Tagebuch/2.vst
expect_match "journal text too long" \
  'Vessara-Demo: Data/Tagebuch/2.vst: journal text wraps into [0-9]* lines; a page holds at most 24'
rm Data/Tagebuch/2.vst
expect "journal text missing" \
  "Vessara-Demo: Data/Tagebuch/2.vst: the journal text of quest 1 (\"Das Skelett in den Ruinen\") is missing"
restore
damage NPC-Sprech/NPC6.2.txt
rm NPC-Sprech/NPC6.2.txt
expect "event speech missing" \
  "Vessara-Demo: NPC-Sprech/NPC6.2.txt: the speech of NPC 6 in event 2, which Data/Quests/Quest1.vsq sets, is missing"
restore

expect_start "the game put back together"
[ "$failed" -eq 0 ] && echo "all damaged files refused as expected"
exit $failed
