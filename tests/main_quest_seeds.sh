#!/bin/sh
# The main quest's playthrough must not hinge on lucky rolls: it passes with
# seeds 1 to 20. The picture comparison holds for the default seed only
# (the wanderers stand elsewhere), so it is left out here.
REPLAY="$1"; SCRIPT="$2"; WORK="$3"
rm -rf "$WORK" && mkdir -p "$WORK" && cd "$WORK" || exit 1
grep -v ' compare ' "$SCRIPT" > main_quest.replay || exit 1
failed=0
for seed in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20; do
    if ! "$REPLAY" --fast --seed "$seed" --script main_quest.replay > out.txt 2>&1; then
        echo "seed $seed: $(cat out.txt)"
        failed=1
    fi
done
exit $failed
