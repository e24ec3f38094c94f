// A whole practical in the page, with the clock ten times as fast: nine
// rows noted (the initial level and eight more), then the graph page. Three
// checkpoints (the bench at the start, the bottle closed with its level
// noted, the graph page) are compared with what the headless build draws
// when it replays the page's run (the same messages in the same order):
// the canvas must show the back buffer pixel for pixel, and the graph
// page's equation read off the canvas must be the desktop's for the same
// rows. The table downloaded from the window's menu must be, byte for
// byte, the file the desktop saves.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import * as h from './harness.js';

const { ids, timers } = h;

const kMain = ids.IDD_TERVAN_DIALOG;
const backBuffer = { x: 21, y: 21, w: 600, h: 400 };
// The scripted levels, one per row, in centimetres with a decimal comma.
const kLevels = ['20,4', '20,9', '21,5', '22', '22,6', '23,1', '23,7', '24,2'];

let browser;
before(async () => { browser = await h.launch(); });
after(async () => { await browser.close(); });

test('a practical of nine rows: the canvas shows what the desktop draws', async () => {
  const page = await h.openPage(browser, { scale: 0.1 });
  await h.waitForWindow(page, ids.IDD_SPLASH);
  await page.keyboard.press('Enter');
  await h.waitForWindow(page, kMain);
  await page.waitForFunction(() => Module.tervanTest.journal.some((l) => l === 'msg 0 15 0 0'));
  const shots = {};
  shots[1] = await h.checkpoint(page, 1, backBuffer);

  await h.clickControl(page, ids.IDC_ANOTA_VALORS_INICIALS);
  await h.clickControl(page, ids.IDC_TANCA_BOTELLA);
  await h.waitForControl(page, ids.IDC_ANOTA_NIVELL_INICIAL, 'c.enabled');
  await h.noteLevel(page, ids.IDC_ANOTA_NIVELL_INICIAL, '20');
  shots[2] = await h.checkpoint(page, 2, backBuffer);

  await h.clickAt(page, 21 + 259, 21 + 139); // shut the valve
  await page.waitForFunction((id) => (Module.tervanTest.ticks[id] || 0) >= 5, timers.kValveTimer);
  await h.clickControl(page, ids.IDC_SUBMERGIR_BOTELLA);
  await h.waitForControl(page, ids.IDC_ANOTACIO, 'c.enabled', 30000);
  for (const level of kLevels) {
    await h.clickControl(page, ids.IDC_ESCALFAR_AIGUA); // warm the water, let the gas follow a little
    await page.waitForTimeout(150);
    await h.noteLevel(page, ids.IDC_ANOTACIO, level);
  }
  // The last row is on page 2; the graph page follows it.
  await h.clickControl(page, ids.IDC_PAGE_NEXT);
  await page.waitForTimeout(100);
  shots[3] = await h.checkpoint(page, 3, backBuffer);
  await h.savePicture(page, 'web-practical-graph.png');
  // The table, from the window's menu opened by the keyboard: its second
  // item, after the About item.
  const download = await h.chooseFromMenu(page, 1, 'download');
  const csv = await h.downloadedBytes(download);

  const { dir, summary } = await h.replay(page);
  assert.equal(summary.replayed, summary.entries);
  // The download is the very file the desktop saves for the same practical.
  assert.equal(summary.saves.length, 1);
  assert.equal(download.suggestedFilename(), 'tervan-2026-12-07.csv');
  assert.equal(summary.saves[0].name, download.suggestedFilename());
  assert.ok(csv.equals(h.readRgb(summary.saves[0].file)), 'the download and the desktop\'s file');
  assert.equal(csv.toString('utf8').split('\r\n').filter((l) => /^\d+;/.test(l)).length, 9);
  for (const n of [1, 2, 3]) {
    const desktop = h.readRgb(summary.checkpoints[n].file);
    h.writePpm(`check-${n}-canvas.ppm`, shots[n]);
    assert.equal(summary.checkpoints[n].clientMismatches, 0, `checkpoint ${n}: window`);
    assert.equal(h.mismatches(shots[n], desktop), 0,
                 `checkpoint ${n}: canvas and back buffer differ in ${h.differingBox(shots[n], desktop)}`);
  }
  const graph = summary.checkpoints[3];
  assert.equal(graph.rows, 9);
  assert.equal(graph.page, '-3-');
  // The equation as the canvas shows it: drawn by the desktop over the empty
  // page, the desktop's equation covers the canvas's pixels there exactly;
  // one degree off in the intercept does not.
  const line = graph.equationBox;
  const canvasLine = h.crop(shots[3], line);
  assert.equal(h.mismatches(canvasLine, h.crop(h.readRgb(`${dir}/check-3-equation.rgb`), line)), 0,
               graph.equation);
  assert.ok(h.mismatches(canvasLine, h.crop(h.readRgb(`${dir}/check-3-wrong.rgb`), line)) > 0);
  assert.match(graph.equation, /^T\(ºC\) = \d\.\d{3} P  [+-]\d+$/);
  console.log(`graph page equation: ${graph.equation}`);
  assert.deepEqual(page.tervanMissingFaces, []);
});
