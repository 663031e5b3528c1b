#!/bin/sh
# Removes every file that start-up reads, one at a time, from a copy of the
# game folder and checks that the game stops with status 1 and one line on
# stderr that names the missing file.
REPLAY="$1"; GAME="$2"; WORK="$3"
set -u
rm -rf "$WORK" && mkdir -p "$WORK" && cp -r "$GAME" "$WORK/game" || exit 1
cp "$REPLAY" "$WORK/replay"
cd "$WORK/game" || exit 1
"$WORK/replay" --game-dir . --list-files > "$WORK/files.txt" || { echo "listing failed"; exit 1; }
count=$(wc -l < "$WORK/files.txt")
[ "$count" -gt 40 ] || { echo "only $count files listed"; exit 1; }
failed=0
# A weapon's second and later hit pictures are counted, not required: without
# them the weapon simply has fewer. The containers and the quests are numbered
# families that end at the first missing number.
sort -u "$WORK/files.txt" | grep -v '_anim[2-9]\.png$' | grep -v 'Behälter[0-9]*\.txt$' | grep -v 'Quest[0-9]*\.vsq$' | while IFS= read -r f; do
  mv "$f" "$WORK/held" || { echo "cannot move $f"; exit 1; }
  "$WORK/replay" --game-dir . --frames 1 > /dev/null 2> "$WORK/err.txt"
  status=$?
  mv "$WORK/held" "$f"
  lines=$(wc -l < "$WORK/err.txt")
  if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || ! grep -qF "$f" "$WORK/err.txt"; then
    echo "removing $f: status $status, stderr:"; cat "$WORK/err.txt"
    exit 1
  fi
done || failed=1
[ "$failed" -eq 0 ] && echo "$count start-up files checked"
exit $failed
