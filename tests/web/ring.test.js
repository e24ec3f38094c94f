// The focus ring in the page: nothing of it before a key is used (the page
// shows the canvas's pixels and nothing else, the mirror under it unseen);
// then 2 CSS pixels of black right round the focused control or bench part,
// whatever the scale, with a CSS pixel of white round those, every pixel of
// it at least 3:1 against what the same place shows without the ring.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import * as a from './access.js';
import * as h from './harness.js';
import { contrast, decodePng } from './png.js';

const { ids } = h;
const kBlack = 0x000000, kWhite = 0xffffff;

let browser;
before(async () => { browser = await h.launch(); });
after(async () => { await browser.close(); });

async function shot(page) {
  return decodePng(await page.screenshot({ scale: 'css' }));
}

// The canvas's place on the page and its CSS pixels per canvas pixel.
async function canvasBox(page) {
  return page.evaluate(() => {
    const c = Module.tervanPage.canvas, r = c.getBoundingClientRect();
    return { x: r.left, y: r.top, s: r.width / c.width };
  });
}

// The CSS pixels of a ring `d` pixels out from `box` (CSS), round its four
// sides: d = 1 is the row and column right against it.
function around(box, d) {
  const out = [];
  const l = box.x - d, t = box.y - d, r = box.x + box.w - 1 + d, b = box.y + box.h - 1 + d;
  for (let x = l; x <= r; ++x) out.push([x, t], [x, b]);
  for (let y = t + 1; y < b; ++y) out.push([l, y], [r, y]);
  return out;
}

function checkRing(withRing, without, box, what) {
  for (const d of [1, 2]) {
    for (const [x, y] of around(box, d)) {
      assert.equal(withRing.at(x, y), kBlack, `${what}: ring at ${x}, ${y}`);
      assert.ok(contrast(kBlack, without.at(x, y)) >= 3,
                `${what}: ${without.at(x, y).toString(16)} at ${x}, ${y} without the ring`);
    }
  }
  for (const [x, y] of around(box, 3)) assert.equal(withRing.at(x, y), kWhite, `${what}: halo at ${x}, ${y}`);
  // Past the halo and inside the box, the page is what it is without it.
  for (const [x, y] of [...around(box, 4), ...around(box, 0)])
    assert.equal(withRing.at(x, y), without.at(x, y), `${what}: ${x}, ${y}`);
}

test('before a key the page shows the canvas alone; then the ring, 2 CSS pixels at every scale', async () => {
  for (const [viewport, scale] of [[{ width: 800, height: 500 }, 1], [{ width: 1700, height: 1100 }, 2]]) {
    const page = await h.start(browser, { viewport });
    await page.waitForFunction(() => Module.tervanTest.journal.some((l) => l === 'msg 0 15 0 0'));
    const c = await canvasBox(page);
    assert.equal(c.s, scale);
    // The mirror under the canvas is there, yet the page shows the canvas's
    // pixels only.
    assert.ok(await page.evaluate(() => document.querySelectorAll('#mirror button').length > 5));
    const size = await page.evaluate(() => [Module.tervanPage.canvas.width, Module.tervanPage.canvas.height]);
    const canvas = await h.pixels(page, 0, 0, size[0], size[1]);
    let page0 = await shot(page);
    let differ = 0;
    for (let y = 0; y < size[1]; ++y)
      for (let x = 0; x < size[0]; ++x)
        if (page0.at(c.x + x * scale, c.y + y * scale) !== canvas[y * size[0] + x]) ++differ;
    assert.equal(differ, 0, `pixels the page shows over the canvas at scale ${scale}`);
    assert.equal(await page.evaluate(() => document.getElementById('ring').hidden), true);

    // Tab: the ring round "Anota valors inicials", then round the valve.
    await a.tabTo(page, 'c' + ids.IDC_ANOTA_VALORS_INICIALS);
    const onButton = await shot(page);
    await a.tabTo(page, 'p' + ids.IDC_VALVE);
    const onValve = await shot(page);
    const button = await h.control(page, ids.IDC_ANOTA_VALORS_INICIALS);
    const valve = await a.part(page, ids.IDC_VALVE);
    const css = (b) => ({ x: c.x + b.x * scale, y: c.y + b.y * scale, w: b.w * scale, h: b.h * scale });
    checkRing(onButton, onValve, css(button), `button at scale ${scale}`);
    checkRing(onValve, onButton, css(valve), `valve at scale ${scale}`);
    await h.savePicture(page, `web-focus-ring-${scale}.png`);
    await page.context().close();
  }
});
