// The level dialog by the keyboard, with the page's text input behind its
// edit: the focus starts on "OK", Tab reaches the edit, typing (accents and
// the decimal comma), the caret and the selection as drawn, Backspace and
// Delete, a paste; Return notes the level, Escape notes nothing; a text
// without a number is explained by the warning dialog and noted as nothing,
// as on the desktop.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import * as h from './harness.js';

const kMain = 102, kLevel = 173, kWarning = 170;
const kSelection = 0x000080;

let browser;
before(async () => { browser = await h.launch(); });
after(async () => { await browser.close(); });

async function openLevelDialog() {
  const page = await h.openPage(browser, { scale: 0.1 });
  await h.waitForWindow(page, 168);
  await page.keyboard.press('Enter');
  await h.waitForWindow(page, kMain);
  await h.clickControl(page, 1005);
  await h.clickControl(page, 1000);
  await h.waitForControl(page, 1008, 'c.enabled');
  await h.clickControl(page, 1008);
  await h.waitForWindow(page, kLevel);
  return page;
}

async function editPixels(page) {
  const e = await h.control(page, 1007);
  return h.pixels(page, e.x, e.y, e.w, e.h);
}

async function journalTexts(page) {
  return page.evaluate(() => Module.tervanTest.journal.filter((l) => l.startsWith('text ')));
}

test('typing, caret, selection, deleting and pasting in the level edit', async () => {
  const page = await openLevelDialog();
  let s = await h.state(page);
  assert.equal(s.controls.find((c) => c.focus).id, 1); // "OK", not the edit
  assert.notEqual(await page.evaluate(() => document.activeElement.id), 'typing');
  await page.keyboard.press('Tab');
  await page.keyboard.press('Tab');
  s = await h.state(page);
  assert.equal(s.controls.find((c) => c.focus).id, 1007);
  // The real text input stands over the edit and has the keyboard.
  assert.equal(await page.evaluate(() => document.activeElement.id), 'typing');
  const e = s.controls.find((c) => c.id === 1007);
  const box = await page.evaluate(() => document.getElementById('typing').getBoundingClientRect().toJSON());
  const at = await h.cssPoint(page, e.x, e.y);
  assert.ok(Math.abs(box.left - (at.x - 0.5)) < 1.5 && Math.abs(box.top - (at.y - 0.5)) < 1.5);

  const empty = await editPixels(page);
  await h.typeLevel(page, '21,75');
  const typed = await editPixels(page);
  assert.notDeepEqual(typed, empty);
  assert.ok(typed.includes(0x000000)); // the text and the caret
  await page.keyboard.press('Backspace');
  await h.waitForControl(page, 1007, 'c.text === "21,7"');
  await page.keyboard.press('Home');
  await page.keyboard.press('Delete');
  await h.waitForControl(page, 1007, 'c.text === "1,7"');
  await page.keyboard.type('2');
  await h.waitForControl(page, 1007, 'c.text === "21,7"');
  // A selection shows in the selection colour, and typing replaces it.
  await page.keyboard.press('Shift+End');
  await page.waitForFunction(() => true);
  await page.waitForTimeout(100);
  assert.ok((await editPixels(page)).includes(kSelection));
  await page.keyboard.type('à');
  await h.waitForControl(page, 1007, 'c.text === "2à"');
  // A paste replaces the selection as typing does.
  await page.keyboard.press('Control+A');
  await page.evaluate(() => document.execCommand('insertText', false, '19,25'));
  await h.waitForControl(page, 1007, 'c.text === "19,25"');
  await page.keyboard.press('Enter');
  await h.waitForWindow(page, kMain);
  // The level is noted: the next step opens.
  await h.waitForControl(page, 1002, 'c.enabled');
  assert.equal((await journalTexts(page)).at(-1), 'text 1 1007 19,25');
});

test('Escape notes nothing; a text without a number is explained, as on the desktop', async () => {
  const page = await openLevelDialog();
  await page.keyboard.press('Tab');
  await page.keyboard.press('Tab');
  await h.typeLevel(page, '20');
  await page.keyboard.press('Escape');
  await h.waitForWindow(page, kMain);
  assert.equal((await h.control(page, 1008)).enabled, true);
  assert.equal((await h.control(page, 1002)).enabled, false);

  for (const text of ['abc', 'cm', ',']) {
    await h.clickControl(page, 1008);
    await h.waitForWindow(page, kLevel);
    await page.keyboard.press('Tab');
    await page.keyboard.press('Tab');
    await h.typeLevel(page, text);
    await page.keyboard.press('Enter');
    const warning = await h.waitForWindow(page, kWarning);
    assert.match(warning.controls.find((c) => c.id === 1005).text, /12,5/, text);
    await page.keyboard.press('Enter');
    await h.waitForWindow(page, kMain);
    assert.equal((await h.control(page, 1008)).enabled, true, text);
    assert.equal((await h.control(page, 1002)).enabled, false, text);
  }
  // Return at once, with the focus still on "OK", gives an empty text.
  await h.clickControl(page, 1008);
  await h.waitForWindow(page, kLevel);
  await page.keyboard.press('Enter');
  await h.waitForWindow(page, kWarning);
  await page.keyboard.press('Enter');
  await h.waitForWindow(page, kMain);
  assert.equal((await h.control(page, 1002)).enabled, false);
});
