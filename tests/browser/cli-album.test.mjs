// An album built end to end by vistarel-cli from the demo photos (EXIF dates, Czech
// captions, the first shipped style), opened in headless Chromium.
//
// Run by CTest; by hand: VISTAREL_CLI=<build>/vistarel-cli MAKE_DEMO_PHOTOS=<build>/make-demo-photos
//                        node cli-album.test.mjs

import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

import { launchBrowser } from './chromium.mjs';

const CLI = process.env.VISTAREL_CLI ?? '../../build/vistarel-cli';
const MAKE_DEMO_PHOTOS = process.env.MAKE_DEMO_PHOTOS ?? '../../build/make-demo-photos';

// The demo set's captions, in the album's order.
const CAPTIONS = [
    'Výlet na Sněžku', 'Západ slunce nad Vltavou', 'Trh na náměstí,\npátek ráno',
    'Mourek – „náš“ kocour', '', 'Karlův most v mlze', 'Panorama Krkonoš', 'Detail – 50 × 40 mm',
];

let root;
let context;
let page;
const errors = [];

before(async () => {
    root = fs.mkdtempSync(path.join(os.tmpdir(), 'vistarel-cli-album-'));
    const photos = path.join(root, 'photos');
    const album = path.join(root, 'album');
    fs.mkdirSync(photos);
    fs.mkdirSync(album);
    execFileSync(MAKE_DEMO_PHOTOS, [photos, '0.25']);
    // The panorama, 750 x 250 as stored, as a camera held upright would tag it.
    execFileSync('exiftool', ['-q', '-n', '-overwrite_original', '-Orientation=6',
                              path.join(photos, '07_hory.jpg')]);
    execFileSync(CLI, ['build', photos, album, '--name', 'Ukázka', '--photo', '480x360']);
    context = await launchBrowser(root, { width: 1024, height: 768 });
    page = await context.newPage();
    page.on('pageerror', (error) => errors.push(error.message));
    await page.goto(pathToFileURL(path.join(album, 'index.html')).href);
});

after(async () => {
    await context?.close();
    if (root)
        fs.rmSync(root, { recursive: true, force: true });
});

test('every thumbnail of the built album loads', async () => {
    await page.waitForFunction(() => document.querySelectorAll('#view img').length === 8);
    await page.waitForFunction(() =>
        [...document.querySelectorAll('#view img')].every((img) => img.complete && img.naturalWidth > 0));
    assert.equal(await page.title(), 'Ukázka');
});

test('a photo stored on its side stands upright in the page and the files', async () => {
    const hory = await page.evaluate(() => photo_list.find((photo) => photo.url === '07_hory.jpg'));
    assert.deepEqual([hory.w_sm, hory.h_sm, hory.w_big, hory.h_big], [33, 100, 160, 480]);
    const loaded = await page.evaluate(() => new Promise((resolve) => {
        const image = new Image();
        image.onload = () => resolve([image.naturalWidth, image.naturalHeight]);
        image.src = '07_hory.jpg';
    }));
    assert.deepEqual(loaded, [160, 480]);
});

test('the overlay shows the EXIF captions and walks through the photos', async () => {
    await page.locator('#view img').first().click();
    const cells = page.locator('#bigphoto td.titulek');
    for (let i = 0; i < CAPTIONS.length; ++i) {
        await assert.doesNotReject(page.waitForFunction(
            (text) => document.querySelector('#bigphoto td.titulek').textContent.includes(text),
            `${i + 1}/8`));
        const shown = await page.locator('#bigphoto').innerText();
        if (CAPTIONS[i])
            assert.ok(shown.includes(CAPTIONS[i]), `photo ${i + 1}: ${shown}`);
        await page.keyboard.press('ArrowRight');
    }
    assert.ok(await cells.count() > 0);
    const big = page.locator('#bigphoto img');
    await page.waitForFunction(() => document.querySelector('#bigphoto img')?.naturalWidth > 0);
    assert.ok(await big.count() > 0);
    assert.deepEqual(errors, []);
});
