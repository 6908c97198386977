#!/usr/bin/env bash
# Runs every test: the whole suite; the installed tree with its desktop files checked; the
# Debian package built; the core tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer; then a short fuzzing run of the EXIF reader and of the
# pictures made from a photo.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh test

echo "== all tests"
ctest --test-dir build --output-on-failure

echo "== the installed programs, their desktop entry, AppStream data and manual page"
stage=build/stage
rm -rf "$stage"
cmake --install build --prefix "$stage" >/dev/null
desktop-file-validate "$stage"/share/applications/*.desktop
appstreamcli validate --no-net "$stage"/share/metainfo/*.metainfo.xml
warnings=$(LC_ALL=C.UTF-8 man --warnings -l "$stage"/share/man/man1/vistarel-cli.1 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "$warnings"; exit 1; }
ls "$stage"/share/vistarel/help.rtf "$stage"/share/icons/hicolor/*/apps/vistarel.* >/dev/null
# Installed, the programs find the shipped styles in ../share/vistarel/.
"$stage"/bin/vistarel-cli styles | grep -qx klasicky.css
# Both programs and the AppStream release carry one version.
version=$("$stage"/bin/vistarel-cli --version | cut -d' ' -f2)
[ "$("$stage"/bin/vistarel --version)" = "vistarel $version" ]
grep -q "<release version=\"$version\"" "$stage"/share/metainfo/*.metainfo.xml

echo "== the Debian package"
scripts/package.sh

echo "== core tests under AddressSanitizer + UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVISTAREL_CORE_ONLY=ON \
      -DVISTAREL_SANITIZE=ON >/dev/null
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure

if [ -x scripts/fuzz.sh ]; then
    echo "== fuzzing"
    scripts/fuzz.sh 20
fi
