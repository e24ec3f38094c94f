// The page in the two other engines, behind one small interface: Debian's
// firefox-esr through WebDriver BiDi (puppeteer-core, which downloads no
// browser), and WebKitGTK through WebKitWebDriver, plain W3C WebDriver
// spoken over HTTP, on a virtual display (xvfb-run). Each opens the test
// page from file:// and offers what the tests need: evaluating script in
// the page, waiting for a condition, mouse clicks and drags, a held finger,
// keys and typed text at CSS points of the page.
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

export const firefoxPath = process.env.TERVAN_FIREFOX || '/usr/bin/firefox-esr';
export const webkitDriverPath = process.env.TERVAN_WEBKIT_DRIVER || '/usr/bin/WebKitWebDriver';
export const miniBrowserPath = process.env.TERVAN_MINIBROWSER ||
  '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

const pause = (ms) => new Promise((r) => setTimeout(r, ms));

// Polls `condition` (a function's source, run in the page with `arg`)
// until it is true.
async function poll(evaluate, condition, arg, timeout) {
  const start = Date.now();
  for (;;) {
    if (await evaluate(condition, arg).catch(() => false)) return;
    if (Date.now() - start > timeout) throw new Error('timed out waiting for ' + condition);
    await pause(25);
  }
}

// --- Firefox -----------------------------------------------------------------

export async function openFirefox(url, viewport = { width: 800, height: 500 }) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'tervan-firefox-'));
  const browser = await puppeteer.launch({
    browser: 'firefox', executablePath: firefoxPath, headless: true, protocol: 'webDriverBiDi',
    userDataDir: profile, args: ['--no-remote'],
    // A closed network: nothing to update, report or fetch.
    extraPrefsFirefox: { 'app.update.enabled': false, 'browser.shell.checkDefaultBrowser': false,
                         'datareporting.policy.dataSubmissionEnabled': false,
                         'network.captive-portal-service.enabled': false },
  });
  const page = await browser.newPage();
  await page.setViewport(viewport);
  await page.goto(url);
  const evaluate = (fn, arg) => page.evaluate(fn, arg);
  return {
    name: 'Firefox ' + (await browser.version()).split('/')[1],
    navigate: (to) => page.goto(to),
    evaluate,
    waitFor: (fn, arg, timeout = 20000) => poll(evaluate, fn, arg, timeout),
    click: (x, y) => page.mouse.click(x, y),
    async drag(x, y0, y1) {
      await page.mouse.move(x, y0);
      await page.mouse.down();
      await page.mouse.move(x, y1, { steps: 8 });
      await page.mouse.up();
    },
    async holdFinger(x, y, until) {
      await page.touchscreen.touchStart(x, y);
      await poll(evaluate, until, undefined, 20000);
      await page.touchscreen.touchEnd();
    },
    press: (key) => page.keyboard.press(key),
    type: (text) => page.keyboard.type(text),
    async close() {
      await browser.close();
      fs.rmSync(profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
    },
  };
}

// --- WebKitGTK -----------------------------------------------------------------

const kKeys = { Enter: '\uE007', Tab: '\uE004', Escape: '\uE00C', Backspace: '\uE003' };

function freePort() {
  return new Promise((resolve) => {
    const server = net.createServer();
    server.listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    });
  });
}

export async function openWebKit(url, viewport = { width: 800, height: 500 }) {
  const port = await freePort();
  // WebKitWebDriver starts MiniBrowser, which needs a display: a virtual one.
  const driver = spawn('xvfb-run', ['-a', '-s', '-screen 0 1600x1200x24', webkitDriverPath,
                                    `--port=${port}`],
                       { stdio: 'ignore', detached: true });
  const base = `http://127.0.0.1:${port}`;
  let session = '';
  async function call(method, where, body) {
    const r = await fetch(base + where, {
      method, headers: { 'content-type': 'application/json' },
      body: body === undefined ? undefined : JSON.stringify(body) });
    const answer = await r.json();
    if (!r.ok) throw new Error(`${method} ${where}: ${JSON.stringify(answer.value)}`);
    return answer.value;
  }
  for (let i = 0; ; ++i) {
    try { await call('GET', '/status'); break; } catch (e) {
      if (i > 200) throw e;
      await pause(50);
    }
  }
  const created = await call('POST', '/session', { capabilities: { alwaysMatch: {
    'webkitgtk:browserOptions': { binary: miniBrowserPath, args: ['--automation'] } } } });
  session = '/session/' + created.sessionId;
  // The window's outer size: MiniBrowser's own bar takes some of it.
  await call('POST', session + '/window/rect', viewport);
  await call('POST', session + '/url', { url });
  const evaluate = (fn, arg) => call('POST', session + '/execute/sync', {
    script: `return (${fn.toString()})(arguments[0]);`, args: [arg === undefined ? null : arg] });
  const pointer = (kind, steps) => call('POST', session + '/actions', { actions: [{
    type: 'pointer', id: kind, parameters: { pointerType: kind }, actions: steps }] });
  const at = (x, y) => ({ type: 'pointerMove', x: Math.round(x), y: Math.round(y), origin: 'viewport' });
  const keys = (values) => call('POST', session + '/actions', { actions: [{
    type: 'key', id: 'keyboard',
    actions: values.flatMap((v) => [{ type: 'keyDown', value: v }, { type: 'keyUp', value: v }]) }] });
  return {
    name: 'WebKitGTK ' + created.capabilities.browserVersion,
    navigate: (to) => call('POST', session + '/url', { url: to }),
    evaluate,
    waitFor: (fn, arg, timeout = 20000) => poll(evaluate, fn, arg, timeout),
    click: (x, y) => pointer('mouse', [at(x, y), { type: 'pointerDown', button: 0 },
                                       { type: 'pointerUp', button: 0 }]),
    drag: (x, y0, y1) => pointer('mouse', [
      at(x, y0), { type: 'pointerDown', button: 0 },
      ...Array.from({ length: 8 }, (_, k) => at(x, y0 + (y1 - y0) * (k + 1) / 8)),
      { type: 'pointerUp', button: 0 }]),
    async holdFinger(x, y, until) {
      await pointer('touch', [at(x, y), { type: 'pointerDown', button: 0 }]);
      await poll(evaluate, until, undefined, 20000);
      await pointer('touch', [{ type: 'pointerUp', button: 0 }]);
    },
    press: (key) => keys([kKeys[key] || key]),
    type: (text) => keys([...text]),
    async close() {
      await call('DELETE', session).catch(() => {});
      const exited = new Promise((r) => driver.once('exit', r));
      process.kill(-driver.pid, 'SIGTERM');
      await exited;
    },
  };
}
