#!/usr/bin/env bash
# Sets everything up and starts the program: the window when a display is there,
# otherwise a demo album made with the command-line front end.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh run

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/vistarel ]; then
    exec build/vistarel "$@"
fi
if [ -x scripts/demo.sh ]; then
    exec scripts/demo.sh
fi
echo "No display and no demo yet: the core is built in build/."
