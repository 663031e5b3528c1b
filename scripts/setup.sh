#!/bin/sh
# Installs the Debian packages the game needs (only those missing), then
# configures and builds the game and its folder. Usage: setup.sh [BUILD_DIR] [cmake options...]
set -e
cd "$(dirname "$0")/.."
PACKAGES="g++ cmake ninja-build pkg-config libsdl2-dev libsdl2-mixer-dev libpng-dev zlib1g-dev
libfreetype-dev libgtest-dev libtinyxml2-dev fontforge-nox fonts-texgyre fonts-dejavu-core"
MISSING=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || MISSING="$MISSING $p"
done
if [ -n "$MISSING" ]; then
  echo "Installing:$MISSING"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $MISSING
fi
BUILD="${1:-build}"
[ $# -gt 0 ] && shift
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" > /dev/null
cmake --build "$BUILD"
