#!/usr/bin/env bash
# Installs the Debian packages a task needs (idempotent), then configures build/ and builds
# what that task uses. Runs as root, or through sudo.
#   setup.sh run      building and running the program: only the two programs
#   setup.sh test     everything the tests need as well: every target
#   setup.sh package  the two programs and the tools that make the Debian package
set -euo pipefail
cd "$(dirname "$0")/.."
task=${1:-run}

# The program: compiler and build tools, libjpeg, Qt, the parallel photo pipeline (TBB),
# collation (ICU), colour profiles (LittleCMS), content hashes (xxHash), XMP captions (expat)
# and Qt's own Czech texts.
packages=(
    g++ cmake ninja-build pkg-config
    libjpeg-dev qt6-base-dev
    libtbb-dev libicu-dev liblcms2-dev libxxhash-dev libexpat1-dev qt6-translations-l10n
)
case "$task" in
run) ;;
test)
    # GoogleTest and Benchmark; djpeg and jpegtran, the benchmarks' yardstick and the maker of
    # turned test photos; exiftool, the EXIF peer; ImageMagick, which converts test photos
    # into other colour spaces; clang-format, whose style the tree keeps;
    # clang for the fuzz build, and llvm-14, whose symbolizer names the functions in its
    # stack traces (clang only recommends it); Chromium and Node for the album page; ICC
    # profiles; the checkers of the installed desktop files and manual page; the packaging
    # tools, as the tests build the package too.
    packages+=(
        libgtest-dev libgmock-dev libbenchmark-dev libjpeg-turbo-progs
        libimage-exiftool-perl imagemagick clang-format clang libclang-rt-14-dev llvm-14
        chromium fonts-dejavu-core colord-data
        desktop-file-utils appstream man-db dpkg-dev file
    )
    # A machine may already have Node and npm from elsewhere.
    command -v node >/dev/null || packages+=(nodejs)
    command -v npm >/dev/null || packages+=(npm)
    ;;
package) packages+=(dpkg-dev file) ;;
*)
    echo "usage: $0 [run|test|package]" >&2
    exit 2
    ;;
esac

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq \
        --no-install-recommends "${missing[@]}"
fi

# A fresh build/ starts without the tests; once the test task has turned them on, the run
# task leaves them on rather than dropping the test targets.
options=()
if [ "$task" = test ]; then
    options+=(-DVISTAREL_TESTS=ON)
elif [ ! -f build/CMakeCache.txt ]; then
    options+=(-DVISTAREL_TESTS=OFF)
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null

if [ "$task" = test ]; then
    # Reinstalled when the lock file changes, not only when node_modules is missing.
    lock=tests/browser/package-lock.json
    if [ ! "$lock" -ot tests/browser/node_modules/.package-lock.json ]; then
        (cd tests/browser && npm ci --no-audit --no-fund --loglevel=error)
    fi
    cmake --build build
else
    cmake --build build --target vistarel vistarel-cli
fi
