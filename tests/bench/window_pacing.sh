#!/bin/sh
# Measures the window's frame pacing under a virtual display: runs the game
# for SECONDS (default 20) with --frame-log and prints the frame interval
# percentiles and how far the 99th percentile overshoots 1000/60 ms, both
# where the game hands the frame over and where the display has taken it.
#   sh tests/bench/window_pacing.sh build/game [SECONDS]
GAME=$(cd "$1" && pwd) || exit 2
SECONDS_RUN=${2:-20}
LOG=$(mktemp)
env -u SDL_VIDEODRIVER -u SDL_AUDIODRIVER SDL_AUDIODRIVER=dummy xvfb-run -a sh -c "
  \"$GAME/vessara\" --frame-log \"$LOG\" & pid=\$!
  sleep $SECONDS_RUN
  kill -TERM \$pid
  wait \$pid" > /dev/null 2>&1
# The first second is start-up settling; it is left out. Each log line is
# interval (from the end of one present to the end of the next), work and
# present time (ms); the interval between the starts of two presents, when
# the game hands the frame over, is the one before minus this present plus
# the last one.
tail -n +61 "$LOG" > "$LOG.steady"
pct() { sort -n | awk -v name="$1" '{ v[NR] = $1 } END {
  n = NR
  if (n == 0) { print "no frames logged"; exit 1 }
  printf "%s: p50 %.3f ms, p99 %.3f ms, p99.9 %.3f ms, p99 overshoot %.3f ms\n", name,
    v[int(n * 0.5 + 0.5)], v[int(n * 0.99 + 0.5)], v[int(n * 0.999 + 0.5)], v[int(n * 0.99 + 0.5)] - 1000 / 60
}'; }
echo "frames: $(wc -l < "$LOG.steady")"
awk '{ print $1 }' "$LOG.steady" | pct "interval at the end of present"
awk 'NR > 1 { print $1 - $3 + p } { p = $3 }' "$LOG.steady" | pct "interval at hand-over (start of present)"
awk '{ print $3 }' "$LOG.steady" | sort -n | awk '{ v[NR] = $1 } END { if (NR) printf "present p50 %.3f ms, p99 %.3f ms\n", v[int(NR * 0.5 + 0.5)], v[int(NR * 0.99 + 0.5)] }'
awk '{ print $2 }' "$LOG.steady" | sort -n | awk '{ v[NR] = $1 } END { if (NR) printf "work p50 %.3f ms\n", v[int(NR * 0.5 + 0.5)] }'
rm -f "$LOG" "$LOG.steady"
