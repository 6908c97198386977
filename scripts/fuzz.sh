#!/usr/bin/env bash
# Fuzzes with libFuzzer for the given number of seconds per target (default 20): the EXIF
# reader, a photo's way from JPEG bytes to its three pictures, and the XMP and IPTC readers.
# The EXIF reader starts from seeds the test fixtures generate, the pictures from photos
# ImageMagick makes, the caption readers from files exiftool writes. Fails on a crash, a leak,
# an input that takes longer than 5 seconds or one that needs more than 2 GB.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
build=build-fuzz

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVISTAREL_CORE_ONLY=ON -DVISTAREL_FUZZ=ON -DVISTAREL_TESTS=ON >/dev/null
cmake --build "$build" --target fuzz_exif make_exif_seeds fuzz_pictures fuzz_xmp fuzz_iptc

# Small photos of the colour spaces the decoder converts, baseline and progressive, and the
# long, thin shapes the scaling rules have to bound.
make_picture_seeds() {
    convert rose: -quality 50 "$1/rgb.jpg"
    convert rose: -quality 50 -interlace Plane "$1/progressive.jpg"
    convert rose: -quality 50 -colorspace Gray "$1/grey.jpg"
    convert rose: -quality 50 -colorspace CMYK "$1/cmyk.jpg"
    convert rose: -resize '1000x1!' -quality 50 "$1/wide.jpg"
    convert rose: -resize '1x1000!' -colorspace Gray -interlace Plane "$1/tall.jpg"
}

# The caption readers: a sidecar, photos with XMP (one extended) and IPTC in both ways of
# writing its text, from exiftool.
make_caption_seeds() {
    head -c 70000 /dev/zero | tr '\0' L >"$1/long.txt"
    exiftool -q '-XMP-dc:Description-cs=Růže' '-XMP-dc:Description=<b>Rose</b>' "$1/sidecar.xmp"
    for set in latin utf8; do
        convert rose: -quality 50 "$1/$set.jpg"
        exiftool -q -q -overwrite_original -charset iptc="$set" -codedcharacterset="${set#latin}" \
            '-IPTC:Caption-Abstract=Růže €' '-XMP-dc:Description=Růže' "$1/$set.jpg"
    done
    exiftool -q -overwrite_original "-XMP-xmp:Label<=$1/long.txt" "$1/utf8.jpg"
    rm "$1/long.txt"
}

for target in exif pictures xmp iptc; do
    echo "== fuzz_$target"
    seeds="$build/$target-seeds"
    corpus="$build/$target-corpus"
    rm -rf "$seeds"
    mkdir -p "$seeds" "$corpus"
    case "$target" in
    exif) "$build/make_exif_seeds" "$seeds" ;;
    pictures) make_picture_seeds "$seeds" ;;
    *) make_caption_seeds "$seeds" ;;
    esac
    (cd "$build" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        "./fuzz_$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
        -print_final_stats=1 "$target-corpus" "$target-seeds")
done
