#!/bin/sh
# Builds what the game needs (only what is missing) and starts it in a
# window. The game folder is build/game; the game finds it from its own
# location, so it can be started from anywhere.
set -e
cd "$(dirname "$0")/.."
sh scripts/setup.sh build game
exec build/game/vessara
