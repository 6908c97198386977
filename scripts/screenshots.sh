#!/bin/sh
# Pictures of the window as a user sees it, for looking at the layout: the real program
# under Xvfb at 96 dpi with a 10 pt desktop font (GTK's font setting, read through Qt's gtk3
# theme), once as it is and once at QT_SCALE_FACTOR=2. Every page empty, then in use (demo
# photos loaded and built, a style read), Qt's folder picker and colour dialog and an edit's
# menu, all reached from the keyboard with xdotool. Needs a build, xvfb, xdotool and
# ImageMagick. Usage: scripts/screenshots.sh [OUTPUT_DIR]   (default build/screenshots);
# SCALES="1" takes only the first round.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

if [ "${1:-}" = --session ]; then
    out=$2 work=$3 suffix=$4 walk=$5
    "$root/build/vistarel" &
    program=$!
    window=$(xdotool search --sync --onlyvisible --name '^Vistarel [0-9]' | head -1)
    sleep 1
    xdotool windowfocus --sync "$window"
    keys() { xdotool key --delay 150 "$@"; sleep 0.8; }
    shot() { import -window "$window" "$out/$1-$suffix.png"; }
    screen() { import -window root -trim +repage "$out/$1-$suffix.png"; }
    choose() { xdotool type --delay 10 "$1"; keys Return; }

    # Each walk starts the program afresh, so the keys walk a known path through the
    # controls; with no window manager nothing has the focus until the first Tab.
    if [ "$walk" = pages ]; then
        for page in 0 1 2 3 4; do
            shot "page$page"
            keys ctrl+Tab
        done
        keys Tab Tab Tab Return # the photo folder's button
        screen folder-picker
        choose "$work/photos/"
        keys Tab Tab Return # the album folder's button
        choose "$work/album/"
        keys Tab Tab Tab Return # load the photos
        screen message
        keys Return Tab Tab Tab Tab Return # build the album
        shot page0-in-use
        keys ctrl+Tab
        shot page1-in-use
    else
        keys Tab Menu # the album name's menu
        screen edit-menu
        keys Escape Tab Tab Tab Tab Tab Tab Tab Tab Tab Return # read the chosen style
        shot page2-in-use
        keys Down Right Return # the background colour's picker cell
        screen colour-dialog
    fi
    kill "$program"
    exit 0
fi

out=$(mkdir -p "${1:-$root/build/screenshots}" && cd "${1:-$root/build/screenshots}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config/gtk-3.0" "$work/photos" "$work/album"
printf '[Settings]\ngtk-font-name=DejaVu Sans 10\n' >"$work/config/gtk-3.0/settings.ini"
"$root/build/make-demo-photos" "$work/photos" >/dev/null
for scale in ${SCALES:-1 2}; do
    rm -rf "${work:?}/album"/*
    for walk in pages style; do
        XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORMTHEME=gtk3 QT_SCALE_FACTOR=$scale \
            xvfb-run -a -s '-screen 0 1920x1600x24 -dpi 96' \
            "$0" --session "$out" "$work" "${scale}x" $walk 2>/dev/null
    done
done
echo "Screenshots written to $out"
