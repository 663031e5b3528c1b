#!/bin/sh
# Installs those of the named Debian packages that are missing (with sudo
# when not run as root). Usage: install_missing.sh PACKAGE...
set -e
MISSING=""
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || MISSING="$MISSING $p"
done
[ -n "$MISSING" ] || exit 0
echo "Installing:$MISSING"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $MISSING
