// The album page in a real browser: albums made by make_test_album (the page writer and
// the code-only command) are opened in headless Chromium through file:// URLs.
//
// Run by CTest; by hand: MAKE_TEST_ALBUM=<build>/make_test_album node album.test.mjs
// ALBUM_SCREENSHOTS=<folder> also saves pictures of the grid and the overlay.

import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

import { launchBrowser } from './chromium.mjs';

const MAKE_TEST_ALBUM = process.env.MAKE_TEST_ALBUM ?? '../../build/make_test_album';

const STYLE = [
    'body {background-color: #336699; color: #FFFFFF; font-family: Verdana;}',
    '.nadpis {color: #FFCC00; font-size: 18px; font-weight: bold;}',
    '.titulek {color: #FFFFFF; font-size: 12px; text-align: center;}',
    '.big {background-color: #003366; border: 1px solid #FFFFFF;}',
].join('\r\n') + '\r\n';

// What the user typed or a build read from EXIF, and what the overlay's caption cell and
// the thumbnail's alternative text show for it (markup in a typed caption stays markup;
// a caption from EXIF is text). The names the page must not mistake: "&", "\\", a tab.
const landscape = { thumb: [100, 75], photo: [400, 300] };
const portrait = { thumb: [75, 100], photo: [300, 400] };
const PHOTOS = [
    { name: 'IMG_0001.jpg', ...landscape, caption: 'Na horách' },
    { name: "it's.jpg", ...landscape, caption: 'It\'s Jan\'s "best" day' },
    { name: '50% #1?.jpg', ...landscape, caption: 'C:\\fotky\\léto\\' },
    {
        name: 'žába.JPG', ...portrait, caption: 'první řádek\r\ndruhý řádek',
        shown: 'první řádek\ndruhý řádek', alt: 'první řádek<br>druhý řádek',
    },
    { name: 'e.jpg', ...landscape, caption: 'konec </script> a dál', shown: 'konec a dál' },
    { name: 'f.jpg', ...landscape, caption: 'Příliš žluťoučký kůň úpěl ďábelské ódy – €' },
    { name: 'g.jpg', ...portrait, caption: 'hotovo ✓ 😀' },
    { name: 'h.jpg', ...landscape, caption: '<b>tučně</b> a 1 < 2', shown: 'tučně a 1 < 2' },
    { name: 'i.jpg', ...landscape, caption: '' },
    { name: 'a&amp;b.jpg', ...landscape, caption: 'snímek 10' },
    { name: 'a&copy.jpg', ...landscape, caption: 'snímek 11' },
    { name: 'back\\slash\ttab.jpg', ...landscape, exif: true,
        caption: '<img src=x onerror=window.hacked=1> &amp; <b>' },
];
const ALBUM_NAME = 'Dovolená na Šumavě ✓';

const hex = (text) => (text === '' ? '-' : Buffer.from(text, 'utf8').toString('hex'));

function makeAlbum(root, folderName, albumName, photos) {
    const folder = path.join(root, folderName);
    fs.mkdirSync(folder);
    const lines = [hex(albumName)];
    for (const p of photos)
        lines.push([hex(p.name), ...p.thumb, ...p.photo, hex(p.caption), p.exif ? 'exif' : '']
            .join(' '));
    const description = path.join(root, `${folderName}.txt`);
    fs.writeFileSync(description, lines.join('\n') + '\n');
    execFileSync(MAKE_TEST_ALBUM, [folder, path.join(root, 'program'), description]);
    return pathToFileURL(path.join(folder, 'index.html')).href;
}

let root;
let context;
const albums = {};

before(async () => {
    root = fs.mkdtempSync(path.join(os.tmpdir(), 'vistarel-browser-'));
    fs.mkdirSync(path.join(root, 'program', 'css'), { recursive: true });
    fs.writeFileSync(path.join(root, 'program', 'css', 'album.css'), STYLE);
    albums.many = makeAlbum(root, 'many', ALBUM_NAME, PHOTOS);
    albums.one = makeAlbum(root, 'one', 'Jedna', [PHOTOS[0]]);
    albums.empty = makeAlbum(root, 'empty', 'Prázdné', []);
    context = await launchBrowser(root, { width: 600, height: 700 });
});

after(async () => {
    await context?.close();
    if (root)
        fs.rmSync(root, { recursive: true, force: true });
});

// Opens an album and records the script errors it raises.
async function open(url) {
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    await page.goto(url);
    return { page, errors };
}

const counter = (page) => page.locator('#bigphoto td.titulek').first().textContent();
const overlayShown = (page) =>
    page.evaluate(() => getComputedStyle(document.getElementById('bigphoto')).display !== 'none');

// Cells per table row of the grid.
const gridRows = (page) =>
    page.$$eval('#view table tr', (rows) => rows.map((row) => row.cells.length));

function expectedRows(count, columns) {
    const rows = [0]; // the table opens with an empty row
    for (let i = 0; i < count; i += columns)
        rows.push(Math.min(columns, count - i));
    return rows;
}

async function expectColumnsForWidth(page, width) {
    await page.setViewportSize({ width, height: 700 });
    const cell = Math.max(...PHOTOS[0].thumb); // the first photo's thumbnail sets the cell
    const columns = Math.round((await page.evaluate(() => window.innerWidth)) / (cell + 15));
    await page.waitForFunction(
        (n) => document.querySelectorAll('#view tr')[1]?.cells.length === n, columns);
    assert.deepEqual(await gridRows(page), expectedRows(PHOTOS.length, columns));
}

describe('an album of twelve photos', () => {
    let page;
    let errors;
    before(async () => ({ page, errors } = await open(albums.many)));
    after(() => assert.deepEqual(errors, [], 'no script errors'));

    test('the page carries the album name and the style', async () => {
        assert.equal(await page.title(), ALBUM_NAME);
        assert.equal((await page.locator('span.nadpis center').textContent()), ALBUM_NAME);
        assert.equal(await page.evaluate(() => getComputedStyle(document.body).backgroundColor),
            'rgb(51, 102, 153)');
        assert.match(await page.locator('body').innerText(), /Created by Derwin's Vistarel 2\.0\.4/);
    });

    test('the grid shows every thumbnail with its size and caption', async () => {
        const thumbs = page.locator('#view img');
        assert.equal(await thumbs.count(), PHOTOS.length);
        await page.waitForFunction(() => [...document.querySelectorAll('#view img')]
            .every((img) => img.complete));
        for (const [i, p] of PHOTOS.entries()) {
            const img = thumbs.nth(i);
            const facts = await img.evaluate((el) => ({
                loaded: el.naturalWidth, width: el.getAttribute('width'),
                height: el.getAttribute('height'), alt: el.getAttribute('alt'),
            }));
            assert.deepEqual(facts, {
                loaded: p.thumb[0], width: String(p.thumb[0]), height: String(p.thumb[1]),
                alt: p.alt ?? p.caption,
            }, p.name);
        }
    });

    test('the column count follows the window width', async () => {
        await expectColumnsForWidth(page, 600);
        await expectColumnsForWidth(page, 1024);
        await expectColumnsForWidth(page, 600);
    });

    test('a thumbnail opens the overlay with counter, caption and photo', async () => {
        for (const [i, p] of PHOTOS.entries()) {
            await page.locator('#view img').nth(i).click();
            const cells = page.locator('#bigphoto td.titulek');
            const nav = (i > 0 ? '<< ' : '') + `${i + 1}/${PHOTOS.length}` +
                (i < PHOTOS.length - 1 ? ' >>' : '');
            assert.equal(await cells.nth(0).textContent(), nav);
            assert.equal(await cells.nth(1).innerText(), p.shown ?? p.caption, p.name);
            const photo = cells.nth(2).locator('img');
            await photo.evaluate((el) => el.decode());
            assert.deepEqual(await photo.evaluate((el) => ({
                loaded: el.naturalWidth, width: el.getAttribute('width'),
                height: el.getAttribute('height'), alt: el.getAttribute('alt'),
            })), { loaded: p.photo[0], width: String(p.photo[0]),
                height: String(p.photo[1]), alt: 'zavřít' }, p.name);
            await photo.click();
            assert.equal(await overlayShown(page), false);
        }
        await page.locator('#view img').nth(7).click();
        assert.equal(await page.locator('#bigphoto td.titulek b').textContent(), 'tučně');
        await page.locator('#bigphoto td.titulek img').click();
        assert.equal(await page.evaluate(() => window.hacked), undefined, 'no caption runs script');
    });

    test('the overlay sits in the middle of the window', async () => {
        await page.setViewportSize({ width: 600, height: 700 });
        await page.locator('#view img').first().click();
        const place = await page.locator('#bigphoto > span').evaluate((el) =>
            [el.style.left, el.style.top]);
        assert.deepEqual(place, [`${600 / 2 - 400 / 2}px`, `${700 / 2 - 300 / 2}px`]);
        await page.locator('#bigphoto td.titulek img').click();
    });

    test('back and forward links move between neighbours', async () => {
        await page.locator('#view img').nth(4).click();
        await page.locator('#bigphoto a', { hasText: '>>' }).click();
        assert.equal(await counter(page), '<< 6/12 >>');
        await page.locator('#bigphoto a', { hasText: '<<' }).click();
        await page.locator('#bigphoto a', { hasText: '<<' }).click();
        assert.equal(await counter(page), '<< 4/12 >>');
        await page.locator('#bigphoto td.titulek img').click();
    });

    test('arrow keys browse and stop at both ends; closing ends browsing', async () => {
        await page.locator('#view img').first().click();
        await page.keyboard.press('ArrowLeft');
        assert.equal(await counter(page), '1/12 >>');
        for (let i = 1; i < PHOTOS.length; ++i)
            await page.keyboard.press('ArrowRight');
        assert.equal(await counter(page), '<< 12/12');
        await page.keyboard.press('ArrowRight');
        assert.equal(await counter(page), '<< 12/12');
        await page.keyboard.press('ArrowLeft');
        assert.equal(await counter(page), '<< 11/12 >>');

        await page.locator('#bigphoto td.titulek img').click();
        assert.equal(await overlayShown(page), false);
        await page.keyboard.press('ArrowLeft');
        assert.equal(await overlayShown(page), false);
    });

    test('screenshots when asked for', { skip: !process.env.ALBUM_SCREENSHOTS }, async () => {
        const folder = process.env.ALBUM_SCREENSHOTS;
        await page.setViewportSize({ width: 1024, height: 768 });
        await page.screenshot({ path: path.join(folder, 'album-grid.png') });
        await page.locator('#view img').nth(3).click();
        await page.screenshot({ path: path.join(folder, 'album-overlay.png') });
        await page.locator('#bigphoto td.titulek img').click();
    });
});

test('a one-photo album shows just the counter, without links', async () => {
    const { page, errors } = await open(albums.one);
    await page.locator('#view img').click();
    assert.equal(await counter(page), '1/1');
    assert.equal(await page.locator('#bigphoto a').count(), 1); // the photo's close link
    await page.keyboard.press('ArrowRight');
    await page.keyboard.press('ArrowLeft');
    assert.equal(await counter(page), '1/1');
    assert.deepEqual(errors, []);
});

test('an empty album shows the heading and the footer, no grid', async () => {
    const { page } = await open(albums.empty);
    assert.equal(await page.locator('span.nadpis center').textContent(), 'Prázdné');
    assert.equal(await page.locator('#view').innerHTML(), '');
    assert.match(await page.locator('body').innerText(), /Created by/);
});
