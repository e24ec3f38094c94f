// What the tests of the page by keyboard, by single taps and by screen
// reader share: where the program's focus is, Tab to a control or a bench
// part, keys that the program has surely handled, the bench's parts as the
// test page publishes them, and the right branch brought to its mark by the
// words a screen reader reads out.
import * as h from './harness.js';

const { ids } = h;

// The stop that has the focus: "c<id>" for a control, "p<id>" for a part.
export function focusOf(s) {
  if (s.focusPart) return 'p' + s.focusPart;
  const c = s.controls.find((x) => x.focus);
  return c ? 'c' + c.id : '';
}

export async function focus(page) {
  return focusOf(await h.state(page));
}

export async function part(page, id) {
  return (await h.state(page)).parts.find((p) => p.id === id);
}

// Presses `key`, and waits until the program has taken it.
export async function press(page, key) {
  await page.keyboard.press(key);
  await page.waitForFunction(() => Module.tervanQueue.length === 0);
}

// Tab (Shift+Tab when `backwards`) until `stop` has the focus.
export async function tabTo(page, stop, backwards = false) {
  for (let i = 0; i < 40; ++i) {
    const was = await focus(page);
    if (was === stop) return;
    await page.keyboard.press(backwards ? 'Shift+Tab' : 'Tab');
    await page.waitForFunction((w) => {
      const s = Module.tervanTest.state;
      const c = s.controls.find((x) => x.focus);
      return (s.focusPart ? 'p' + s.focusPart : c ? 'c' + c.id : '') !== w;
    }, was);
  }
  throw new Error('Tab never reached ' + stop);
}

// Tab to button `id` and press it with Space.
export async function pressButton(page, id) {
  await tabTo(page, 'c' + id);
  await press(page, 'Space');
}

// The keys the window has had as WM_KEYDOWN so far.
async function keysTaken(page) {
  return page.evaluate(() => Module.tervanTest.journal.filter((l) => l.startsWith('keys ')).length);
}

// Presses each of `keys` on the focused bench part and waits until the
// window has had them all.
export async function partKeys(page, keys) {
  const before = await keysTaken(page);
  for (const k of keys) await page.keyboard.press(k);
  await page.waitForFunction((n) =>
    Module.tervanTest.journal.filter((l) => l.startsWith('keys ')).length >= n &&
    Module.tervanQueue.length === 0, before + keys.length);
}

// The keys that move the right branch by `rows` (up is negative): Page Up
// or Page Down for each centimetre, Shift with an arrow for five rows, an
// arrow for one.
export function branchKeys(rows) {
  const keys = [];
  let left = Math.abs(rows);
  const up = rows < 0;
  for (; left >= 24; left -= 24) keys.push(up ? 'PageUp' : 'PageDown');
  for (; left >= 5; left -= 5) keys.push(up ? 'Shift+ArrowUp' : 'Shift+ArrowDown');
  for (; left > 0; --left) keys.push(up ? 'ArrowUp' : 'ArrowDown');
  return keys;
}

// How far the left mercury surface stands below its mark, in rows (above:
// negative), as the right branch's words say it.
export function leftFromMark(value) {
  if (/és a la marca/.test(value)) return 0;
  const m = /és ([\d,]+) mm per (sota|sobre) de la marca/.exec(value);
  if (!m) throw new Error('no left surface in ' + value);
  const rows = Math.round(Number(m[1].replace(',', '.')) * 24 / 10);
  return m[2] === 'sota' ? rows : -rows;
}

// Brings the left surface to its mark by the right branch's keys, reading
// where it stands after each try as a screen reader would. The left surface
// moves half as far as the branch. Returns the branch's words at the end.
export async function relevel(page) {
  await tabTo(page, 'p' + ids.IDC_RIGHT_BRANCH);
  let value = (await part(page, ids.IDC_RIGHT_BRANCH)).value;
  for (let tries = 0; tries < 6 && leftFromMark(value) !== 0; ++tries) {
    await partKeys(page, branchKeys(-2 * leftFromMark(value)));
    value = (await part(page, ids.IDC_RIGHT_BRANCH)).value;
  }
  return value;
}

// Notes `text` in the level dialog that the focused button opens: Space,
// Tab twice to the edit, type, Return.
export async function noteLevelByKeys(page, button, text) {
  await pressButton(page, button);
  await h.waitForWindow(page, ids.IDD_LEVEL);
  await page.keyboard.press('Tab');
  await page.keyboard.press('Tab');
  await h.typeLevel(page, text);
  await page.keyboard.press('Enter');
  await h.waitForWindow(page, ids.IDD_TERVAN_DIALOG);
}

// The page's live region, line by line.
export async function news(page) {
  return page.evaluate(() => [...document.querySelectorAll('#news p')].map((p) => p.textContent));
}

// --- Single taps ------------------------------------------------------------

// The right branch's grab strip, in canvas pixels, and an empty corner of
// the bench a tap may land on to put the step buttons away.
export const kStripX = 21 + 350;
export const kBenchCorner = { x: 21 + 10, y: 21 + 390 };

async function pressesTaken(page) {
  return page.evaluate(() => Module.tervanTest.journal.filter((l) => /^msg \d+ 513 /.test(l)).length);
}

// Taps canvas pixel (x, y) with a finger `times` times, and waits until the
// window has had every press.
export async function tapTimes(page, x, y, times = 1) {
  const before = await pressesTaken(page);
  for (let i = 0; i < times; ++i) await h.tapAt(page, x, y);
  await page.waitForFunction((n) =>
    Module.tervanTest.journal.filter((l) => /^msg \d+ 513 /.test(l)).length >= n &&
    Module.tervanQueue.length === 0, before + times);
}

// The centre of a part, in canvas pixels.
export function centre(p) {
  return { x: p.x + Math.floor(p.w / 2), y: p.y + Math.floor(p.h / 2) };
}

// Brings the left surface to its mark with single taps: a tap on the right
// branch shows its step buttons, each tap on one moves it a row.
export async function relevelByTaps(page) {
  let value = (await part(page, ids.IDC_RIGHT_BRANCH)).value;
  if (leftFromMark(value) === 0) return value;
  if (!(await part(page, ids.IDC_STEP_UP))) {
    await tapTimes(page, kStripX, 21 + 200);
    await page.waitForFunction((id) => Module.tervanTest.state.parts.some((p) => p.id === id),
                               ids.IDC_STEP_UP);
  }
  for (let tries = 0; tries < 6 && leftFromMark(value) !== 0; ++tries) {
    const rows = -2 * leftFromMark(value);
    const button = await part(page, rows < 0 ? ids.IDC_STEP_UP : ids.IDC_STEP_DOWN);
    const at = centre(button);
    await tapTimes(page, at.x, at.y, Math.abs(rows));
    value = (await part(page, ids.IDC_RIGHT_BRANCH)).value;
  }
  return value;
}

// Notes `text` in the level dialog that button `id` opens, by taps: the
// button, the edit (a tablet shows its keyboard), the typing, "D'acord".
export async function noteLevelByTaps(page, id, text) {
  const c = await h.control(page, id);
  await h.tapAt(page, c.x + Math.floor(c.w / 2), c.y + Math.floor(c.h / 2));
  await h.waitForWindow(page, ids.IDD_LEVEL);
  const edit = await h.control(page, ids.IDC_LEVEL);
  await h.tapAt(page, edit.x + 5, edit.y + Math.floor(edit.h / 2));
  await page.waitForFunction(() => document.activeElement.id === 'typing');
  await h.typeLevel(page, text);
  const ok = await h.control(page, 1);
  await h.tapAt(page, ok.x + Math.floor(ok.w / 2), ok.y + Math.floor(ok.h / 2));
  await h.waitForWindow(page, ids.IDD_TERVAN_DIALOG);
}
