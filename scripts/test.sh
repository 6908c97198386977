#!/usr/bin/env bash
# Runs every test: the whole suite, then the core tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer, then a short fuzzing run of the EXIF reader and of the
# pictures made from a photo.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

echo "== all tests"
ctest --test-dir build --output-on-failure

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
