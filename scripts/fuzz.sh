#!/usr/bin/env bash
# Fuzzes with libFuzzer for the given number of seconds per target (default 20): the EXIF
# reader, and a photo's way from its bytes to its three pictures as a build makes them. The
# EXIF reader starts from camera-like blocks exiftool writes, the pictures from the demo
# photos and from photos ImageMagick makes. Fails on a crash, a leak, a broken promise of the reader,
# an input that takes longer than 5 seconds or one that needs more than 1 GB.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
build=build-fuzz

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVISTAREL_CORE_ONLY=ON -DVISTAREL_FUZZ=ON -DVISTAREL_TESTS=ON >/dev/null
cmake --build "$build" --target fuzz_exif fuzz_pictures make-demo-photos

# Tiny photos with what cameras write, in either byte order, one after a JFIF segment, a
# colour profile and an XMP packet.
make_exif_seeds() {
    local tags=(-Make=Canon -Model=EOS -Orientation#=6 -ExposureTime=0.008 -FNumber=5.6 -ISO=400
        -ShutterSpeedValue=0.01 -Flash#=25 -CreateDate="2021:05:06 07:08:10" -UserComment=B)
    convert -size 8x8 xc:red -quality 50 "$1/intel.jpg"
    exiftool -q -overwrite_original -ExifByteOrder=II "${tags[@]}" "$1/intel.jpg"
    convert -size 8x8 xc:red -quality 50 \
        -profile /usr/share/color/icc/colord/AdobeRGB1998.icc "$1/motorola.jpg"
    exiftool -q -overwrite_original -ExifByteOrder=MM -XMP:Title=T "${tags[@]}" \
        -UserComment="Žluťoučký kůň" "$1/motorola.jpg"
}

# The demo photos, small (EXIF dates and captions in both encodings); photos of the colour
# spaces the decoder converts, baseline and progressive, with and without a profile, turned;
# and the long, thin shapes the scaling rules have to bound.
make_pictures_seeds() {
    "$build/make-demo-photos" "$1" 0.05
    convert rose: -quality 50 "$1/rgb.jpg"
    convert rose: -quality 50 -interlace Plane "$1/progressive.jpg"
    convert rose: -quality 50 -colorspace Gray "$1/grey.jpg"
    convert rose: -quality 50 -colorspace CMYK "$1/cmyk.jpg"
    convert rose: -quality 50 -profile /usr/share/color/icc/colord/AdobeRGB1998.icc "$1/adobe.jpg"
    convert rose: -quality 50 -rotate 90 "$1/turned.jpg"
    exiftool -q -overwrite_original -n -Orientation=6 "$1/turned.jpg"
    convert rose: -resize '1000x1!' -quality 50 "$1/wide.jpg"
    convert rose: -resize '1x1000!' -colorspace Gray -interlace Plane "$1/tall.jpg"
}

for target in exif pictures; do
    echo "== fuzz_$target"
    seeds="$build/$target-seeds"
    corpus="$build/$target-corpus"
    rm -rf "$seeds"
    mkdir -p "$seeds" "$corpus"
    "make_${target}_seeds" "$seeds"
    (cd "$build" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        "./fuzz_$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=1024 \
        -print_final_stats=1 "$target-corpus" "$target-seeds")
done
