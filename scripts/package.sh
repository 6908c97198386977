#!/usr/bin/env bash
# Builds the program and packs it as build/vistarel_<version>_<arch>.deb, with its
# dependencies computed from the binaries. Install it with
#   apt-get install ./build/vistarel_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh package
rm -f build/vistarel_*.deb
(cd build && cpack >/dev/null)
deb=$(ls build/vistarel_*.deb)
echo "Package written: $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends Installed-Size
