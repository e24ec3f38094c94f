// The deepest nesting the program reaches, which the page's Asyncify stack
// must hold: the level dialog's loop runs a gas tick whose manometer raises
// the spill warning, and the warning's own loop runs further gas ticks.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import * as h from './harness.js';

const { ids, timers } = h;

const kMain = ids.IDD_TERVAN_DIALOG, kLevel = ids.IDD_LEVEL, kWarning = ids.IDD_WARNING;
const kMercury = 0xadadad;
const origin = 21;

let browser;
before(async () => { browser = await h.launch(); });
after(async () => { await browser.close(); });

// The left surface's row: the first mercury row of column 258 below the valve
// (the pen's round end reaches 3 rows above the surface).
async function leftSurface(page) {
  const column = await h.pixels(page, origin + 258, origin + 164, 1, 236);
  const top = column.indexOf(kMercury);
  return top < 0 ? -1 : 164 + top + 3;
}

test('a gas tick in the level dialog raises the spill warning, whose loop ticks on', async () => {
  const page = await h.start(browser, { scale: 0.1 });
  await h.closeBottle(page);
  await h.noteLevel(page, ids.IDC_ANOTA_NIVELL_INICIAL, '20');
  await h.clickAt(page, origin + 259, origin + 139); // shut the valve
  await page.waitForFunction((id) => (Module.tervanTest.ticks[id] || 0) >= 5, timers.kValveTimer);
  await h.clickControl(page, ids.IDC_SUBMERGIR_BOTELLA); // the tap water is colder: the gas cools
  await h.waitForControl(page, ids.IDC_ANOTACIO, 'c.enabled', 30000);

  // Raise the right branch until the left surface stands a little above the
  // bottle's tube: the cooling gas then pulls it in, tick by tick.
  const L = await leftSurface(page);
  assert.ok(L > 180, `left surface at ${L}`);
  const from = await h.cssPoint(page, 371, origin + 300);
  const to = await h.cssPoint(page, 371, origin + 300 - 2 * (L - 178));
  await page.mouse.move(from.x, from.y);
  await page.mouse.down();
  await page.mouse.move(to.x, to.y, { steps: 10 });
  await page.mouse.up();
  assert.equal((await h.state(page)).template, kMain);
  await h.clickControl(page, ids.IDC_ANOTACIO);
  await h.waitForWindow(page, kLevel);
  const warning = await h.waitForWindow(page, kWarning, 20000);
  assert.equal(warning.depth, 2); // over the level dialog, over the bench
  assert.match(warning.controls.find((c) => c.id === ids.IDC_WARNING_TEXT).text, /per avall/);
  // Gas ticks go on inside the warning's loop.
  const depth2Ticks = () => Module.tervanTest.journal.filter((l) => l === 'msg 0 275 3 0').length;
  const ticksNow = await page.evaluate(depth2Ticks);
  await page.waitForFunction((n) => Module.tervanTest.journal.filter((l) => l === 'msg 0 275 3 0').length > n + 3,
                             ticksNow);
  assert.equal((await h.state(page)).template, kWarning);
  await page.keyboard.press('Enter');
  await h.waitForWindow(page, kLevel);
  await page.keyboard.press('Escape');
  await h.waitForWindow(page, kMain);
  assert.deepEqual(page.tervanErrors, []);
});
