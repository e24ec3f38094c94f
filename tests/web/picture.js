// Writes the README's picture of the browser version: the shipped page in
// chromium-headless-shell, the bottle closed and the level dialog open with
// a level typed in.
//
//   node picture.js BUILD_WEB OUT.png
import path from 'node:path';
import { clickCanvas, launch } from './browser.js';

const web = path.resolve(process.argv[2] || 'build-web');
const out = path.resolve(process.argv[3] || 'docs/browser-version.png');

const browser = await launch();
const page = await browser.newPage({ viewport: { width: 800, height: 500 } });
await page.goto('file://' + path.join(web, 'tervan.html'));
await page.waitForTimeout(1500);
await page.keyboard.press('Enter');
await page.waitForTimeout(1000);
await clickCanvas(page, 700, 82); // "Anota valors inicials"
await page.waitForTimeout(300);
await clickCanvas(page, 700, 110); // "Tanca Botella"
await page.waitForTimeout(1500);
await clickCanvas(page, 700, 136); // "Anota nivell inicial"
await page.waitForTimeout(500);
await page.keyboard.press('Tab');
await page.keyboard.press('Tab');
await page.keyboard.type('20,5');
await page.waitForTimeout(300);
await page.screenshot({ path: out });
await browser.close();
console.log('wrote ' + out);
