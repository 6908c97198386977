#!/usr/bin/env bash
# Whole-album benchmark: vistarel-cli build over a folder of photos against the sum of
# djpeg's full decodes of the same files, in one run, on one core.
#   usage: bench/album-bench.sh PHOTO_DIR [CLI]
# Make the corpus with the shared bench-corpus script (--q95) first.
set -euo pipefail
photos=${1:?usage: album-bench.sh PHOTO_DIR [CLI]}
cli=${2:-build/vistarel-cli}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
count=$(find "$photos" -maxdepth 1 -iname '*.jpg' | wc -l)

cpu_seconds() { # user + system CPU seconds of a command, from GNU time
    /usr/bin/time -f '%U %S %M' "$@" 2>&1 >/dev/null | tail -n1
}

read -r du ds _ < <(cpu_seconds taskset -c 1 bash -c \
    'for f in "$1"/*.jpg "$1"/*.JPG; do [ -e "$f" ] && djpeg -outfile /dev/null "$f"; done' _ "$photos")
read -r vu vs rss < <(cpu_seconds taskset -c 1 "$cli" build "$photos" "$out" --yes)

awk -v n="$count" -v du="$du" -v ds="$ds" -v vu="$vu" -v vs="$vs" -v rss="$rss" 'BEGIN {
    d = du + ds; v = vu + vs
    printf "photos: %d\n", n
    printf "djpeg decodes: %.2f s CPU\n", d
    printf "vistarel-cli build: %.2f s CPU, %.2f photos/s, peak RSS %.1f MiB\n", v, n / v, rss / 1024
    printf "ratio: %.2f x djpeg\n", v / d
}'
