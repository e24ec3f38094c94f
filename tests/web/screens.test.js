// The page on the screens of tablets, phones and PCs: the window as large as
// the visible part allows, nothing scrolling, the text input over the edit;
// the on-screen keyboard moving the window instead of shrinking it; a hint
// to turn a phone held upright; pinch zoom left to the reader; a finger held
// still opening the context menu, but not on a control nor on the branch.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import * as h from './harness.js';

const { ids } = h;
const kMain = ids.IDD_TERVAN_DIALOG, kLevel = ids.IDD_LEVEL, kAbout = ids.IDD_ABOUTBOX;
const origin = 21; // the back buffer's (0, 0) on the canvas

let browser;
before(async () => { browser = await h.launch(); });
after(async () => { await browser.close(); });

// Where things are on the page, in CSS pixels.
async function look(page) {
  return page.evaluate(() => {
    const c = Module.tervanPage.canvas, r = c.getBoundingClientRect();
    const input = document.getElementById('typing'), i = input.getBoundingClientRect();
    const turn = document.getElementById('turn');
    const root = document.scrollingElement;
    return {
      canvas: { x: r.left, y: r.top, w: r.width, h: r.height, pixels: [c.width, c.height] },
      input: { x: i.left, y: i.top, w: i.width, h: i.height, focused: document.activeElement === input },
      viewport: { w: innerWidth, h: innerHeight },
      scrolls: root.scrollWidth > innerWidth || root.scrollHeight > innerHeight,
      turn: !turn.hidden, turnBlocks: !turn.hidden && getComputedStyle(turn).pointerEvents !== 'none',
      hit: document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2)?.id,
    };
  });
}

// The level dialog, opened from the bench, with its edit focused.
async function openLevel(page) {
  await h.closeBottle(page);
  await h.clickControl(page, ids.IDC_ANOTA_NIVELL_INICIAL);
  await h.waitForWindow(page, kLevel);
  await page.keyboard.press('Tab');
  await page.keyboard.press('Tab');
  await page.waitForFunction(() => document.activeElement.id === 'typing');
}

// The edit's place on the page, from its place on the canvas.
async function editOnPage(page) {
  const edit = await h.control(page, ids.IDC_LEVEL);
  return page.evaluate((e) => {
    const c = Module.tervanPage.canvas, r = c.getBoundingClientRect(), s = r.width / c.width;
    return { x: r.left + e.x * s, y: r.top + e.y * s, w: e.w * s, h: e.h * s };
  }, edit);
}

function near(a, b, tolerance, what) {
  assert.ok(Math.abs(a - b) <= tolerance, `${what}: ${a} against ${b}`);
}

test('on every screen the window is as large as fits, and nothing scrolls', async () => {
  const screens = [
    // viewport, density, a phone or tablet, held upright and narrow
    [768, 1024, 2, true, false], [1024, 768, 2, true, false], [1024, 418, 1, true, false],
    [390, 844, 3, true, true], [844, 390, 3, true, false], [1920, 1080, 1, false, false],
  ];
  for (const [width, height, dpr, mobile, upright] of screens) {
    const what = `${width} x ${height} at ${dpr}`;
    const page = await h.start(browser, { viewport: { width, height }, deviceScaleFactor: dpr,
                                          hasTouch: mobile, isMobile: mobile, scale: 0.2 });
    const l = await look(page);
    const largest = Math.min(width / l.canvas.pixels[0], height / l.canvas.pixels[1]) * l.canvas.pixels[0];
    assert.ok(l.canvas.w <= largest + 0.5 && l.canvas.w >= 0.9 * largest, `${what}: ${l.canvas.w} of ${largest}`);
    assert.ok(l.canvas.x >= 0 && l.canvas.y >= 0 && l.canvas.x + l.canvas.w <= width + 0.5 &&
              l.canvas.y + l.canvas.h <= height + 0.5, what);
    assert.equal(l.scrolls, false, what);
    assert.equal(l.turn, upright, what);
    assert.equal(l.turnBlocks, false, what);
    assert.equal(l.hit, 'screen', what);
    // The text input the keyboard types into lies over the edit.
    await openLevel(page);
    const edit = await editOnPage(page), input = (await look(page)).input;
    for (const k of ['x', 'y', 'w', 'h']) near(input[k], edit[k], 1, `${what}, the input's ${k}`);
    assert.equal((await look(page)).scrolls, false, what);
    await page.context().close();
  }
});

test('the on-screen keyboard moves the window to keep the edit in view', async () => {
  const page = await h.start(browser, { viewport: { width: 1024, height: 768 }, deviceScaleFactor: 2,
                                        hasTouch: true, isMobile: true, scale: 0.2 });
  await openLevel(page);
  const before = await look(page);
  // The keyboard takes the lower part of the screen while the edit has the focus.
  await page.setViewportSize({ width: 1024, height: 418 });
  await page.waitForFunction(() => document.getElementById('typing').getBoundingClientRect().bottom <= 418);
  const after = await look(page);
  assert.equal(after.canvas.w, before.canvas.w);
  assert.ok(after.input.focused);
  assert.ok(after.input.y >= 0 && after.input.y + after.input.h <= 418, JSON.stringify(after.input));
  const edit = await editOnPage(page);
  near(after.input.y, edit.y, 1, 'the input over the edit');
  assert.equal(after.scrolls, false);
  // Typing goes on into the edit, then the window fits the screen again.
  await h.typeLevel(page, '21,5');
  await page.keyboard.press('Enter');
  await h.waitForWindow(page, kMain);
  await page.setViewportSize({ width: 1024, height: 768 });
  await page.waitForFunction((w) => Module.tervanPage.canvas.getBoundingClientRect().width === w, before.canvas.w);
  await page.context().close();
});

test('pinch zoom is the reader\'s: the page allows it and the window stays', async () => {
  const page = await h.start(browser, { viewport: { width: 390, height: 844 }, deviceScaleFactor: 3,
                                        hasTouch: true, isMobile: true, scale: 0.2 });
  const allowed = await page.evaluate(() => ({
    meta: document.querySelector('meta[name=viewport]').content,
    canvas: getComputedStyle(Module.tervanPage.canvas).touchAction,
  }));
  assert.doesNotMatch(allowed.meta, /user-scalable\s*=\s*(no|0)|maximum-scale\s*=\s*1(\.0*)?\b/);
  assert.equal(allowed.canvas, 'pinch-zoom');
  const before = await look(page);
  // The zoom a pinch asks for: the browser grants it only where the page
  // allows zooming.
  const cdp = await page.context().newCDPSession(page);
  await cdp.send('Emulation.setPageScaleFactor', { pageScaleFactor: 2 });
  await page.waitForFunction(() => visualViewport.scale > 1.5);
  const after = await look(page);
  assert.equal(after.canvas.w, before.canvas.w);
  await page.context().close();
});

// A finger put down at canvas pixel (x, y) and held there until `until`
// holds, then lifted.
async function hold(page, cdp, x, y, until) {
  const p = await h.cssPoint(page, x, y);
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x: p.x, y: p.y }] });
  await page.waitForFunction(until);
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
}

// Waits until the program has handled everything queued so far.
async function settled(page, n) {
  await h.checkpoint(page, n, { x: 0, y: 0, w: 1, h: 1 });
}

test('a finger held still opens the menu, not on a control nor on the branch', async () => {
  const page = await h.start(browser, { viewport: { width: 1024, height: 768 }, deviceScaleFactor: 2,
                                        hasTouch: true, isMobile: true, scale: 0.2 });
  const cdp = await page.context().newCDPSession(page);
  // On the right branch's strip the finger drags it: no menu.
  await hold(page, cdp, origin + 350, origin + 250, () => Module.tervanPage.longPresses === 1);
  await settled(page, 1);
  assert.equal((await h.state(page)).menu, false);
  // On a button (one not yet open, which the lifted finger does not click): no menu.
  const button = await h.control(page, ids.IDC_TANCA_BOTELLA);
  await hold(page, cdp, button.x + 5, button.y + 5, () => Module.tervanPage.longPresses === 2);
  await settled(page, 2);
  assert.equal((await h.state(page)).menu, false);
  // On the bench: the menu, once, even when the browser asks for it too.
  await hold(page, cdp, origin + 100, origin + 300, () => Module.tervanTest.state.menu === true);
  await page.evaluate(() => Module.tervanPage.canvas.dispatchEvent(
    new MouseEvent('contextmenu', { bubbles: true, cancelable: true, clientX: 100, clientY: 300 })));
  await settled(page, 3);
  // Three held fingers asked for it; the browser's own event after the
  // third asked for nothing more.
  assert.deepEqual(await page.evaluate(() => [Module.tervanPage.longPresses, Module.tervanPage.menuRequests]),
                   [3, 3]);
  assert.equal((await h.state(page)).template, kMain);
  // Its item opens the About box.
  await h.tapAt(page, origin + 130, origin + 312);
  await h.waitForWindow(page, kAbout);
  await page.context().close();
});
