#!/bin/sh
# Measures the window's frame pacing under a virtual display: runs the game
# for SECONDS (default 20) with --frame-log and prints the frame interval
# percentiles and how far the 99th percentile overshoots 1000/60 ms.
#   sh tests/bench/window_pacing.sh build/game [SECONDS]
GAME=$(cd "$1" && pwd) || exit 2
SECONDS_RUN=${2:-20}
LOG=$(mktemp)
env -u SDL_VIDEODRIVER -u SDL_AUDIODRIVER SDL_AUDIODRIVER=dummy xvfb-run -a sh -c "
  \"$GAME/vessara\" --frame-log \"$LOG\" & pid=\$!
  sleep $SECONDS_RUN
  kill -TERM \$pid
  wait \$pid" > /dev/null 2>&1
# The first second is start-up settling; it is left out.
sort -n -k1,1 <<END | awk -v skip=60 '{ v[NR] = $1 } END {
  n = NR
  if (n == 0) { print "no frames logged"; exit 1 }
  p50 = v[int(n * 0.5 + 0.5)]; p99 = v[int(n * 0.99 + 0.5)]; p999 = v[int(n * 0.999 + 0.5)]
  printf "frames: %d\ninterval p50 %.3f ms, p99 %.3f ms, p99.9 %.3f ms\np99 overshoot: %.3f ms\n", n, p50, p99, p999, p99 - 1000 / 60
}'
$(tail -n +61 "$LOG")
END
sort -n -k2,2 "$LOG" | awk '{ v[NR] = $2 } END { if (NR) printf "work p50 %.3f ms\n", v[int(NR * 0.5 + 0.5)] }'
rm -f "$LOG"
