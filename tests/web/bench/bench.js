// The browser version's benchmark (`make bench`): the page's size, its first
// paint as a ratio to a trivial canvas page loaded in the same run, and a
// soak with the gas timer running compared in the same run with a plain
// JavaScript canvas page doing the same 20 Hz job; then the first paint in
// Firefox and WebKitGTK, as the same ratio. Prints Markdown tables.
//
//   node bench.js BUILD_WEB [SOAK_SECONDS]
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import { clickCanvas, launch } from '../browser.js';
import { openFirefox, openWebKit } from '../engines.js';

const web = path.resolve(process.argv[2] || 'build-web');
const soakSeconds = Number(process.argv[3] || process.env.BENCH_WEB_SECONDS || 60);
const page = path.join(web, 'tervan.html');
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'tervan-bench-'));
const MiB = 1024 * 1024;

// The trivial page: one canvas, painted as soon as the page runs.
const trivial = path.join(work, 'trivial.html');
fs.writeFileSync(trivial, `<!doctype html><canvas id="c" width="781" height="484"></canvas>
<script>const x = document.getElementById('c').getContext('2d');
x.fillStyle = '#808080'; x.fillRect(0, 0, 781, 484);</script>`);
// The plain page doing the soak's job: every 50 ms a 33 x 400 strip of the
// picture is drawn again, then the whole 600 x 400 picture is put on the canvas.
const plain = path.join(work, 'plain.html');
fs.writeFileSync(plain, `<!doctype html><canvas id="c" width="781" height="484"></canvas>
<script>const x = document.getElementById('c').getContext('2d');
const picture = new ImageData(600, 400); let level = 0;
setInterval(() => {
  level = (level + 1) % 400;
  for (let y = 0; y < 400; ++y) for (let i = 0; i < 33; ++i) {
    const p = 4 * (y * 600 + 340 + i); const m = y > level;
    picture.data[p] = m ? 173 : 215; picture.data[p + 1] = m ? 173 : 255;
    picture.data[p + 2] = m ? 173 : 215; picture.data[p + 3] = 255;
  }
  x.putImageData(picture, 21, 21);
}, 50);</script>`);

function median(values) {
  const v = [...values].sort((a, b) => a - b);
  return v[Math.floor(v.length / 2)];
}

// The browser's processes: every process below this one (playwright starts
// the browser as its child), this one not included.
function browserProcesses() {
  return tree(process.pid).filter((pid) => pid !== process.pid);
}
function tree(root) {
  const parents = new Map();
  for (const entry of fs.readdirSync('/proc')) {
    if (!/^\d+$/.test(entry)) continue;
    try {
      const stat = fs.readFileSync(`/proc/${entry}/stat`, 'utf8');
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      parents.set(Number(entry), Number(fields[1]));
    } catch { /* gone meanwhile */ }
  }
  const out = [root];
  for (let i = 0; i < out.length; ++i)
    for (const [pid, ppid] of parents) if (ppid === out[i]) out.push(pid);
  return out;
}
function cpuTicks(pids) {
  let sum = 0;
  for (const pid of pids) {
    try {
      const stat = fs.readFileSync(`/proc/${pid}/stat`, 'utf8');
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      sum += Number(fields[11]) + Number(fields[12]);
    } catch { /* gone */ }
  }
  return sum;
}
function pssKiB(pids) {
  let sum = 0;
  for (const pid of pids) {
    try {
      const m = fs.readFileSync(`/proc/${pid}/smaps_rollup`, 'utf8').match(/^Pss:\s+(\d+)/m);
      if (m) sum += Number(m[1]);
    } catch { /* gone */ }
  }
  return sum;
}
const hz = 100; // clock ticks per second of /proc's CPU times on Linux

// Milliseconds from navigation to the first frame whose canvas shows
// something other than the empty canvas, read in the page itself.
async function firstPaint(browser, file, x, y, empty) {
  const context = await browser.newContext({ viewport: { width: 800, height: 500 } });
  const p = await context.newPage();
  await p.goto('file://' + file, { waitUntil: 'commit' });
  const ms = await p.evaluate(([px, py, blank]) => new Promise((resolve) => {
    const look = () => {
      const c = document.querySelector('canvas');
      const ctx = c && c.width > 1 ? c.getContext('2d') : null;
      if (ctx) {
        const d = ctx.getImageData(px, py, 1, 1).data;
        if (((d[0] << 16) | (d[1] << 8) | d[2]) !== blank && d[3] === 255)
          return resolve(performance.now());
      }
      requestAnimationFrame(look);
    };
    look();
  }), [x, y, empty]);
  await context.close();
  return ms;
}

// The same in another engine, which offers no hook at navigation: copies of
// the pages carry a watcher at the top of their head, which looks at every
// frame from the start and notes when the canvas first shows its picture.
function watched(file, x, y, empty) {
  const watcher = `<script>(function () {
    const look = () => {
      const c = document.querySelector('canvas');
      const ctx = c && c.width > 1 ? c.getContext('2d') : null;
      if (ctx) {
        const d = ctx.getImageData(${x}, ${y}, 1, 1).data;
        if (((d[0] << 16) | (d[1] << 8) | d[2]) !== ${empty} && d[3] === 255) {
          window.tervanFirstPaint = performance.now();
          return;
        }
      }
      requestAnimationFrame(look);
    };
    requestAnimationFrame(look);
  })();</script>`;
  const copy = path.join(work, 'watched-' + path.basename(file));
  const text = fs.readFileSync(file, 'utf8');
  const head = text.indexOf('<head>') >= 0 ? text.indexOf('<head>') + 6 : text.indexOf('>') + 1;
  fs.writeFileSync(copy, text.slice(0, head) + watcher + text.slice(head));
  return 'file://' + copy;
}

async function firstPaintIn(open, engine) {
  const pageUrl = watched(page, 390, 200, 0x2f4f4f), trivialUrl = watched(trivial, 10, 10, 0);
  const times = { page: [], trivial: [] };
  let b = null;
  try {
    b = await open('about:blank');
    for (let k = 0; k < 5; ++k)
      for (const [kind, url] of [['page', pageUrl], ['trivial', trivialUrl]]) {
        await b.navigate(url);
        await b.waitFor(() => window.tervanFirstPaint !== undefined, undefined, 30000);
        times[kind].push(await b.evaluate(() => window.tervanFirstPaint));
      }
  } catch (e) {
    // One engine failing leaves the rest of the run standing.
    return { name: b ? b.name : engine, error: e.message };
  } finally {
    if (b) await b.close();
  }
  return { name: b.name, first: median(times.page), base: median(times.trivial) };
}

async function soak(file, act) {
  const browser = await launch();
  const context = await browser.newContext({ viewport: { width: 800, height: 500 } });
  const p = await context.newPage();
  await p.goto('file://' + file);
  if (act) await act(p);
  await p.waitForTimeout(2000);
  const pids = browserProcesses();
  const pss0 = pssKiB(pids);
  const t0 = cpuTicks(pids);
  await p.waitForTimeout(soakSeconds * 1000);
  const pids1 = browserProcesses();
  const cpu = 100 * (cpuTicks(pids1) - t0) / (hz * soakSeconds);
  const pss1 = pssKiB(pids1);
  await browser.close();
  return { cpu, pss0: pss0 / 1024, pss1: pss1 / 1024 };
}

async function main() {
  const bytes = fs.statSync(page).size;
  const gz = zlib.gzipSync(fs.readFileSync(page), { level: 9 }).length;

  const browser = await launch();
  const pageTimes = [], trivialTimes = [];
  for (let k = 0; k < 5; ++k) {
    // The title picture's pixel inside the title dialog, which stands
    // centred on the page's desktop.
    pageTimes.push(await firstPaint(browser, page, 390, 200, 0x2f4f4f));
    trivialTimes.push(await firstPaint(browser, trivial, 10, 10, 0x000000));
  }
  await browser.close();
  const first = median(pageTimes), base = median(trivialTimes);

  // The soak: the title dialog passed, the initial values noted and the
  // bottle closed, so that the 50 ms gas timer redraws the manometer.
  const tervan = await soak(page, async (p) => {
    await p.waitForTimeout(1500);
    await p.keyboard.press('Enter');
    await p.waitForTimeout(1000);
    await clickCanvas(p, 700, 82); // "Anota valors inicials"
    await p.waitForTimeout(300);
    await clickCanvas(p, 700, 110); // "Tanca Botella"
  });
  const js = await soak(plain);
  const empty = await soak(path.join(work, 'trivial.html'));

  const engines = [await firstPaintIn(openFirefox, 'Firefox'), await firstPaintIn(openWebKit, 'WebKitGTK')];

  const ok = (v) => (v ? 'ok' : '**over target**');
  const out = [];
  out.push('Browser version: file size, first paint and a ' + soakSeconds +
           ' s soak in chromium-headless-shell\n');
  out.push('| measure | value | target | |');
  out.push('|---|---|---|---|');
  out.push(`| tervan.html | ${(bytes / MiB).toFixed(2)} MiB | <= 1.5 MiB (stretch 1.2 MiB) | ${ok(bytes <= 1.5 * MiB)} |`);
  out.push(`| tervan.html gzipped | ${(gz / MiB).toFixed(2)} MiB | <= 0.6 MiB | ${ok(gz <= 0.6 * MiB)} |`);
  out.push(`| first paint of the title dialog | ${first.toFixed(0)} ms | <= 1500 ms | ${ok(first <= 1500)} |`);
  out.push(`| first paint, as a ratio to a trivial canvas page (${base.toFixed(0)} ms) | ${(first / base).toFixed(1)} | <= 6.3 | ${ok(first / base <= 6.3)} |`);
  out.push(`| CPU, all browser processes, gas timer running | ${tervan.cpu.toFixed(1)} % of one core | <= plain page | ${ok(tervan.cpu <= js.cpu)} |`);
  out.push(`| CPU, plain JavaScript page doing the same 20 Hz job | ${js.cpu.toFixed(1)} % of one core | | |`);
  out.push(`| PSS above an empty page (${empty.pss1.toFixed(1)} MiB), soak start | ${(tervan.pss0 - empty.pss1).toFixed(1)} MiB | <= 35 MiB (stretch 30) | ${ok(tervan.pss0 - empty.pss1 <= 35)} |`);
  out.push(`| PSS above an empty page, soak end | ${(tervan.pss1 - empty.pss1).toFixed(1)} MiB | <= 35 MiB (stretch 30) | ${ok(tervan.pss1 - empty.pss1 <= 35)} |`);
  out.push(`| PSS above an empty page, plain JavaScript page | ${(js.pss1 - empty.pss1).toFixed(1)} MiB | | |`);
  out.push(`| growth over the soak | ${(tervan.pss1 - tervan.pss0) >= 0 ? '+' : ''}${(tervan.pss1 - tervan.pss0).toFixed(2)} MiB | no growth | |`);
  out.push('');
  out.push('First paint of the title dialog in the other engines, five loads each\n');
  out.push('| engine | first paint | trivial canvas page | ratio |');
  out.push('|---|---|---|---|');
  for (const e of engines)
    out.push(e.error ? `| ${e.name} | failed: ${e.error} | | |`
      : `| ${e.name} | ${e.first.toFixed(0)} ms | ${e.base.toFixed(0)} ms | ${(e.first / e.base).toFixed(1)} |`);
  console.log(out.join('\n'));
  fs.rmSync(work, { recursive: true, force: true });
}

main().catch((e) => { console.error(e); process.exit(1); });
