// The page from its start to its end: the title dialog on the canvas, the
// bench with its buttons in their first states, the About box by "Inf" and
// by the context menu, and Escape ending the practical on a page that offers
// a new one.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import * as h from './harness.js';

const { ids } = h;

const kTitle = ids.IDD_SPLASH, kMain = ids.IDD_TERVAN_DIALOG, kAbout = ids.IDD_ABOUTBOX;
const kBench = 0xd7ffd7;

let browser;
before(async () => { browser = await h.launch(); });
after(async () => { await browser.close(); });

test('the title dialog, then the bench, drawn on the canvas', async () => {
  const page = await h.openPage(browser);
  const title = await h.waitForWindow(page, kTitle);
  const enter = title.controls.find((c) => c.id === 1);
  assert.equal(enter.text, 'Entra');
  // The title picture fills the dialog, centred on the page's desktop.
  const s = await page.evaluate(() => [Module.tervanPage.canvas.width, Module.tervanPage.canvas.height]);
  assert.deepEqual(s, [781, 484]);
  assert.equal(await h.pixel(page, 5, 5), 0x2f4f4f);
  assert.notEqual(await h.pixel(page, enter.x - 10, enter.y), 0x2f4f4f);

  await h.clickControl(page, 1);
  const main = await h.waitForWindow(page, kMain);
  // The page's title is the window's caption; the bench fills the drawing
  // area at (21, 21) inside its black frame.
  assert.equal(await page.title(), 'TERVAN');
  await page.waitForFunction(() => Module.tervanPage.context.getImageData(30, 410, 1, 1).data[1] === 255);
  assert.equal(await h.pixel(page, 21 + 10, 21 + 390), kBench);
  assert.equal(await h.pixel(page, 19, 200), 0x000000);
  // "Sortir" has the focus; of the procedure only the first step is open.
  const byId = Object.fromEntries(main.controls.map((c) => [c.id, c]));
  assert.equal(byId[1].focus, true);
  assert.equal(byId[ids.IDC_ANOTA_VALORS_INICIALS].enabled, true);
  for (const id of [ids.IDC_TANCA_BOTELLA, ids.IDC_ANOTA_NIVELL_INICIAL, ids.IDC_SUBMERGIR_BOTELLA, ids.IDC_ANOTACIO, ids.IDC_ESCALFAR_AIGUA, ids.IDC_REFREDAR_AIGUA]) assert.equal(byId[id].enabled, false, `${id}`);
  // A flat button's outline is black when enabled, grey when not.
  assert.equal(await h.pixel(page, byId[ids.IDC_ANOTA_VALORS_INICIALS].x, byId[ids.IDC_ANOTA_VALORS_INICIALS].y + 5), 0x000000);
  assert.equal(await h.pixel(page, byId[ids.IDC_TANCA_BOTELLA].x, byId[ids.IDC_TANCA_BOTELLA].y + 5), 0x808080);
  assert.deepEqual(page.tervanMissingFaces, []);
  assert.deepEqual(page.tervanErrors, []);
  await h.savePicture(page, 'web-main-window.png');
});

test('the About box opens from "Inf" and from the context menu', async () => {
  const page = await h.openPage(browser);
  await h.waitForWindow(page, kTitle);
  await page.keyboard.press('Escape'); // closing the title dialog still starts the bench
  await h.waitForWindow(page, kMain);
  await h.clickControl(page, ids.IDC_INF);
  const about = await h.waitForWindow(page, kAbout);
  assert.equal(about.controls.find((c) => c.focus).id, 1);
  await page.keyboard.press('Enter');
  await h.waitForWindow(page, kMain);

  // No window menu in a page: a right click on the window offers its item.
  const p = await h.cssPoint(page, 300, 300);
  await page.mouse.click(p.x, p.y, { button: 'right' });
  await page.waitForFunction(() => Module.tervanTest.state.menu === true);
  // The item is drawn in black on the menu's face, beside the pointer.
  const item = await h.pixels(page, 300, 300, 150, 24);
  assert.ok(item.includes(0x000000) && item.includes(0xc0c0c0));
  await h.clickAt(page, 330, 312);
  await h.waitForWindow(page, kAbout);
  await page.keyboard.press('Escape');
  await h.waitForWindow(page, kMain);
});

test('Escape ends the practical on a page that offers a new one', async () => {
  const page = await h.openPage(browser);
  await h.waitForWindow(page, kTitle);
  await page.keyboard.press('Enter');
  await h.waitForWindow(page, kMain);
  await page.keyboard.press('Escape');
  await page.waitForSelector('#ended:not([hidden])');
  assert.match(await page.textContent('#ended'), /La pràctica s'ha acabat/);
  assert.equal(await page.isVisible('#screen'), false);
  await page.click('#again');
  await h.waitForWindow(page, kTitle);
});

test('the window fits the viewport, in whole device pixels where it can', async () => {
  const sizes = [
    // viewport, device pixel ratio -> the canvas's CSS width, crisp or not
    [{ width: 800, height: 500 }, 2, 781, true],   // 2 device pixels a pixel
    [{ width: 1700, height: 1100 }, 1, 1562, true], // 2 whole pixels a pixel
    [{ width: 1700, height: 1100 }, 2, 1562, true], // 4 device pixels a pixel
    [{ width: 500, height: 400 }, 1, 500, false],   // smaller than the window
  ];
  for (const [viewport, dpr, width, crisp] of sizes) {
    const page = await h.openPage(browser, { viewport, deviceScaleFactor: dpr });
    await h.waitForWindow(page, kTitle);
    const look = await page.evaluate(() => {
      const c = Module.tervanPage.canvas;
      return { width: c.getBoundingClientRect().width,
               rendering: getComputedStyle(c).imageRendering };
    });
    assert.ok(Math.abs(look.width - width) < 0.5, `${JSON.stringify(viewport)} at ${dpr}: ${look.width}`);
    // Whole device pixels stay sharp; a window shrunk below its size is smoothed.
    assert.equal(['pixelated', 'crisp-edges'].includes(look.rendering), crisp, look.rendering);
    await page.context().close();
  }
});
