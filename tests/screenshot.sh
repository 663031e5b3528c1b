#!/bin/sh
# F12 writes Screen1.png, Screen2.png, ... into the working directory (the
# game folder), taking the first number whose file does not exist, so that
# an earlier game's screenshots are never overwritten. Runs on a copy of
# the game folder.
REPLAY="$1"; GAME="$2"; WORK="$3"
rm -rf "$WORK" && mkdir -p "$WORK" && cp -r "$GAME" "$WORK/game" || exit 1
cd "$WORK" || exit 1
cat > shots.replay <<'SCRIPT'
2 tap F12
3 expect ScreenshotCounter 2
5 tap F12
6 expect ScreenshotCounter 4
SCRIPT
# Screen1 and Screen3 are left from an earlier game.
echo stale > game/Screen1.png
echo older > game/Screen3.png
"$REPLAY" --game-dir game --script shots.replay || exit 1
[ "$(cat game/Screen1.png)" = stale ] || { echo "Screen1.png was overwritten"; exit 1; }
[ "$(cat game/Screen3.png)" = older ] || { echo "Screen3.png was overwritten"; exit 1; }
for f in Screen2.png Screen4.png; do
  [ -f "game/$f" ] || { echo "$f not written"; exit 1; }
  head -c 8 "game/$f" | od -An -tx1 | grep -q "89 50 4e 47 0d 0a 1a 0a" || { echo "$f is not a PNG"; exit 1; }
  # The IHDR chunk holds the size: 1024 x 768.
  size=$(od -An -tx1 -j16 -N8 "game/$f" | tr -d ' \n')
  [ "$size" = "0000040000000300" ] || { echo "$f has size bytes $size"; exit 1; }
done
[ ! -f game/Screen5.png ] || { echo "too many screenshots"; exit 1; }
echo "screenshots fine"
