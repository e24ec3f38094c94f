// The page by single taps and clicks, no finger or mouse moving while it is
// down: the step buttons beside the right branch (drawn over the bench at
// 24 CSS pixels or more, a row a tap, repeating while held, gone after a tap
// elsewhere), and a whole practical of nine rows by taps alone, replayed on
// the desktop's headless build: the canvas shows its back buffer at every
// checkpoint, and the graph page's equation is the desktop's.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import * as a from './access.js';
import * as h from './harness.js';

const { ids, timers } = h;

const kMain = ids.IDD_TERVAN_DIALOG;
const backBuffer = { x: 21, y: 21, w: 600, h: 400 };
const kLevels = ['20,4', '20,9', '21,5', '22', '22,6', '23,1', '23,7', '24,2'];
const kFace = 0xc0c0c0, kBlack = 0x000000;

let browser;
before(async () => { browser = await h.launch(); });
after(async () => { await browser.close(); });

async function branchNow(page) {
  return (await a.part(page, ids.IDC_RIGHT_BRANCH)).now;
}

test('the step buttons: drawn big enough for a finger, a row a tap, repeating while held', async () => {
  const page = await h.start(browser, { hasTouch: true, scale: 0.1 });
  const strip = { x: a.kStripX + 12, y: 21 + 150, w: 26, h: 120 };
  const bare = await h.pixels(page, strip.x, strip.y, strip.w, strip.h);
  assert.equal(await a.part(page, ids.IDC_STEP_UP), undefined);

  // A tap on the branch that does not move it shows them, beside the row.
  const start = await branchNow(page);
  await a.tapTimes(page, a.kStripX, 21 + 200);
  await page.waitForFunction((id) => Module.tervanTest.state.parts.some((p) => p.id === id), ids.IDC_STEP_UP);
  assert.equal(await branchNow(page), start);
  const cssPerPixel = await page.evaluate(() =>
    Module.tervanPage.canvas.getBoundingClientRect().width / Module.tervanPage.canvas.width);
  const up = await a.part(page, ids.IDC_STEP_UP), down = await a.part(page, ids.IDC_STEP_DOWN);
  for (const b of [up, down]) {
    assert.ok(b.painted);
    assert.ok(b.w * cssPerPixel >= 24 && b.h * cssPerPixel >= 24, `${b.w} x ${b.h} at ${cssPerPixel}`);
    // A black outline, the button's face, and its arrow in black.
    assert.equal(await h.pixel(page, b.x, b.y + 12), kBlack);
    assert.equal(await h.pixel(page, b.x + 4, b.y + 4), kFace);
    assert.equal(await h.pixel(page, b.x + 12, b.y + 12), kBlack);
  }
  assert.ok(up.y + up.h <= 21 + 201 && down.y >= 21 + 200);

  // A finger's tap and a mouse's click move the branch one row each.
  const u = a.centre(up), d = a.centre(down);
  await a.tapTimes(page, u.x, u.y);
  assert.equal(await branchNow(page), start + 1);
  const p = await h.cssPoint(page, d.x, d.y);
  await page.mouse.click(p.x, p.y);
  await page.waitForFunction((s) => Module.tervanTest.state.parts.find((q) => q.id === s.id).now === s.now,
                             { id: ids.IDC_RIGHT_BRANCH, now: start });

  // Held, a button goes on moving the branch until it is let go.
  const cdp = await page.context().newCDPSession(page);
  const at = await h.cssPoint(page, d.x, d.y);
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [at] });
  await page.waitForFunction((s) => Module.tervanTest.state.parts.find((q) => q.id === s.id).now <= s.now - 4,
                             { id: ids.IDC_RIGHT_BRANCH, now: start });
  assert.ok((await a.part(page, ids.IDC_STEP_DOWN)).pressed);
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  await page.waitForFunction(() => Module.tervanQueue.length === 0);
  const held = await branchNow(page);
  const stepTicks = await page.evaluate((id) => Module.tervanTest.ticks[id] || 0, timers.kStepTimer);
  const drift = await page.evaluate((id) => Module.tervanTest.ticks[id] || 0, timers.kDriftTimer);
  await page.waitForFunction(([id, n]) => (Module.tervanTest.ticks[id] || 0) >= n + 2,
                             [timers.kDriftTimer, drift]);
  assert.equal(await branchNow(page), held);
  assert.equal(await page.evaluate((id) => Module.tervanTest.ticks[id] || 0, timers.kStepTimer), stepTicks);
  assert.equal((await a.part(page, ids.IDC_STEP_DOWN)).pressed, false);

  // A tap elsewhere puts them away, and the bench is as it was.
  await a.tapTimes(page, a.kBenchCorner.x, a.kBenchCorner.y);
  await page.waitForFunction((id) => !Module.tervanTest.state.parts.some((q) => q.id === id), ids.IDC_STEP_UP);
  await a.tapTimes(page, a.kStripX, 21 + 200);
  await page.waitForFunction((id) => Module.tervanTest.state.parts.some((q) => q.id === id), ids.IDC_STEP_UP);
  await a.tapTimes(page, a.kBenchCorner.x, a.kBenchCorner.y);
  await page.waitForFunction((id) => !Module.tervanTest.state.parts.some((q) => q.id === id), ids.IDC_STEP_UP);
  const moved = held - start;
  // The branch stands `moved` rows higher; back where it started, the
  // canvas there is exactly as before any button showed.
  await a.tapTimes(page, a.kStripX, 21 + 200);
  const back = await a.part(page, moved > 0 ? ids.IDC_STEP_DOWN : ids.IDC_STEP_UP);
  const b = a.centre(back);
  await a.tapTimes(page, b.x, b.y, Math.abs(moved));
  await a.tapTimes(page, a.kBenchCorner.x, a.kBenchCorner.y);
  assert.equal(await branchNow(page), start);
  assert.deepEqual(await h.pixels(page, strip.x, strip.y, strip.w, strip.h), bare);
});

test('a practical of nine rows by single taps alone draws what the desktop draws', async () => {
  const page = await h.openPage(browser, { scale: 0.1, hasTouch: true });
  const title = await h.waitForWindow(page, ids.IDD_SPLASH);
  const enter = title.controls.find((c) => c.id === 1);
  await h.tapAt(page, enter.x + 10, enter.y + 10);
  await h.waitForWindow(page, kMain);
  await page.waitForFunction(() => Module.tervanTest.journal.some((l) => l === 'msg 0 15 0 0'));
  const shots = {};
  shots[1] = await h.checkpoint(page, 1, backBuffer);

  const tapButton = async (id) => {
    const c = await h.control(page, id);
    await h.tapAt(page, c.x + Math.floor(c.w / 2), c.y + Math.floor(c.h / 2));
  };
  await tapButton(ids.IDC_ANOTA_VALORS_INICIALS);
  await h.waitForControl(page, ids.IDC_TANCA_BOTELLA, 'c.enabled');
  await tapButton(ids.IDC_TANCA_BOTELLA);
  await h.waitForControl(page, ids.IDC_ANOTA_NIVELL_INICIAL, 'c.enabled');
  assert.match(await a.relevelByTaps(page), /és a la marca/);
  await a.noteLevelByTaps(page, ids.IDC_ANOTA_NIVELL_INICIAL, '20');
  await a.tapTimes(page, a.kBenchCorner.x, a.kBenchCorner.y); // the step buttons go
  shots[2] = await h.checkpoint(page, 2, backBuffer);

  await a.tapTimes(page, 21 + 259, 21 + 139); // the valve
  await page.waitForFunction((id) => Module.tervanTest.state.parts.find((p) => p.id === id).value === 'tancada',
                             ids.IDC_VALVE);
  await tapButton(ids.IDC_SUBMERGIR_BOTELLA);
  await h.waitForControl(page, ids.IDC_ANOTACIO, 'c.enabled', 30000);
  for (let row = 0; row < kLevels.length; ++row) {
    await tapButton(row < 6 ? ids.IDC_ESCALFAR_AIGUA : ids.IDC_REFREDAR_AIGUA);
    await page.waitForTimeout(150);
    await a.relevelByTaps(page);
    await a.noteLevelByTaps(page, ids.IDC_ANOTACIO, kLevels[row]);
  }
  await tapButton(ids.IDC_PAGE_NEXT);
  await a.tapTimes(page, a.kBenchCorner.x, a.kBenchCorner.y);
  await page.waitForTimeout(100);
  shots[3] = await h.checkpoint(page, 3, backBuffer);
  await h.savePicture(page, 'web-taps-graph.png');

  const { dir, summary } = await h.replay(page);
  assert.equal(summary.replayed, summary.entries);
  for (const n of [1, 2, 3]) {
    const desktop = h.readRgb(summary.checkpoints[n].file);
    assert.equal(h.mismatches(shots[n], desktop), 0,
                 `checkpoint ${n}: canvas and back buffer differ in ${h.differingBox(shots[n], desktop)}`);
  }
  const graph = summary.checkpoints[3];
  assert.equal(graph.rows, 9);
  assert.equal(graph.page, '-3-');
  const line = graph.equationBox;
  assert.equal(h.mismatches(h.crop(shots[3], line), h.crop(h.readRgb(`${dir}/check-3-equation.rgb`), line)), 0,
               graph.equation);
  console.log(`graph page equation by taps: ${graph.equation}`);
  // No finger moved while it was down: the page had no pointer moves with
  // the button held.
  const journal = await page.evaluate(() => Module.tervanTest.journal);
  assert.equal(journal.filter((l) => /^msg \d+ 512 1 /.test(l)).length, 0);
  assert.deepEqual(page.tervanErrors, []);
});
