// The procedure through the page's real input: every procedure button and
// its enabling, the valve clicked and tapped, the right branch dragged by the
// mouse and by a finger.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import * as h from './harness.js';

const { ids, timers } = h;

const kMain = ids.IDD_TERVAN_DIALOG, kWarning = ids.IDD_WARNING;
const kMercury = 0xadadad;
const kProcedure = [ids.IDC_ANOTA_VALORS_INICIALS, ids.IDC_TANCA_BOTELLA, ids.IDC_ANOTA_NIVELL_INICIAL, ids.IDC_SUBMERGIR_BOTELLA, ids.IDC_ESCALFAR_AIGUA, ids.IDC_REFREDAR_AIGUA, ids.IDC_ANOTACIO];
const origin = 21; // the back buffer's (0, 0) on the canvas

let browser;
before(async () => { browser = await h.launch(); });
after(async () => { await browser.close(); });

async function enabled(page) {
  const s = await h.state(page);
  return kProcedure.filter((id) => s.controls.find((c) => c.id === id).enabled);
}

// The valve's picture, 44 x 44 around its centre at back-buffer (259, 139).
async function valve(page) {
  return h.pixels(page, origin + 237, origin + 117, 44, 44);
}

// The first mercury row of the right branch's column, in back-buffer rows.
async function rightSurface(page) {
  const column = await h.pixels(page, origin + 356, origin, 1, 400);
  return column.indexOf(kMercury);
}

test('every procedure button opens the next step, in order', async () => {
  const page = await h.start(browser, { scale: 0.1 });
  assert.deepEqual(await enabled(page), [ids.IDC_ANOTA_VALORS_INICIALS]);
  await h.clickControl(page, ids.IDC_ANOTA_VALORS_INICIALS);
  await h.waitForControl(page, ids.IDC_TANCA_BOTELLA, 'c.enabled');
  assert.deepEqual(await enabled(page), [ids.IDC_TANCA_BOTELLA]);
  await h.clickControl(page, ids.IDC_TANCA_BOTELLA); // the bottle rises onto its stopper
  await h.waitForControl(page, ids.IDC_ANOTA_NIVELL_INICIAL, 'c.enabled');
  assert.equal((await h.control(page, ids.IDC_TANCA_BOTELLA)).text, 'Botella tancada');
  assert.deepEqual(await enabled(page), [ids.IDC_ANOTA_NIVELL_INICIAL]);
  await h.noteLevel(page, ids.IDC_ANOTA_NIVELL_INICIAL, '20,5');
  assert.deepEqual(await enabled(page), [ids.IDC_SUBMERGIR_BOTELLA]);
  // Submerging with the valve open is refused with a warning.
  await h.clickControl(page, ids.IDC_SUBMERGIR_BOTELLA);
  await h.waitForWindow(page, kWarning);
  await page.keyboard.press('Enter');
  await h.waitForWindow(page, kMain);
  assert.deepEqual(await enabled(page), [ids.IDC_SUBMERGIR_BOTELLA]);
  await h.clickAt(page, origin + 259, origin + 139); // the valve shuts the air in
  await page.waitForTimeout(200);
  await h.clickControl(page, ids.IDC_SUBMERGIR_BOTELLA);
  await h.waitForControl(page, ids.IDC_ANOTACIO, 'c.enabled', 30000);
  assert.equal((await h.control(page, ids.IDC_SUBMERGIR_BOTELLA)).text, 'Botella submergida');
  assert.deepEqual(await enabled(page), [ids.IDC_ESCALFAR_AIGUA, ids.IDC_REFREDAR_AIGUA, ids.IDC_ANOTACIO]);
  // Heating and cooling hold the window while the water's ramp runs.
  await h.clickControl(page, ids.IDC_ESCALFAR_AIGUA);
  await h.clickControl(page, ids.IDC_REFREDAR_AIGUA);
  await h.noteLevel(page, ids.IDC_ANOTACIO, '21');
  assert.deepEqual(await enabled(page), [ids.IDC_ESCALFAR_AIGUA, ids.IDC_REFREDAR_AIGUA, ids.IDC_ANOTACIO]);
  // The page buttons turn the notebook: "1" opens the cover again.
  const before = await h.pixels(page, origin + 400, origin + 60, 190, 280);
  await h.clickControl(page, ids.IDC_PAGE_FIRST);
  await page.waitForTimeout(200);
  assert.notDeepEqual(await h.pixels(page, origin + 400, origin + 60, 190, 280), before);
  await h.clickControl(page, ids.IDC_PAGE_NEXT);
  await page.waitForTimeout(200);
  assert.deepEqual(await h.pixels(page, origin + 400, origin + 60, 190, 280), before);
  assert.deepEqual(page.tervanErrors, []);
});

test('the valve turns when clicked and when tapped', async () => {
  for (const touch of [false, true]) {
    const page = await h.start(browser, { hasTouch: touch });
    const open = await valve(page);
    if (touch) await h.tapAt(page, origin + 259, origin + 139);
    else await h.clickAt(page, origin + 259, origin + 139);
    // Five frames of 30 ms; the closed valve then stays.
    await page.waitForFunction((id) => (Module.tervanTest.ticks[id] || 0) >= 5, timers.kValveTimer);
    await page.waitForTimeout(100);
    const closed = await valve(page);
    assert.notDeepEqual(closed, open, touch ? 'tapped' : 'clicked');
    if (touch) await h.tapAt(page, origin + 259, origin + 139);
    else await h.clickAt(page, origin + 259, origin + 139);
    await page.waitForFunction((id) => (Module.tervanTest.ticks[id] || 0) >= 10, timers.kValveTimer);
    await page.waitForTimeout(100);
    assert.deepEqual(await valve(page), open);
    await page.context().close();
  }
});

// Drags with a finger through the DevTools protocol's touch events.
async function touchDrag(page, x, y0, y1) {
  const cdp = await page.context().newCDPSession(page);
  const a = await h.cssPoint(page, x, y0);
  const b = await h.cssPoint(page, x, y1);
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [a] });
  for (let k = 1; k <= 8; ++k)
    await cdp.send('Input.dispatchTouchEvent', {
      type: 'touchMove', touchPoints: [{ x: a.x, y: a.y + (b.y - a.y) * k / 8 }] });
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
}

test('the right branch follows a mouse drag and a finger drag', async () => {
  const page = await h.start(browser, { hasTouch: true });
  const x = 371; // the branch's grab strip, in the window's client pixels
  const start0 = await rightSurface(page);
  assert.ok(start0 > 0);
  const p0 = await h.cssPoint(page, x, origin + 200);
  const p1 = await h.cssPoint(page, x, origin + 240);
  await page.mouse.move(p0.x, p0.y);
  await page.mouse.down();
  await page.mouse.move(p1.x, p1.y, { steps: 8 });
  await page.mouse.up();
  await page.waitForTimeout(100);
  const moved = await rightSurface(page);
  assert.ok(moved > start0, `the mercury went down: ${start0} -> ${moved}`);
  // The finger takes the branch back up by as much.
  await touchDrag(page, x, origin + 240, origin + 200);
  await page.waitForTimeout(100);
  assert.equal(await rightSurface(page), start0);
});
