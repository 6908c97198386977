#!/usr/bin/env bash
# Fuzzes with libFuzzer for the given number of seconds per target (default 20): the EXIF
# reader, a photo's way from its bytes to its three pictures as a build makes them, the XMP
# and IPTC readers, the album page's photo lines read back and the album record's reader.
# The EXIF reader starts from camera-like blocks exiftool writes, the pictures from the demo
# photos and from photos ImageMagick makes, the caption readers from files exiftool writes.
# Fails on a crash, a leak, a broken promise of a reader, an input that takes longer than 5
# seconds or one that needs more than 1 GB.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
build=build-fuzz

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVISTAREL_CORE_ONLY=ON -DVISTAREL_FUZZ=ON -DVISTAREL_TESTS=ON >/dev/null
cmake --build "$build" --target fuzz_exif fuzz_pictures make-demo-photos fuzz_xmp fuzz_iptc \
    fuzz_page fuzz_record

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

# A photo line of each kind of caption, and a record of both kinds of entry.
make_page_seeds() {
    printf %s "      loadPic('a%20b.jpg' , 100 , 75 , 800 , 600 , '<b>x<\\/b> \\\\ &#39;<br>&#10003;');" >"$1/typed"
    printf %s "      loadPic('\\x3C!--.jpg' , 0 , 0 , -1 , 2 , '&lt;i&gt; \\x3Cscript');" >"$1/photo"
}
make_record_seeds() {
    printf 'vistarel-album 1\nphoto a.jpg\ncaption photo A%%0D%%0A\nphoto b.jpg\ncaption user\n%s\n%s\n%s\nend\n' \
        "input 1 2 3 4 $(printf '%032d' 0) settled" \
        "album-photo 800 600 1 2 3 4 $(printf '%032d' 1) unsettled photo 800 q80" \
        "thumbnail 100 75 1 2 3 4 $(printf '%032d' 2) settled thumbnail 100 q60" >"$1/record"
}

for target in exif pictures xmp iptc page record; do
    echo "== fuzz_$target"
    seeds="$build/$target-seeds"
    corpus="$build/$target-corpus"
    rm -rf "$seeds"
    mkdir -p "$seeds" "$corpus"
    case $target in
    xmp | iptc) make_caption_seeds "$seeds" ;;
    *) "make_${target}_seeds" "$seeds" ;;
    esac
    (cd "$build" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        "./fuzz_$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=1024 \
        -print_final_stats=1 "$target-corpus" "$target-seeds")
done
