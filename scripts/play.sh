#!/bin/sh
# Builds everything that is missing and starts the game in a window.
set -e
cd "$(dirname "$0")/.."
sh scripts/setup.sh build
cd build/game && exec ./vessara
