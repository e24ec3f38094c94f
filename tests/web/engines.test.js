// The page in Firefox and in WebKitGTK, from file://, as a student would use
// it: the title dialog, the valve clicked, the right branch dragged, the
// level dialog with accents and the decimal comma, then a practical of
// three rows whose graph page, checked against the headless build's replay
// of the same run, is the very back buffer the desktop draws, equation
// included. In Firefox, a finger held still opens the context menu.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { pageUrl } from './browser.js';
import { openFirefox, openWebKit } from './engines.js';
import * as h from './harness.js';

const { ids, timers, kDate } = h;
const kTitle = ids.IDD_SPLASH, kMain = ids.IDD_TERVAN_DIALOG, kLevel = ids.IDD_LEVEL;
const origin = 21; // the back buffer's (0, 0) on the canvas
const backBuffer = { x: origin, y: origin, w: 600, h: 400 };
const kBench = 0xd7ffd7, kMercury = 0xadadad;

// What the Chromium tests do through playwright, through either engine.
function steps(b) {
  const s = {
    state: () => b.evaluate(() => Module.tervanTest.state),
    window: (id) => b.waitFor((t) => Module.tervanTest.state && Module.tervanTest.state.template === t, id),
    async control(id) { return (await s.state()).controls.find((c) => c.id === id); },
    waitControl: (id, test) => b.waitFor(([cid, src]) => {
      const c = Module.tervanTest.state.controls.find((x) => x.id === cid);
      return c && new Function('c', 'return ' + src)(c);
    }, [id, test]),
    point: (x, y) => b.evaluate(([px, py]) => {
      const c = Module.tervanPage.canvas, r = c.getBoundingClientRect();
      return { x: r.left + (px + 0.5) * r.width / c.width, y: r.top + (py + 0.5) * r.height / c.height };
    }, [x, y]),
    async clickAt(x, y) { const p = await s.point(x, y); await b.click(p.x, p.y); },
    async clickControl(id) {
      const c = await s.control(id);
      await s.clickAt(c.x + Math.floor(c.w / 2), c.y + Math.floor(c.h / 2));
    },
    pixels: (x, y, w, hh) => b.evaluate(([px, py, pw, ph]) => {
      const d = Module.tervanPage.context.getImageData(px, py, pw, ph).data;
      const out = [];
      for (let i = 0; i < d.length; i += 4) out.push((d[i] << 16) | (d[i + 1] << 8) | d[i + 2]);
      return out;
    }, [x, y, w, hh]),
    ticks: (id) => b.evaluate((t) => Module.tervanTest.ticks[t] || 0, id),
    async rightSurface() { return (await s.pixels(origin + 356, origin, 1, 400)).indexOf(kMercury); },
    async noteLevel(button, text) {
      await s.clickControl(button);
      await s.window(kLevel);
      await b.press('Tab');
      await b.press('Tab');
      await b.type(text);
      await s.waitControl(ids.IDC_LEVEL, 'c.text === ' + JSON.stringify(text));
      await b.press('Enter');
      await s.window(kMain);
    },
    async checkpoint(n, rect) {
      await b.evaluate((k) => Module.tervanPush(8, [1, k]), n);
      await b.waitFor((k) => !!Module.tervanTest.snapshots[k], n);
      return b.evaluate(([k, r]) => {
        const d = Module.tervanTest.snapshots[k], width = Module.tervanPage.canvas.width, out = [];
        for (let y = r.y; y < r.y + r.h; ++y)
          for (let x = r.x; x < r.x + r.w; ++x) {
            const i = 4 * (y * width + x);
            out.push(d[i], d[i + 1], d[i + 2]);
          }
        return out;
      }, [n, rect]);
    },
  };
  return s;
}

// Polls a condition the test computes itself.
async function until(condition, timeout = 20000) {
  const start = Date.now();
  while (!(await condition())) {
    if (Date.now() - start > timeout) throw new Error('timed out waiting for ' + condition);
    await new Promise((r) => setTimeout(r, 25));
  }
}

async function practical(open) {
  const b = await open(pageUrl('tervan-test.html', { date: kDate, scale: 0.1 }));
  try {
    const s = steps(b);
    // Start-up: the title dialog, "Entra", the bench in its frame.
    await s.window(kTitle);
    assert.equal((await s.control(1)).text, 'Entra', b.name);
    await s.clickControl(1);
    await s.window(kMain);
    await b.waitFor(() => Module.tervanPage.context.getImageData(31, 411, 1, 1).data[1] === 255);
    assert.equal((await s.pixels(origin + 10, origin + 390, 1, 1))[0], kBench, b.name);

    // The right branch dragged down by the mouse, and back up.
    const surface = await s.rightSurface();
    const p0 = await s.point(371, origin + 200), p1 = await s.point(371, origin + 240);
    await b.drag(p0.x, p0.y, p1.y);
    await until(async () => (await s.rightSurface()) > surface);
    await b.drag(p0.x, p1.y, p0.y);
    await until(async () => (await s.rightSurface()) === surface);

    // The first steps; the level dialog takes accents and the decimal comma.
    await s.clickControl(ids.IDC_ANOTA_VALORS_INICIALS);
    await s.clickControl(ids.IDC_TANCA_BOTELLA);
    await s.waitControl(ids.IDC_ANOTA_NIVELL_INICIAL, 'c.enabled');
    await s.clickControl(ids.IDC_ANOTA_NIVELL_INICIAL);
    await s.window(kLevel);
    await b.press('Tab');
    await b.press('Tab');
    const accented = 'vint-i-u, ÀÉÍÒÚ àèéíòóúç l·l';
    await b.type(accented);
    await s.waitControl(ids.IDC_LEVEL, 'c.text === ' + JSON.stringify(accented));
    for (let i = 0; i < accented.length; ++i) await b.press('Backspace');
    await b.type('20,5');
    await s.waitControl(ids.IDC_LEVEL, 'c.text === "20,5"');
    await b.press('Enter');
    await s.window(kMain);

    // The valve clicked shut: five frames, a new picture.
    const valve = () => s.pixels(origin + 237, origin + 117, 44, 44);
    const open = await valve();
    await s.clickAt(origin + 259, origin + 139);
    await b.waitFor((id) => (Module.tervanTest.ticks[id] || 0) >= 5, timers.kValveTimer);
    assert.notDeepEqual(await valve(), open, b.name + ': the valve turned');

    // Submerged; two more rows, each after the water warmed a little.
    await s.clickControl(ids.IDC_SUBMERGIR_BOTELLA);
    await b.waitFor((id) => Module.tervanTest.state.controls.find((c) => c.id === id).enabled,
                    ids.IDC_ANOTACIO, 40000);
    for (const level of ['21', '21,75']) {
      await s.clickControl(ids.IDC_ESCALFAR_AIGUA);
      const gas = await s.ticks(timers.kGasTimer);
      await b.waitFor(([id, n]) => (Module.tervanTest.ticks[id] || 0) >= n + 3, [timers.kGasTimer, gas]);
      await s.noteLevel(ids.IDC_ANOTACIO, level);
    }
    // The page turn is queued before the checkpoint, so drawn before it.
    await s.clickControl(ids.IDC_PAGE_NEXT);
    const shot = await s.checkpoint(1, backBuffer);

    // The desktop's run of the same messages draws the same back buffer.
    const { dir, summary } = await h.replay(b);
    assert.equal(summary.replayed, summary.entries, b.name);
    const graph = summary.checkpoints[1];
    const desktop = h.readRgb(graph.file);
    h.writePpm(`${b.name.split(' ')[0].toLowerCase()}-graph.ppm`, shot);
    assert.equal(graph.rows, 3, b.name);
    assert.equal(h.mismatches(shot, desktop), 0,
                 `${b.name}: canvas and back buffer differ in ${h.differingBox(shot, desktop)}`);
    // Its equation, read off the canvas, is the desktop's and not one a
    // degree off.
    const line = graph.equationBox;
    assert.equal(h.mismatches(h.crop(shot, line), h.crop(h.readRgb(`${dir}/check-1-equation.rgb`), line)), 0,
                 graph.equation);
    assert.ok(h.mismatches(h.crop(shot, line), h.crop(h.readRgb(`${dir}/check-1-wrong.rgb`), line)) > 0);
    console.log(`${b.name}: graph page equation ${graph.equation}`);
  } finally {
    await b.close();
  }
}

test('in Firefox: the title, the valve, the drag, the level dialog and a practical', async () => {
  await practical(openFirefox);
});

test('in WebKitGTK: the title, the valve, the drag, the level dialog and a practical', async () => {
  await practical(openWebKit);
});

test('in Firefox: a finger held still on the bench opens the context menu', async () => {
  const b = await openFirefox(pageUrl('tervan-test.html', { date: kDate, scale: 1 }));
  try {
    const s = steps(b);
    await s.window(kTitle);
    await b.press('Enter');
    await s.window(kMain);
    const p = await s.point(origin + 100, origin + 300);
    await b.holdFinger(p.x, p.y, () => Module.tervanTest.state.menu === true);
    assert.deepEqual(await b.evaluate(() => [Module.tervanPage.longPresses, Module.tervanPage.menuRequests]),
                     [1, 1]);
  } finally {
    await b.close();
  }
});
