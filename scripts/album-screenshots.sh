#!/bin/sh
# Pictures of the album page as a visitor sees it, for looking at the layout: the demo album
# built by vistarel-cli, opened in headless Chromium at 1024 x 768, once with the grid and
# once with a photo shown large. Needs a build and `npm ci` in tests/browser.
# Usage: scripts/album-screenshots.sh [OUTPUT_DIR]   (default build/screenshots)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$root/build/screenshots}" && cd "${1:-$root/build/screenshots}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/photos" "$work/album"
cmake --build "$root/build" --target make-demo-photos vistarel-cli >/dev/null
"$root/build/make-demo-photos" "$work/photos" >/dev/null
"$root/build/vistarel-cli" build "$work/photos" "$work/album" --name "Ukázka" >/dev/null 2>&1
cd "$root/tests/browser"
ALBUM="$work/album/index.html" OUT="$out" node --input-type=module -e "
import { chromium } from 'playwright-core';
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu'] });
const page = await browser.newPage({ viewport: { width: 1024, height: 768 } });
await page.goto('file://' + process.env.ALBUM);
await page.waitForFunction(() => [...document.images].every((img) => img.complete));
await page.screenshot({ path: process.env.OUT + '/album-grid.png' });
await page.locator('#view img').nth(3).click();
await page.locator('#bigphoto img').last().evaluate((img) => img.decode());
await page.screenshot({ path: process.env.OUT + '/album-overlay.png' });
await browser.close();
"
echo "Screenshots written to $out"
