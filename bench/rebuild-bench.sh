#!/usr/bin/env bash
# Rebuild benchmark: what vistarel-cli build costs on an album that is already there, beside
# the full build of the same photos, all in one run.
#   usage: bench/rebuild-bench.sh [--rounds N] PHOTO_DIR [BUILD_DIR]
# The photos are taken four times over (100 photos from the 25 of the q95 corpus, under other
# names), so that one added photo is 1 %. Each round times, one after the other: a full build
# into an empty folder, an unchanged rebuild, a rebuild after one photo's pixels changed (its
# size and time kept), and one after a photo was added; the best time of each counts.
set -euo pipefail
rounds=3
if [[ ${1:-} == --rounds ]]; then rounds=$2; shift 2; fi
photos=${1:?usage: rebuild-bench.sh [--rounds N] PHOTO_DIR [BUILD_DIR]}
cli=${2:-build}/vistarel-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
shopt -s nullglob nocaseglob
files=("$photos"/*.jpg)
(( ${#files[@]} > 0 )) || { echo "no photos in $photos" >&2; exit 1; }

mkdir "$work/in"
for copy in a b c d; do
    for f in "${files[@]}"; do cp "$f" "$work/in/$copy-$(basename "$f")"; done
done
count=$(ls "$work/in" | wc -l)
first=$(ls "$work/in" | head -1)
# Older than the record's settling time, as photos are.
touch -d '1 hour ago' "$work/in"/*

seconds() { # wall seconds of a build into $work/out
    /usr/bin/time -f '%e' -o "$work/time" "$cli" build "$work/in" "$work/out" --yes >/dev/null 2>&1
    cat "$work/time"
}
# A photo's pixels changed with its size and modification time kept.
change_pixels() {
    python3 - "$1" <<'PY'
import os, sys
path = sys.argv[1]
st = os.stat(path)
data = bytearray(open(path, 'rb').read())
at = data.find(b'\xff\xdb') + 9   # a value of its quantization table
data[at] ^= 0x08
open(path, 'r+b').write(data)
os.utime(path, ns=(st.st_atime_ns, st.st_mtime_ns))
PY
}

declare -A best
keep() { awk -v a="$2" -v b="${best[$1]:-}" 'BEGIN { exit !(b == "" || a < b) }' && best[$1]=$2 || true; }
for ((round = 0; round < rounds; ++round)); do
    rm -rf "$work/out" "$work/in/zz-added.jpg"
    keep full "$(seconds)"
    sleep 3 # the files settle, as they have between a user's builds
    keep unchanged "$(seconds)"
    change_pixels "$work/in/$first"
    keep changed "$(seconds)"
    cp "${files[0]}" "$work/in/zz-added.jpg"
    touch -d '1 hour ago' "$work/in/zz-added.jpg"
    keep added "$(seconds)"
done

echo "CPU: $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores; $count photos"
printf '%-34s %8s %10s\n' "" "time s" "x full"
for name in full unchanged changed added; do
    case $name in
    full) label="full build" ;;
    unchanged) label="rebuild, nothing changed" ;;
    changed) label="rebuild, one photo's pixels" ;;
    added) label="rebuild, one photo added (1 %)" ;;
    esac
    awk -v l="$label" -v t="${best[$name]}" -v f="${best[full]}" \
        'BEGIN { printf "%-34s %8.3f %10.3f\n", l, t, t / f }'
done
