// A bare DevTools-protocol connection to Debian's chromium-headless-shell
// over --remote-debugging-pipe, for the one test playwright-core cannot do:
// playwright emulates focus on its pages, which keeps them visible, and a
// visible page ignores Page.setWebLifecycleState's freeze.
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { chromiumArgs, executablePath } from './browser.js';

export async function openBare(url) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'tervan-cdp-'));
  const child = spawn(executablePath, [...chromiumArgs, '--headless', '--remote-debugging-pipe',
                                       `--user-data-dir=${profile}`, 'about:blank'],
                      { stdio: ['ignore', 'ignore', 'ignore', 'pipe', 'pipe'], detached: true });
  const toBrowser = child.stdio[3], fromBrowser = child.stdio[4];
  let nextId = 1, buffer = '';
  const waiting = new Map();
  fromBrowser.on('data', (chunk) => {
    buffer += chunk.toString('utf8');
    let end;
    while ((end = buffer.indexOf('\0')) >= 0) {
      const message = JSON.parse(buffer.slice(0, end));
      buffer = buffer.slice(end + 1);
      const w = waiting.get(message.id);
      if (!w) continue;
      waiting.delete(message.id);
      if (message.error) w.reject(new Error(message.error.message));
      else w.resolve(message.result);
    }
  });
  const send = (method, params = {}, sessionId) => new Promise((resolve, reject) => {
    const id = nextId++;
    waiting.set(id, { resolve, reject });
    toBrowser.write(JSON.stringify({ id, method, params, sessionId }) + '\0');
  });
  const { targetId } = await send('Target.createTarget', { url });
  const { sessionId } = await send('Target.attachToTarget', { targetId, flatten: true });
  const page = {
    send: (method, params) => send(method, params, sessionId),
    async evaluate(expression) {
      const r = await send('Runtime.evaluate', { expression, returnByValue: true, awaitPromise: true },
                           sessionId);
      if (r.exceptionDetails) throw new Error(r.exceptionDetails.text);
      return r.result.value;
    },
    async waitFor(expression, timeout = 15000) {
      const start = Date.now();
      for (;;) {
        if (await page.evaluate(expression).catch(() => false)) return;
        if (Date.now() - start > timeout) throw new Error('timed out waiting for ' + expression);
        await new Promise((r) => setTimeout(r, 50));
      }
    },
    async close() {
      // The browser and its helper processes, which it started in its own
      // process group, end together.
      const exited = new Promise((r) => child.once('exit', r));
      process.kill(-child.pid, 'SIGKILL');
      await exited;
      toBrowser.destroy();
      fromBrowser.destroy();
      fs.rmSync(profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
    },
  };
  return page;
}
