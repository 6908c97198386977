// Debian's Chromium, headless, as both browser tests start it: no downloads, no network,
// a fresh profile. Exits with 77 (skipped) when Chromium is not installed.
import fs from 'node:fs';
import path from 'node:path';

export const CHROMIUM = '/usr/bin/chromium';

if (!fs.existsSync(CHROMIUM)) {
    console.log(`SKIP: ${CHROMIUM} is not installed`);
    process.exit(77);
}
const { chromium } = await import('playwright-core');

export function launchBrowser(root, viewport) {
    return chromium.launchPersistentContext(path.join(root, 'profile'), {
        executablePath: CHROMIUM,
        headless: true,
        args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--disable-background-networking', '--disable-component-update', '--disable-sync'],
        viewport,
    });
}
