// A whole practical in the page with the keyboard alone, the clock ten
// times as fast: Tab to each procedure button and bench part, Space and
// Return, the right branch's arrows and page keys to bring the left mercury
// surface to its mark (read from what a screen reader hears), nine rows
// while heating and cooling, then the graph page. After each procedure
// button and each dialog the focus is on the next step. The run is
// replayed on the desktop's headless build twice, as it was and with each
// key the bench took turned into the mouse's click or drag: the canvas
// shows both back buffers at every checkpoint, and the graph page's
// equation is the mouse run's.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import * as a from './access.js';
import * as h from './harness.js';

const { ids } = h;

const kMain = ids.IDD_TERVAN_DIALOG;
const backBuffer = { x: 21, y: 21, w: 600, h: 400 };
const kLevels = ['20,4', '20,9', '21,5', '22', '22,6', '23,1', '23,7', '24,2'];

let browser;
before(async () => { browser = await h.launch(); });
after(async () => { await browser.close(); });

test('a practical of nine rows by the keyboard alone draws what the mouse draws', async () => {
  const page = await h.openPage(browser, { scale: 0.1 });
  await h.waitForWindow(page, ids.IDD_SPLASH);
  await a.press(page, 'Enter');
  await h.waitForWindow(page, kMain);
  await page.waitForFunction(() => Module.tervanTest.journal.some((l) => l === 'msg 0 15 0 0'));
  assert.equal(await a.focus(page), 'c1', '"Sortir" has the focus as the window opens');
  const shots = {};
  shots[1] = await h.checkpoint(page, 1, backBuffer);

  // Each procedure button hands the focus on to the next step as it
  // disables itself.
  await a.pressButton(page, ids.IDC_ANOTA_VALORS_INICIALS);
  await h.waitForControl(page, ids.IDC_TANCA_BOTELLA, 'c.enabled && c.focus');
  await a.press(page, 'Space');
  await h.waitForControl(page, ids.IDC_ANOTA_NIVELL_INICIAL, 'c.enabled && c.focus');
  assert.match(await a.relevel(page), /és a la marca/);
  await a.noteLevelByKeys(page, ids.IDC_ANOTA_NIVELL_INICIAL, '20');
  await h.waitForControl(page, ids.IDC_SUBMERGIR_BOTELLA, 'c.focus');
  shots[2] = await h.checkpoint(page, 2, backBuffer);

  await a.tabTo(page, 'p' + ids.IDC_VALVE);
  await a.partKeys(page, ['Space']);
  await page.waitForFunction((id) => Module.tervanTest.state.parts.find((p) => p.id === id).value === 'tancada',
                             ids.IDC_VALVE);
  await a.pressButton(page, ids.IDC_SUBMERGIR_BOTELLA);
  await h.waitForControl(page, ids.IDC_ANOTACIO, 'c.enabled && c.focus', 30000);
  for (let row = 0; row < kLevels.length; ++row) {
    await a.pressButton(page, row < 6 ? ids.IDC_ESCALFAR_AIGUA : ids.IDC_REFREDAR_AIGUA);
    await page.waitForTimeout(150);
    await a.relevel(page);
    await a.noteLevelByKeys(page, ids.IDC_ANOTACIO, kLevels[row]);
    // The focus comes back to "Anotació" after its dialog.
    assert.equal(await a.focus(page), 'c' + ids.IDC_ANOTACIO, `row ${row + 2}`);
  }
  await a.pressButton(page, ids.IDC_PAGE_NEXT);
  await page.waitForFunction(() => Module.tervanQueue.length === 0);
  await page.waitForTimeout(100);
  shots[3] = await h.checkpoint(page, 3, backBuffer);
  await h.savePicture(page, 'web-keyboard-graph.png');

  const keyboard = await h.replay(page);
  const mouse = await h.replay(page, { mouse: true });
  assert.equal(keyboard.summary.replayed, keyboard.summary.entries);
  assert.equal(mouse.summary.replayed, mouse.summary.entries);
  for (const n of [1, 2, 3]) {
    const desktop = h.readRgb(keyboard.summary.checkpoints[n].file);
    assert.equal(keyboard.summary.checkpoints[n].clientMismatches, 0, `checkpoint ${n}: window`);
    assert.equal(h.mismatches(shots[n], desktop), 0,
                 `checkpoint ${n}: canvas and back buffer differ in ${h.differingBox(shots[n], desktop)}`);
    assert.equal(h.mismatches(h.readRgb(mouse.summary.checkpoints[n].file), desktop), 0,
                 `checkpoint ${n}: the mouse's back buffer`);
  }
  const graph = keyboard.summary.checkpoints[3];
  assert.equal(graph.rows, 9);
  assert.equal(graph.page, '-3-');
  assert.equal(graph.equation, mouse.summary.checkpoints[3].equation);
  const line = graph.equationBox;
  assert.equal(h.mismatches(h.crop(shots[3], line), h.crop(h.readRgb(`${keyboard.dir}/check-3-equation.rgb`), line)), 0,
               graph.equation);
  console.log(`graph page equation by keys: ${graph.equation}`);
  // Every row noted was news in the live region.
  const lines = await a.news(page);
  assert.equal(lines.filter((l) => l.startsWith('Anotada la mesura')).length, 9);
  assert.match(lines[lines.length - 1], /^Anotada la mesura 9: [\d,]+ ºC, 24,2 cm$/);
  assert.deepEqual(page.tervanErrors, []);
});
