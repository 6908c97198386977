#!/usr/bin/env bash
# Installs a Vistarel package with apt and uses it as a user would: an album built from the
# terminal, the shipped styles, the manual page, the window. For a throwaway machine or a
# fresh root: it installs as root.
#   check-package.sh DEB [PHOTOS_DIR]    (default: demo photos made in build/)
set -euo pipefail
deb=$(realpath "$1")
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
photos=${2:-$work/photos}
if [ -z "${2:-}" ]; then
    mkdir -p "$photos"
    cmake --build build --target make-demo-photos >/dev/null
    build/make-demo-photos "$photos"
fi

apt-get update -qq
# man-db too: a fresh Debian 12 has no man command.
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" man-db
dpkg-query -W -f='Installed ${Package} ${Version}\nDepends: ${Depends}\n' vistarel

mkdir "$work/album"
vistarel-cli build "$photos" "$work/album" --name "Ukázkové album" --yes
shopt -s nocaseglob
photo_files=("$photos"/*.jpg)
thumbnails=("$work/album"/sm_*)
[ ${#thumbnails[@]} -eq ${#photo_files[@]} ]
ls "$work/album/index.html" "$work/album/color.css" >/dev/null
echo "Album written: ${#thumbnails[@]} photos"

styles=$(vistarel-cli styles)
echo "Styles: ${styles//$'\n'/ }"
grep -qx klasicky.css <<<"$styles"

man -w vistarel-cli
man vistarel-cli 2>/dev/null | grep -q "web photo album"

vistarel --version
QT_QPA_PLATFORM=offscreen vistarel &
window=$!
sleep 4
kill -0 "$window" # still up
kill "$window"
wait "$window" || true
echo "Package check passed."
