#!/usr/bin/env bash
# Whole-album benchmark: vistarel-cli build over a folder of photos against libjpeg-turbo's
# own full-size decodes of the same files (djpeg, one process per photo, on one core).
#   usage: bench/album-bench.sh [--rounds N] [--small] [--profiles] PHOTO_DIR [BUILD_DIR]
# Make the corpus with the shared bench-corpus script (--q95) first. Each round runs, one
# after the other, djpeg on one core, the build on one core (one worker) and the build on
# all cores; the best time of each counts, so other load on the machine disturbs the figures
# less. Then album_quality compares the last album's photos with the exact area average of
# the full-size photos. --small also builds 2,000 photos of 320x240 and reports the peak
# memory of that build. --profiles also builds, in every round, a copy of the photos that
# all embed an Adobe RGB profile (the same pixels), to show what converting colours costs.
# When they are installed, the peers make the same three pictures in the same rounds on one
# core: Pillow with shrink-on-load (bench/pillow-album.py) and vipsthumbnail, once per
# picture, on one thread. The ratios count; the machine's other load moves the seconds.
set -euo pipefail
rounds=3 small= profiles=
while [[ ${1:-} == --* ]]; do
    case $1 in
    --rounds) rounds=$2; shift 2 ;;
    --small) small=1; shift ;;
    --profiles) profiles=1; shift ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
    esac
done
photos=${1:?usage: album-bench.sh [--rounds N] [--small] [--profiles] PHOTO_DIR [BUILD_DIR]}
build=${2:-build}
cli=$build/vistarel-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
shopt -s nullglob nocaseglob
files=("$photos"/*.jpg)
(( ${#files[@]} > 0 )) || { echo "no photos in $photos" >&2; exit 1; }

measure() { # wall seconds, CPU seconds and peak RSS (KiB) of a command, from GNU time
    /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$@" >/dev/null 2>&1
    awk '{ printf "%s %.2f %s\n", $1, $2 + $3, $4 }' "$work/time"
}
decode_all() { for f in "$@"; do djpeg -outfile /dev/null "$f"; done; }
export -f decode_all

if [[ -n $profiles ]]; then
    mkdir "$work/icc"
    cp "${files[@]}" "$work/icc/"
    exiftool -q -overwrite_original \
        "-icc_profile<=/usr/share/color/icc/colord/AdobeRGB1998.icc" "$work/icc"
fi

pillow=
for python in python3 /usr/bin/python3; do
    if "$python" -c 'import PIL' 2>/dev/null; then pillow=$python; break; fi
done
vips=$(command -v vipsthumbnail || true)
bench_dir=$(dirname "$0")
run_vips() { # photo dir, out dir: the three pictures, one vipsthumbnail run each
    vipsthumbnail "$1"/*.[jJ][pP][gG] -s 800 -o "$2/%s.jpg[Q=80]" &&
        vipsthumbnail "$1"/*.[jJ][pP][gG] -s 100 -o "$2/sm_%s.jpg[Q=60]" &&
        vipsthumbnail "$1"/*.[jJ][pP][gG] -s 315x186 -o "$2/preview_%s.jpg[Q=80]"
}
export -f run_vips

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
declare -A wall cpu rss
keep() { # name wall cpu rss: the best time, the largest memory
    if [[ -z ${wall[$1]:-} ]] || awk -v a="$2" -v b="${wall[$1]}" 'BEGIN { exit !(a < b) }'; then
        wall[$1]=$2 cpu[$1]=$3
    fi
    (( ${rss[$1]:-0} > $4 )) || rss[$1]=$4
}
for ((round = 0; round < rounds; ++round)); do
    keep djpeg $(measure taskset -c 1 bash -c 'decode_all "$@"' _ "${files[@]}")
    rm -rf "$work/one" "$work/all" && mkdir "$work/one" "$work/all"
    keep one $(measure taskset -c 1 "$cli" build "$photos" "$work/one" --yes)
    keep all $(measure "$cli" build "$photos" "$work/all" --yes)
    rm -rf "$work/peer" && mkdir "$work/peer"
    [[ -z $pillow ]] ||
        keep pillow $(measure taskset -c 1 "$pillow" "$bench_dir/pillow-album.py" "$photos" "$work/peer")
    [[ -z $vips ]] ||
        keep vips $(measure taskset -c 1 env VIPS_CONCURRENCY=1 bash -c 'run_vips "$@"' _ "$photos" "$work/peer")
    if [[ -n $profiles ]]; then
        rm -rf "$work/icc-out" && mkdir "$work/icc-out"
        keep icc $(measure taskset -c 1 "$cli" build "$work/icc" "$work/icc-out" --yes)
    fi
done

echo "load average before the runs: $load_before, after: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-34s %8s %8s %8s %8s %10s %9s\n' "" "time s" "x djpeg" "CPU s" "x djpeg" "peak MiB" \
    "photos/s"
row() {
    awk -v name="$1" -v w="${wall[$2]}" -v d="${wall[djpeg]}" -v c="${cpu[$2]}" \
        -v dc="${cpu[djpeg]}" -v r="${rss[$2]}" -v n="${#files[@]}" 'BEGIN {
        printf "%-34s %8.2f %8.2f %8.2f %8.2f %10.1f %9.1f\n", name, w, w / d, c, c / dc,
            r / 1024, n / w }'
}
row "djpeg full decode, 1 core" djpeg
row "build, 1 core" one
row "build, all cores ($(nproc))" all
[[ -z $profiles ]] || row "build, 1 core, Adobe RGB" icc
[[ -z $pillow ]] || row "Pillow, shrink-on-load, 1 core" pillow
[[ -z $vips ]] || row "vipsthumbnail x3, 1 thread" vips
"$build/album_quality" "$photos" "$work/all"

if [[ -n $small ]]; then
    mkdir "$work/small" "$work/small-out"
    djpeg -scale 1/4 "${files[0]}" | cjpeg -quality 90 >"$work/big.jpg"
    jpegtran -crop 320x240+0+0 -outfile "$work/small/p0000.jpg" "$work/big.jpg"
    for ((i = 1; i < 2000; ++i)); do
        cp "$work/small/p0000.jpg" "$work/small/p$(printf %04d $i).jpg"
    done
    read -r w _ r < <(measure "$cli" build "$work/small" "$work/small-out" --yes)
    awk -v w="$w" -v r="$r" 'BEGIN {
        printf "2000 photos of 320x240, all cores: %.2f s, peak RSS %.1f MiB\n", w, r / 1024 }'
fi
