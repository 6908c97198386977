#!/bin/sh
# Renders the program's pictures from resources/icons/src/*.svg into the PNG files the build
# compiles in, and rewrites icons.qrc. Run after changing an SVG; needs rsvg-convert
# (librsvg2-bin). The build itself uses only the committed PNG files.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
src="$root/resources/icons/src"
out="$root/resources/icons"

render() { # name size
    rsvg-convert --width "$2" --height "$2" --keep-aspect-ratio \
        --output "$out/$1-$2.png" "$src/$1.svg"
}

for svg in "$src"/*.svg; do
    name=$(basename "$svg" .svg)
    case "$name" in
    about) ;;
    vistarel) for size in 16 32 48 64 128 256; do render "$name" "$size"; done ;;
    *) for size in 16 32 64; do render "$name" "$size"; done ;;
    esac
done
# Twice the about page's size, so it stays sharp when the window is drawn larger.
rsvg-convert --width 654 --height 630 --output "$root/resources/about.png" "$src/about.svg"

# Resource aliases: ":/icons/<name>-<size>.png" and ":/about.png".
{
    echo '<!DOCTYPE RCC>'
    echo '<RCC version="1.0">'
    echo '    <qresource prefix="/icons">'
    for png in "$out"/*.png; do
        file=$(basename "$png")
        echo "        <file alias=\"$file\">$file</file>"
    done
    echo '    </qresource>'
    echo '    <qresource prefix="/">'
    echo '        <file alias="about.png">../about.png</file>'
    echo '    </qresource>'
    echo '</RCC>'
} >"$out/icons.qrc"
