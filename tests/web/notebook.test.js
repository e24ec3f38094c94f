// The notebook's way out in the page: ending with a noted row asks first
// (the same dialog as the desktop's), "Desa…" downloads the table before
// the page says the practical is over; the window's menu, opened by the
// keys or a right click, is a menu for screen readers too, and its picture
// item downloads what the desktop saves; the window's menu prints the pages,
// which the page's print style sheet puts one to a sheet, each the picture
// the desktop prints; and the guide opens beside the page.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import * as h from './harness.js';

const { ids } = h;
const kMain = ids.IDD_TERVAN_DIALOG, kQuestion = ids.IDD_KEEP_WORK;
const kOk = 1, kCancel = 2; // the framework's IDOK and IDCANCEL

let browser;
before(async () => { browser = await h.launch(); });
after(async () => { await browser.close(); });

// The main window with its first row, the initial level, noted.
async function withARow() {
  const page = await h.start(browser, { scale: 0.1 });
  await h.closeBottle(page);
  await h.noteLevel(page, ids.IDC_ANOTA_NIVELL_INICIAL, '20,5');
  return page;
}

test('ending with a row asks; staying keeps it, "Desa…" downloads the table, then the end', async () => {
  const page = await withARow();
  await page.keyboard.press('Escape');
  const question = await h.waitForWindow(page, kQuestion);
  // The focus, and so Return, on staying.
  assert.equal(question.controls.find((c) => c.focus).id, kCancel);
  assert.deepEqual(question.controls.filter((c) => c.id > 0).map((c) => c.text),
                   ['Cancel·la', 'Desa…', 'No desis']);
  await page.keyboard.press('Enter');
  await h.waitForWindow(page, kMain);
  await h.clickControl(page, kOk); // "Sortir"
  await h.waitForWindow(page, kQuestion);
  await page.keyboard.press('Escape');
  await h.waitForWindow(page, kMain);
  assert.equal(await page.isVisible('#ended'), false);

  await page.keyboard.press('Escape');
  await h.waitForWindow(page, kQuestion);
  const download = page.waitForEvent('download');
  await h.clickControl(page, ids.IDC_KEEP_SAVE);
  const saved = await download;
  await page.waitForSelector('#ended:not([hidden])');
  assert.equal(saved.suggestedFilename(), 'tervan-2026-12-07.csv');
  const csv = (await h.downloadedBytes(saved)).toString('utf8');
  assert.equal(csv, '\ufeffNúm.;T (ºC);h (cm);P (mmHg)\r\n' +
                    csv.split('\r\n')[1] + '\r\n');
  assert.match(csv.split('\r\n')[1], /^1;\d+,\d;20,5;\d+,\d\d$/);
  await page.context().close();
});

test('"No desis" ends without a file; before any row Escape ends at once', async () => {
  const page = await withARow();
  let downloads = 0;
  page.on('download', () => { downloads += 1; });
  await page.keyboard.press('Escape');
  await h.waitForWindow(page, kQuestion);
  await h.clickControl(page, ids.IDC_KEEP_DISCARD);
  await page.waitForSelector('#ended:not([hidden])');
  assert.equal(downloads, 0);
  await page.context().close();
});

// A PPM file as { width, height, rgb }.
function readPpm(file) {
  const data = fs.readFileSync(file);
  const header = data.toString('latin1', 0, 64).match(/^P6\s+(\d+)\s+(\d+)\s+255\s/);
  return { width: Number(header[1]), height: Number(header[2]), rgb: data.subarray(header[0].length) };
}

// How many of the picture's pixels the sheet shows otherwise: its right and
// bottom edges are where the bench's green last shows, each pixel is read at
// the centre of its block, for the whole factor that reads best.
function pictureMismatch(sheet, picture) {
  const at = (img, x, y) => {
    const i = 3 * (y * img.width + x);
    return (img.rgb[i] << 16) | (img.rgb[i + 1] << 8) | img.rgb[i + 2];
  };
  const bench = at(picture, picture.width - 1, picture.height - 1);
  let right = -1, bottom = -1;
  for (let y = 0; y < sheet.height; ++y)
    for (let x = 0; x < sheet.width; ++x)
      if (at(sheet, x, y) === bench) { right = Math.max(right, x); bottom = Math.max(bottom, y); }
  let best = { mismatches: picture.width * picture.height, factor: 0 };
  for (let k = 1; k * picture.width <= right + 1 && k * picture.height <= bottom + 1; ++k) {
    const left = right + 1 - k * picture.width, top = bottom + 1 - k * picture.height;
    let n = 0;
    for (let j = 0; j < picture.height; ++j)
      for (let i = 0; i < picture.width; ++i)
        if (at(sheet, left + k * i + (k >> 1), top + k * j + (k >> 1)) !== at(picture, i, j)) ++n;
    if (n < best.mismatches) best = { mismatches: n, factor: k };
  }
  return best;
}

test('the pages print one to a sheet, each the picture the desktop prints', async () => {
  const page = await withARow();
  // The browser's print dialog would wait for a person: the test notes the
  // call, and takes the page as the browser prints it.
  await page.evaluate(() => { window.print = () => { Module.tervanTest.printed = true; }; });
  await h.chooseFromMenu(page, 3);
  await page.waitForFunction(() => Module.tervanTest.printed === true);
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'tervan-print-'));
  const pdf = path.join(dir, 'printed.pdf');
  await page.pdf({ path: pdf, preferCSSPageSize: true, printBackground: true });
  const info = execFileSync('pdfinfo', [pdf], { encoding: 'utf8' });
  const { summary } = await h.replay(page);
  assert.equal(summary.prints.length, 1);
  const sheets = summary.prints[0];
  assert.equal(sheets.length, 2); // the cover and the page of the row
  assert.match(info, new RegExp(`Pages:\\s+${sheets.length}\\n`));
  const words = execFileSync('pdftotext', [pdf, '-'], { encoding: 'utf8' });
  for (let s = 0; s < sheets.length; ++s) {
    assert.ok(words.includes(sheets[s].caption), sheets[s].caption);
    const stem = path.join(dir, `sheet-${s + 1}`);
    execFileSync('pdftoppm', ['-r', '300', '-f', String(s + 1), '-singlefile', pdf, stem]);
    const picture = { width: sheets[s].w, height: sheets[s].h, rgb: fs.readFileSync(sheets[s].file) };
    const found = pictureMismatch(readPpm(stem + '.ppm'), picture);
    assert.equal(found.mismatches, 0, `sheet ${s + 1}`);
    assert.ok(found.factor >= 8, `sheet ${s + 1}: each pixel a block of ${found.factor}`);
  }
  // On the screen the printout stays out of sight.
  assert.equal(await page.isVisible('#printout'), false);
  assert.equal(await page.isVisible('#screen'), true);
  await page.context().close();
});

test('the guide opens beside the page', async () => {
  const page = await h.start(browser);
  const popup = await h.chooseFromMenu(page, 4, 'popup');
  await popup.waitForLoadState();
  assert.equal(path.basename(new URL(popup.url()).pathname), 'tervan-guia.html');
  assert.equal(await popup.title(), "Tervan: guia d'operació");
  // The guide beside the page is the one the build writes, pictures inside.
  assert.equal(await popup.evaluate(() => [...document.images].every((i) => i.complete &&
    i.naturalWidth > 0 && i.src.startsWith('data:image/png'))), true);
  await page.context().close();
});

// The items of the mirrored menu, and the one with the DOM focus.
async function mirroredMenu(page) {
  return page.evaluate(() => {
    const menu = document.getElementById('menu');
    const items = [...menu.children];
    return { hidden: menu.hidden, role: menu.getAttribute('role'), name: menu.getAttribute('aria-label'),
             roles: items.map((i) => i.getAttribute('role')), texts: items.map((i) => i.textContent),
             focus: items.indexOf(document.activeElement) };
  });
}

test('the window menu is a menu for screen readers; its picture item downloads the desktop\'s file', async () => {
  const page = await withARow();
  const texts = ['Acerca de Tervan', 'Desa les dades (CSV)…', 'Desa el quadern (PNG)…',
                 'Imprimeix el quadern…', "Guia d'operació"];
  // Shift+F10: the menu opens with its first item chosen, and there the DOM focus is.
  await page.evaluate(() => { Module.tervanTest.focusBefore = document.activeElement; });
  await page.keyboard.press('Shift+F10');
  await page.waitForFunction(() => Module.tervanTest.state.menu === true);
  await page.waitForFunction(() => !document.getElementById('menu').hidden);
  let m = await mirroredMenu(page);
  assert.equal(m.role, 'menu');
  assert.equal(m.name, 'Menú de la finestra');
  assert.deepEqual(m.texts, texts);
  assert.deepEqual(m.roles, texts.map(() => 'menuitem'));
  assert.equal(m.focus, 0);
  await page.keyboard.press('ArrowDown');
  await page.waitForFunction(() => document.activeElement === document.getElementById('menu').children[1]);
  // Escape closes it; the focus goes back where it was.
  await page.keyboard.press('Escape');
  await page.waitForFunction(() => Module.tervanTest.state.menu === false);
  await page.waitForFunction(() => document.getElementById('menu').hidden);
  assert.equal(await page.evaluate(() => document.activeElement === Module.tervanTest.focusBefore), true);
  assert.equal((await h.state(page)).template, kMain);

  // A right click opens the same menu; a screen reader's click on the
  // picture item (the canvas covers the items: only assistive technology
  // reaches them) downloads the pages.
  const p = await h.cssPoint(page, 300, 300);
  await page.mouse.click(p.x, p.y, { button: 'right' });
  await page.waitForFunction(() => !document.getElementById('menu').hidden);
  assert.deepEqual((await mirroredMenu(page)).texts, texts);
  const download = page.waitForEvent('download');
  await page.evaluate(() => document.getElementById('menu').children[2].click());
  const saved = await download;
  await page.waitForFunction(() => Module.tervanTest.state.menu === false);
  assert.equal(saved.suggestedFilename(), 'tervan-2026-12-07.png');
  const png = await h.downloadedBytes(saved);
  const { summary } = await h.replay(page);
  assert.equal(summary.saves.length, 1);
  assert.equal(summary.saves[0].name, 'tervan-2026-12-07.png');
  assert.ok(png.equals(fs.readFileSync(summary.saves[0].file)), 'the download and the desktop\'s file');
  await page.context().close();
});
