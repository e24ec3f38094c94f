// Starts Debian's chromium-headless-shell through playwright-core (which
// downloads no browser of its own) and opens the built pages from file://.
import { chromium } from 'playwright-core';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
export const buildDir = process.env.TERVAN_BUILD_WEB || path.resolve(here, '../../build-web');
export const executablePath =
  process.env.TERVAN_CHROMIUM || '/usr/bin/chromium-headless-shell';

// The flags a closed network needs: no background connections that would
// be refused, no first-run work.
export const chromiumArgs = [
  '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
];

export async function launch(options = {}) {
  return chromium.launch({ executablePath, args: chromiumArgs, headless: true, ...options });
}

// The file:// address of a built page, with the test page's parameters.
export function pageUrl(name, params = {}) {
  const url = new URL('file://' + path.join(buildDir, name));
  for (const [k, v] of Object.entries(params)) url.searchParams.set(k, String(v));
  return url.href;
}

// Clicks at pixel (x, y) of the page's canvas, wherever the page has placed
// and scaled it.
export async function clickCanvas(page, x, y) {
  const at = await page.evaluate(([px, py]) => {
    const c = document.querySelector('canvas'); const r = c.getBoundingClientRect();
    return { x: r.left + (px + 0.5) * r.width / c.width, y: r.top + (py + 0.5) * r.height / c.height };
  }, [x, y]);
  await page.mouse.click(at.x, at.y);
}
