// What the browser tests share: the test page opened from file:// with a
// fixed date and clock scale, its top window's controls (which the test page
// publishes), real pointer and key input at a control's place on the
// canvas, the canvas's pixels, checkpoints, and the headless replay of the
// page's run (build/tests/web/tervan-replay).
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { buildDir, launch, pageUrl } from './browser.js';

export { launch };

// The program's resource IDs and window timers by name, read from the very
// headers the program is built from: the numbers live there only.
const sourceRoot = path.resolve(path.dirname(new URL(import.meta.url).pathname), '../..');
function readNumbers(file, pattern) {
  const text = fs.readFileSync(path.join(sourceRoot, file), 'utf8');
  return Object.fromEntries([...text.matchAll(pattern)].map((m) => [m[1], Number(m[2])]));
}
export const ids = readNumbers('res/ResourceIds.h', /^#define (ID\w+) (\d+)/gm);
export const timers = readNumbers('app/TervanDlg.h', /static constexpr UINT (k\w+Timer) = (\d+);/g);
// A Monday in December: the notebook's cover date and the random seed.
export const kDate = 1796644800;
const replayTool = process.env.TERVAN_REPLAY ||
  path.resolve(buildDir, '../build/tests/web/tervan-replay');

// Opens the test page. `faces` collects any request for a face the build
// did not embed (there must be none).
export async function openPage(browser, { scale = 1, viewport = { width: 800, height: 500 },
                                          deviceScaleFactor = 1, hasTouch = false,
                                          isMobile = false } = {}) {
  const context = await browser.newContext({ viewport, deviceScaleFactor, hasTouch, isMobile });
  const page = await context.newPage();
  page.tervanMissingFaces = [];
  page.tervanErrors = [];
  page.on('console', (m) => {
    if (m.text().includes('no embedded face')) page.tervanMissingFaces.push(m.text());
  });
  page.on('pageerror', (e) => page.tervanErrors.push(e.message));
  await page.goto(pageUrl('tervan-test.html', { date: kDate, scale }));
  return page;
}

export async function state(page) {
  return page.evaluate(() => Module.tervanTest.state);
}

// Waits until the top window is the one of template `id`.
export async function waitForWindow(page, id, timeout = 15000) {
  await page.waitForFunction((t) => Module.tervanTest.state && Module.tervanTest.state.template === t,
                             id, { timeout });
  return state(page);
}

export async function waitForControl(page, id, test, timeout = 15000) {
  await page.waitForFunction(([cid, src]) => {
    const s = Module.tervanTest.state;
    const c = s && s.controls.find((x) => x.id === cid);
    return c && new Function('c', 'return ' + src)(c);
  }, [id, test], { timeout });
}

export async function control(page, id) {
  const s = await state(page);
  return s.controls.find((c) => c.id === id);
}

// The page (CSS) point of canvas pixel (x, y).
export async function cssPoint(page, x, y) {
  return page.evaluate(([px, py]) => {
    const c = Module.tervanPage.canvas;
    const r = c.getBoundingClientRect();
    return { x: r.left + (px + 0.5) * r.width / c.width, y: r.top + (py + 0.5) * r.height / c.height };
  }, [x, y]);
}

export async function clickAt(page, x, y) {
  const p = await cssPoint(page, x, y);
  await page.mouse.click(p.x, p.y);
}

export async function tapAt(page, x, y) {
  const p = await cssPoint(page, x, y);
  await page.touchscreen.tap(p.x, p.y);
}

export async function clickControl(page, id) {
  const c = await control(page, id);
  if (!c) throw new Error('no control ' + id);
  await clickAt(page, c.x + Math.floor(c.w / 2), c.y + Math.floor(c.h / 2));
}

// Canvas pixels of the rectangle, as 0xRRGGBB numbers, row by row.
export async function pixels(page, x, y, w, h) {
  return page.evaluate(([px, py, pw, ph]) => {
    const d = Module.tervanPage.context.getImageData(px, py, pw, ph).data;
    const out = [];
    for (let i = 0; i < d.length; i += 4) out.push((d[i] << 16) | (d[i + 1] << 8) | d[i + 2]);
    return out;
  }, [x, y, w, h]);
}

export async function pixel(page, x, y) {
  return (await pixels(page, x, y, 1, 1))[0];
}

// Asks the test page for a checkpoint: it notes it in its journal and keeps
// the canvas as it stands then. Returns the canvas's RGB bytes of the
// rectangle.
export async function checkpoint(page, number, rect) {
  await page.evaluate((n) => Module.tervanPush(8, [1, n]), number);
  await page.waitForFunction((n) => Module.tervanTest.snapshots[n], number);
  return page.evaluate(([n, r]) => {
    const d = Module.tervanTest.snapshots[n];
    const width = Module.tervanPage.canvas.width;
    const out = [];
    for (let y = r.y; y < r.y + r.h; ++y)
      for (let x = r.x; x < r.x + r.w; ++x) {
        const i = 4 * (y * width + x);
        out.push(d[i], d[i + 1], d[i + 2]);
      }
    return out;
  }, [number, rect]);
}

// Replays the page's journal on the headless backend; returns its summary
// and the folder with what it drew at each checkpoint. With `mouse`, the
// keys the bench took are replayed as the clicks and drags they stand for.
export async function replay(page, { mouse = false } = {}) {
  const journal = await page.evaluate(() => Module.tervanTest.journal.join('\n') + '\n');
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'tervan-replay-'));
  fs.writeFileSync(path.join(dir, 'journal.txt'), journal);
  const out = execFileSync(replayTool, [path.join(dir, 'journal.txt'), dir, String(kDate),
                                        ...(mouse ? ['mouse'] : [])],
                           { encoding: 'utf8' });
  return { dir, summary: JSON.parse(out) };
}

export function readRgb(file) {
  return fs.readFileSync(file);
}

// How many pixels of two RGB byte arrays differ.
export function mismatches(a, b) {
  let n = 0;
  for (let i = 0; i < a.length; i += 3)
    if (a[i] !== b[i] || a[i + 1] !== b[i + 1] || a[i + 2] !== b[i + 2]) ++n;
  return n + Math.abs(a.length - b.length) / 3;
}

// The box (in pixels of a 600-wide picture) where two RGB pictures differ.
export function differingBox(a, b, width = 600) {
  let l = Infinity, t = Infinity, r = -1, bottom = -1;
  for (let i = 0; i < Math.min(a.length, b.length); i += 3) {
    if (a[i] === b[i] && a[i + 1] === b[i + 1] && a[i + 2] === b[i + 2]) continue;
    const p = i / 3, x = p % width, y = Math.floor(p / width);
    l = Math.min(l, x); r = Math.max(r, x); t = Math.min(t, y); bottom = Math.max(bottom, y);
  }
  return r < 0 ? 'nothing' : `x ${l}..${r}, y ${t}..${bottom}`;
}

// Keeps a 600 x 400 RGB picture as a PPM file beside the test's pictures.
export function writePpm(name, rgb, width = 600, height = 400) {
  const dir = path.join(buildDir, 'artefacts');
  fs.mkdirSync(dir, { recursive: true });
  fs.writeFileSync(path.join(dir, name),
                   Buffer.concat([Buffer.from(`P6\n${width} ${height}\n255\n`), Buffer.from(rgb)]));
}

// Keeps a picture of the page for a person to look at.
export async function savePicture(page, name) {
  const dir = path.join(buildDir, 'artefacts');
  fs.mkdirSync(dir, { recursive: true });
  await page.screenshot({ path: path.join(dir, name) });
}

// Types `text` into the level dialog's edit, which must have the focus.
export async function typeLevel(page, text) {
  await page.keyboard.type(text);
  await waitForControl(page, ids.IDC_LEVEL, 'c.text === ' + JSON.stringify(text));
}

// The steps most tests start with. Opens the test page and goes past the
// title dialog to the main window.
export async function start(browser, options) {
  const page = await openPage(browser, options);
  await waitForWindow(page, ids.IDD_SPLASH);
  await page.keyboard.press('Enter');
  await waitForWindow(page, ids.IDD_TERVAN_DIALOG);
  return page;
}

// "Anota valors inicials", then "Tanca Botella": the bottle rises and the
// gas timer runs.
export async function closeBottle(page) {
  await clickControl(page, ids.IDC_ANOTA_VALORS_INICIALS);
  await clickControl(page, ids.IDC_TANCA_BOTELLA);
  await waitForControl(page, ids.IDC_ANOTA_NIVELL_INICIAL, 'c.enabled');
}

// Notes `text` in the level dialog that `button` opens: Tab twice to the
// edit, type, Return.
export async function noteLevel(page, button, text) {
  await clickControl(page, button);
  await waitForWindow(page, ids.IDD_LEVEL);
  await page.keyboard.press('Tab');
  await page.keyboard.press('Tab');
  await typeLevel(page, text);
  await page.keyboard.press('Enter');
  await waitForWindow(page, ids.IDD_TERVAN_DIALOG);
}

// The part of a 600 x 400 RGB picture in `rect` (back-buffer pixels).
export function crop(rgb, rect) {
  const out = [];
  for (let y = rect.y; y < rect.y + rect.h; ++y)
    for (let x = rect.x; x < rect.x + rect.w; ++x) {
      const i = 3 * (y * 600 + x);
      out.push(rgb[i], rgb[i + 1], rgb[i + 2]);
    }
  return out;
}

// Opens the window's menu with Shift+F10, moves to item `index` (0, the
// About item, is chosen as it opens) and presses Return; resolves to the
// page's event `event` ('download', 'popup') that the choice brings.
export async function chooseFromMenu(page, index, event) {
  const happened = event ? page.waitForEvent(event) : null;
  await page.keyboard.press('Shift+F10');
  for (let i = 0; i < index; ++i) await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Enter');
  return happened ? await happened : null;
}

// The bytes of a finished download.
export async function downloadedBytes(download) {
  return fs.readFileSync(await download.path());
}
