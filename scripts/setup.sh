#!/usr/bin/env bash
# Installs every Debian package the project needs (idempotent), then configures and builds
# into build/. Runs as root, or through sudo.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    g++ cmake ninja-build pkg-config
    libjpeg-dev libjpeg-turbo-progs
    qt6-base-dev qt6-base-dev-tools
    libgtest-dev libgmock-dev libbenchmark-dev
    libimage-exiftool-perl libreoffice-writer-nogui
    clang libclang-rt-14-dev
    chromium xvfb xauth fonts-dejavu-core imagemagick
)
# Node and npm run the browser test; a machine may already have them from elsewhere.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

if [ -f tests/browser/package-lock.json ] && [ ! -d tests/browser/node_modules ]; then
    (cd tests/browser && npm ci --no-audit --no-fund --loglevel=error)
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
