// The page's life outside the program: once a row is noted, closing or
// reloading asks first; a page frozen by the browser (as a hidden tab can
// be) delivers each timer that fell due once when it runs again, never a
// burst of the ticks it missed.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { pageUrl } from './browser.js';
import { openBare } from './cdp.js';
import * as h from './harness.js';

const { ids, timers } = h;

const kMain = ids.IDD_TERVAN_DIALOG, kLevel = ids.IDD_LEVEL;

let browser;
before(async () => { browser = await h.launch(); });
after(async () => { await browser.close(); });

test('reloading asks first once a row is noted, and not before', async () => {
  const page = await h.start(browser, { scale: 0.1 });
  let asked = 0;
  const onDialog = (d) => { asked += 1; d.dismiss(); };
  page.on('dialog', onDialog);
  await h.closeBottle(page);
  await page.reload();
  await h.waitForWindow(page, ids.IDD_SPLASH);
  assert.equal(asked, 0);
  page.off('dialog', onDialog);

  await page.keyboard.press('Enter');
  await h.waitForWindow(page, kMain);
  await h.closeBottle(page);
  await h.clickControl(page, ids.IDC_ANOTA_NIVELL_INICIAL);
  await h.waitForWindow(page, kLevel);
  await page.keyboard.press('Tab');
  await page.keyboard.press('Tab');
  await h.typeLevel(page, '20');
  await page.keyboard.press('Enter');
  await h.waitForControl(page, ids.IDC_SUBMERGIR_BOTELLA, 'c.enabled');
  const dialog = page.waitForEvent('dialog');
  page.evaluate(() => location.reload()).catch(() => {});
  const d = await dialog;
  assert.equal(d.type(), 'beforeunload');
  await d.dismiss();
  // Staying keeps the practical as it was.
  await page.waitForTimeout(300);
  assert.equal((await h.state(page)).template, kMain);
  assert.equal((await h.control(page, ids.IDC_SUBMERGIR_BOTELLA)).enabled, true);
  await page.context().close();
});

// The page through the bare protocol connection (see cdp.js).
async function bareClick(page, id) {
  const c = await page.evaluate(`JSON.stringify(Module.tervanTest.state.controls.find((c) => c.id === ${id}))`);
  const { x, y, w, h } = JSON.parse(c);
  const at = JSON.parse(await page.evaluate(`(() => {
    const c = Module.tervanPage.canvas, r = c.getBoundingClientRect();
    return JSON.stringify({ x: r.left + (${x + w / 2}) * r.width / c.width,
                            y: r.top + (${y + h / 2}) * r.height / c.height });
  })()`));
  for (const type of ['mousePressed', 'mouseReleased'])
    await page.send('Input.dispatchMouseEvent', { type, x: at.x, y: at.y, button: 'left', clickCount: 1 });
}

test('a frozen page ticks each due timer once when it runs again', async () => {
  const page = await openBare(pageUrl('tervan-test.html', { date: h.kDate, scale: 1 }));
  try {
    await page.waitFor(`Module.tervanTest.state && Module.tervanTest.state.template === ${ids.IDD_SPLASH}`);
    for (const type of ['keyDown', 'keyUp'])
      await page.send('Input.dispatchKeyEvent', { type, key: 'Enter', code: 'Enter', windowsVirtualKeyCode: 13 });
    await page.waitFor(`Module.tervanTest.state.template === ${ids.IDD_TERVAN_DIALOG}`);
    await bareClick(page, ids.IDC_ANOTA_VALORS_INICIALS);
    await bareClick(page, ids.IDC_TANCA_BOTELLA); // timer 3 runs every 50 ms from here; timer 2 every 3 s
    await page.waitFor(`(Module.tervanTest.ticks[${timers.kGasTimer}] || 0) > 5`);
    const frozenAt = await page.evaluate('performance.now()');
    const before3 = await page.evaluate(`Module.tervanTest.ticks[${timers.kGasTimer}]`);
    await page.send('Page.setWebLifecycleState', { state: 'frozen' });
    // Long enough for timer 2 to fall due twice and timer 3 over a hundred times.
    await new Promise((r) => setTimeout(r, 6500));
    await page.send('Page.setWebLifecycleState', { state: 'active' });
    // Active again, and shown: a page left hidden has its timers slowed to
    // one a second, which would hide a burst.
    await page.send('Page.bringToFront');
    await page.send('Emulation.setFocusEmulationEnabled', { enabled: true });
    await new Promise((r) => setTimeout(r, 1000));
    const times = JSON.parse(await page.evaluate('JSON.stringify(Module.tervanTest.tickTimes)'));
    const after = times.filter(([, t]) => t > frozenAt + 100);
    assert.ok(after.length > 0, 'ticks after the page ran again');
    const resumed = after[0][1];
    assert.ok(resumed - frozenAt > 6000, `no tick while frozen (first at +${resumed - frozenAt} ms)`);
    const ticksOf = (id) => after.filter(([i]) => i === id).map(([, t]) => t);
    // Timer 2 fell due twice while frozen: it ticks once, then waits a period.
    assert.equal(ticksOf(timers.kDriftTimer).length, 1, 'timer 2 ticks after resuming');
    // Timer 3 goes on at its own pace from its one overdue tick.
    const three = ticksOf(timers.kGasTimer);
    for (let k = 1; k < three.length; ++k)
      assert.ok(three[k] - three[k - 1] > 30, `timer 3 ticks ${three[k] - three[k - 1]} ms apart`);
    const since = (await page.evaluate(`Module.tervanTest.ticks[${timers.kGasTimer}]`)) - before3;
    assert.ok(since <= 1 + 1000 / 50 + 3, `timer 3 ticked ${since} times since the freeze`);
  } finally {
    await page.close();
  }
});
