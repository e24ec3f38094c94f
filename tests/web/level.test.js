// The level dialog by the keyboard, with the page's text input behind its
// edit: the focus starts on "OK", Tab reaches the edit, typing (accents and
// the decimal comma), the caret and the selection as drawn, Backspace and
// Delete, a paste; Return notes the level, Escape notes nothing; a text
// without a number is explained by the warning dialog and noted as nothing,
// as on the desktop.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import * as h from './harness.js';

const { ids } = h;

const kMain = ids.IDD_TERVAN_DIALOG, kLevel = ids.IDD_LEVEL, kWarning = ids.IDD_WARNING;
const kSelection = 0x000080;

let browser;
before(async () => { browser = await h.launch(); });
after(async () => { await browser.close(); });

async function openLevelDialog() {
  const page = await h.start(browser, { scale: 0.1 });
  await h.closeBottle(page);
  await h.clickControl(page, ids.IDC_ANOTA_NIVELL_INICIAL);
  await h.waitForWindow(page, kLevel);
  return page;
}

async function editPixels(page) {
  const e = await h.control(page, ids.IDC_LEVEL);
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
  assert.equal(s.controls.find((c) => c.focus).id, ids.IDC_LEVEL);
  // The real text input stands over the edit and has the keyboard.
  assert.equal(await page.evaluate(() => document.activeElement.id), 'typing');
  const e = s.controls.find((c) => c.id === ids.IDC_LEVEL);
  const box = await page.evaluate(() => document.getElementById('typing').getBoundingClientRect().toJSON());
  const at = await h.cssPoint(page, e.x, e.y);
  assert.ok(Math.abs(box.left - (at.x - 0.5)) < 1.5 && Math.abs(box.top - (at.y - 0.5)) < 1.5);

  const empty = await editPixels(page);
  await h.typeLevel(page, '21,75');
  const typed = await editPixels(page);
  assert.notDeepEqual(typed, empty);
  assert.ok(typed.includes(0x000000)); // the text and the caret
  await page.keyboard.press('Backspace');
  await h.waitForControl(page, ids.IDC_LEVEL, 'c.text === "21,7"');
  await page.keyboard.press('Home');
  await page.keyboard.press('Delete');
  await h.waitForControl(page, ids.IDC_LEVEL, 'c.text === "1,7"');
  await page.keyboard.type('2');
  await h.waitForControl(page, ids.IDC_LEVEL, 'c.text === "21,7"');
  // A selection shows in the selection colour, and typing replaces it.
  await page.keyboard.press('Shift+End');
  await page.waitForFunction(() => true);
  await page.waitForTimeout(100);
  assert.ok((await editPixels(page)).includes(kSelection));
  await page.keyboard.type('à');
  await h.waitForControl(page, ids.IDC_LEVEL, 'c.text === "2à"');
  // A paste replaces the selection as typing does.
  await page.keyboard.press('Control+A');
  await page.evaluate(() => document.execCommand('insertText', false, '19,25'));
  await h.waitForControl(page, ids.IDC_LEVEL, 'c.text === "19,25"');
  await page.keyboard.press('Enter');
  await h.waitForWindow(page, kMain);
  // The level is noted: the next step opens.
  await h.waitForControl(page, ids.IDC_SUBMERGIR_BOTELLA, 'c.enabled');
  assert.equal((await journalTexts(page)).at(-1), `text 1 ${ids.IDC_LEVEL} 19,25`);
});

test('Escape notes nothing; a text without a number is explained, as on the desktop', async () => {
  const page = await openLevelDialog();
  await page.keyboard.press('Tab');
  await page.keyboard.press('Tab');
  await h.typeLevel(page, '20');
  await page.keyboard.press('Escape');
  await h.waitForWindow(page, kMain);
  assert.equal((await h.control(page, ids.IDC_ANOTA_NIVELL_INICIAL)).enabled, true);
  assert.equal((await h.control(page, ids.IDC_SUBMERGIR_BOTELLA)).enabled, false);

  for (const text of ['abc', 'cm', ',']) {
    await h.clickControl(page, ids.IDC_ANOTA_NIVELL_INICIAL);
    await h.waitForWindow(page, kLevel);
    await page.keyboard.press('Tab');
    await page.keyboard.press('Tab');
    await h.typeLevel(page, text);
    await page.keyboard.press('Enter');
    const warning = await h.waitForWindow(page, kWarning);
    assert.match(warning.controls.find((c) => c.id === ids.IDC_WARNING_TEXT).text, /12,5/, text);
    await page.keyboard.press('Enter');
    await h.waitForWindow(page, kMain);
    assert.equal((await h.control(page, ids.IDC_ANOTA_NIVELL_INICIAL)).enabled, true, text);
    assert.equal((await h.control(page, ids.IDC_SUBMERGIR_BOTELLA)).enabled, false, text);
  }
  // Return at once, with the focus still on "OK", gives an empty text.
  await h.clickControl(page, ids.IDC_ANOTA_NIVELL_INICIAL);
  await h.waitForWindow(page, kLevel);
  await page.keyboard.press('Enter');
  await h.waitForWindow(page, kWarning);
  await page.keyboard.press('Enter');
  await h.waitForWindow(page, kMain);
  assert.equal((await h.control(page, ids.IDC_SUBMERGIR_BOTELLA)).enabled, false);
});
