#!/usr/bin/env bash
# Makes a demo album from synthetic photos with the command-line front end and says where
# to open it.
set -euo pipefail
cd "$(dirname "$0")/.."
demo=${1:-demo-album}
mkdir -p "$demo/photos" "$demo/album"
cmake --build build --target make-demo-photos >/dev/null
build/make-demo-photos "$demo/photos"
build/vistarel-cli build "$demo/photos" "$demo/album" --name "Ukázkové album" --yes
echo
echo "Demo album written: open $(cd "$demo/album" && pwd)/index.html in a web browser."
