// The album page in Debian's headless Chromium: an album vistarel-cli builds from the demo
// photos under names a page could misread. CTest sets VISTAREL_CLI and MAKE_DEMO_PHOTOS;
// 77 (skipped) without Chromium.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const CHROMIUM = '/usr/bin/chromium';
if (!fs.existsSync(CHROMIUM)) {
    console.log(`SKIP: ${CHROMIUM} is not installed`);
    process.exit(77);
}
const { chromium } = await import('playwright-core');
const { VISTAREL_CLI, MAKE_DEMO_PHOTOS } = process.env;

// The demo photos renamed in order, and their EXIF captions shown as text, markup included.
// One name is bytes that are no UTF-8, one opens a comment and a script in the page's script.
const PHOTOS = [
    ['01_snezka.jpg', '01 it\'s "a".jpg', 'Výlet na Sněžku'],
    ['02_vltava.jpg', '02 50% #1?.jpeg', 'Západ slunce nad Vltavou'],
    ['03_trh.JPG', '03 žába&amp;b.JPG', 'Trh na náměstí,\npátek ráno'],
    ['04_kocka.jpg', Buffer.from('04 bad\xff\xfeutf.jpg', 'latin1'), 'Mourek – „náš“ kocour'],
    ['05_les.jpg', '05 back\\slash\ttab.jpg', '<img src=x onerror=hacked=1> </script> &amp; <b>'],
    ['06_most.jpg', '06 <!--<script>a&copy.jpg', 'Karlův most v mlze'],
    ['07_hory.jpg', '07_hory.jpg', 'Panorama Krkonoš'],
    ['08_detail.jpg', '08 <b>&lt;.jpg', 'Detail – 50 × 40 mm'],
];

let root, context, album;

before(async () => {
    root = fs.mkdtempSync(path.join(os.tmpdir(), 'vistarel-browser-'));
    const photos = path.join(root, 'photos');
    fs.mkdirSync(photos);
    execFileSync(MAKE_DEMO_PHOTOS, [photos, '0.25']);
    for (const [demo, name] of PHOTOS)
        fs.renameSync(path.join(photos, demo), Buffer.concat([Buffer.from(photos + '/'),
            Buffer.from(name)]));
    const exiftool = (file, tag) => execFileSync('exiftool',
        ['-q', '-n', '-overwrite_original', tag, path.join(photos, file)]);
    exiftool(PHOTOS[4][1], `-UserComment=${PHOTOS[4][2]}`);
    exiftool('07_hory.jpg', '-Orientation=6'); // the panorama, as a camera held upright tags it
    const folder = path.join(root, 'album');
    fs.mkdirSync(folder);
    execFileSync(VISTAREL_CLI, ['build', photos, folder, '--name', 'Ukázka ✓', '--photo', '480x360']);
    album = pathToFileURL(path.join(folder, 'index.html')).href;
    context = await chromium.launchPersistentContext(path.join(root, 'profile'), {
        executablePath: CHROMIUM,
        headless: true,
        args: ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run',
            '--disable-background-networking', '--disable-component-update', '--disable-sync'],
        viewport: { width: 600, height: 700 },
    });
});

after(async () => {
    await context?.close();
    if (root)
        fs.rmSync(root, { recursive: true, force: true });
});

const cell = (page, n) => page.locator('#bigphoto td.titulek').nth(n);

test('every picture loads under its name, upright; captions are text; columns fit the width',
    async () => {
        const page = await context.newPage();
        const errors = [];
        page.on('pageerror', (error) => errors.push(error.message));
        await page.goto(album);
        await page.waitForFunction(() => [...document.querySelectorAll('#view img')]
            .every((img) => img.complete));
        assert.equal(await page.title(), 'Ukázka ✓');
        assert.notEqual(await page.evaluate(() => getComputedStyle(document.body).backgroundColor),
            'rgba(0, 0, 0, 0)', 'the style applies');
        assert.deepEqual(await page.$$eval('#view img', (all) => all.map((img) => img.naturalWidth > 0)),
            PHOTOS.map(() => true));
        await page.locator('#view img').first().click();
        const [width, height] = await page.evaluate(() => [photo_list[0].w_big, photo_list[0].h_big]);
        assert.deepEqual(await page.locator('#bigphoto > span').evaluate((el) => [el.style.left,
            el.style.top]), [`${(600 - width) / 2}px`, `${(700 - height) / 2}px`], 'in the middle');
        await page.keyboard.press('ArrowLeft');
        for (const [i, [, name, caption]] of PHOTOS.entries()) {
            const nav = (i > 0 ? '<< ' : '') + `${i + 1}/8` + (i < 7 ? ' >>' : '');
            assert.equal(await cell(page, 0).textContent(), nav, name);
            assert.equal(await cell(page, 1).innerText(), caption, name);
            await cell(page, 2).locator('img').evaluate((img) => img.decode()); // fails unloaded
            await page.keyboard.press('ArrowRight');
        }
        assert.equal(await cell(page, 0).textContent(), '<< 8/8');
        await page.locator('#bigphoto a', { hasText: '<<' }).click();
        await page.keyboard.press('ArrowLeft');
        await page.locator('#bigphoto a', { hasText: '>>' }).click();
        assert.equal(await cell(page, 0).textContent(), '<< 7/8 >>');
        await cell(page, 2).locator('img').click(); // closes the overlay
        await page.keyboard.press('ArrowLeft');
        assert.equal(await page.locator('#bigphoto').isVisible(), false, 'closing ends browsing');
        assert.equal(await page.evaluate(() => window.hacked), undefined, 'no caption runs script');
        // A photo stored on its side stands upright in the page and the files.
        const hory = await page.evaluate(() => photo_list.find((p) => p.url === '07_hory.jpg'));
        assert.deepEqual([hory.w_sm, hory.h_sm, hory.w_big, hory.h_big], [33, 100, 160, 480]);
        assert.deepEqual(await page.evaluate(() => new Promise((resolve) => {
            const image = new Image();
            image.onload = () => resolve([image.naturalWidth, image.naturalHeight]);
            image.src = '07_hory.jpg';
        })), [160, 480]);
        // The column count follows the window width.
        const rows = () => page.$$eval('#view tr', (all) => all.map((row) => row.cells.length));
        for (const [width, expected] of [[600, [0, 5, 3]], [1024, [0, 8]], [400, [0, 3, 3, 2]]]) {
            await page.setViewportSize({ width, height: 700 });
            await page.waitForFunction((n) => document.querySelectorAll('#view tr')[1]?.cells.length
                === n, expected[1]);
            assert.deepEqual(await rows(), expected, `${width} pixels wide`);
        }
        assert.deepEqual(errors, [], 'no script errors');
    });
