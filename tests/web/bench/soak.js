// The browser page left running with the gas timer on (`make bench`): the
// test page, on the real clock, past the title dialog with the bottle closed,
// for BENCH_WEB_SOAK_MINUTES (30 by default). Each minute it reads the
// gas timer's ticks, the program's WebAssembly memory, the page's JavaScript
// heap and the browser's PSS, and empties the test page's journal and list
// of tick times, which grow with every tick by design. Prints a Markdown table: memory at the start
// and at the end, and the gas ticks a second in the first and the last
// minute and over the whole run against the 20 a 50 ms timer gives.
//
//   node soak.js [MINUTES]
import fs from 'node:fs';
import { closeBottle, launch, start, timers } from '../harness.js';

const minutes = Number(process.argv[2] || process.env.BENCH_WEB_SOAK_MINUTES || 30);
const gas = timers.kGasTimer;
const MiB = 1024 * 1024;

// The browser's processes: every process below this one.
function browserPids() {
  const parents = new Map();
  for (const entry of fs.readdirSync('/proc')) {
    if (!/^\d+$/.test(entry)) continue;
    try {
      const stat = fs.readFileSync(`/proc/${entry}/stat`, 'utf8');
      parents.set(Number(entry), Number(stat.slice(stat.lastIndexOf(')') + 2).split(' ')[1]));
    } catch { /* gone meanwhile */ }
  }
  const out = [process.pid];
  for (let i = 0; i < out.length; ++i)
    for (const [pid, ppid] of parents) if (ppid === out[i]) out.push(pid);
  return out.slice(1);
}
function pssMiB() {
  let kib = 0;
  for (const pid of browserPids()) {
    try {
      const m = fs.readFileSync(`/proc/${pid}/smaps_rollup`, 'utf8').match(/^Pss:\s+(\d+)/m);
      if (m) kib += Number(m[1]);
    } catch { /* gone */ }
  }
  return kib / 1024;
}

async function sample(page, session) {
  const s = await page.evaluate((id) => {
    const t = Module.tervanTest;
    const times = t.tickTimes.filter(([which]) => which === id).map(([, at]) => at);
    t.tickTimes.length = 0;
    t.journal.length = 0;
    return { ticks: t.ticks[id] || 0, last: times.length ? times[times.length - 1] : null,
             now: performance.now(), wasm: Module.HEAPU8.length };
  }, gas);
  await session.send('HeapProfiler.collectGarbage');
  const heap = await session.send('Runtime.getHeapUsage');
  return { ...s, js: heap.usedSize, pss: pssMiB() };
}

async function main() {
  const browser = await launch();
  const page = await start(browser);
  await closeBottle(page);
  const session = await page.context().newCDPSession(page);
  await page.waitForTimeout(5000); // the first frames and caches settle
  const samples = [await sample(page, session)];
  for (let m = 0; m < minutes; ++m) {
    await page.waitForTimeout(60 * 1000);
    samples.push(await sample(page, session));
  }
  await browser.close();

  const first = samples[0], second = samples[1], before = samples[samples.length - 2];
  const last = samples[samples.length - 1];
  const rate = (a, b) => (1000 * (b.ticks - a.ticks)) / (b.now - a.now);
  const sign = (v) => (v >= 0 ? '+' : '') + v.toFixed(2);
  const out = [];
  out.push(`Browser page left ${minutes} min with the gas timer running (chromium-headless-shell)\n`);
  out.push('| measure | start | end | change |');
  out.push('|---|---|---|---|');
  out.push(`| WebAssembly memory | ${(first.wasm / MiB).toFixed(2)} MiB | ${(last.wasm / MiB).toFixed(2)} MiB | ${sign((last.wasm - first.wasm) / MiB)} MiB |`);
  out.push(`| JavaScript heap in use | ${(first.js / MiB).toFixed(2)} MiB | ${(last.js / MiB).toFixed(2)} MiB | ${sign((last.js - first.js) / MiB)} MiB |`);
  out.push(`| PSS, all browser processes | ${first.pss.toFixed(1)} MiB | ${last.pss.toFixed(1)} MiB | ${sign(last.pss - first.pss)} MiB |`);
  out.push(`| gas ticks a second (20 at 50 ms) | ${rate(first, second).toFixed(2)} (first minute) | ${rate(before, last).toFixed(2)} (last minute) | ${rate(first, last).toFixed(2)} over the run |`);
  out.push(`| gas ticks | ${first.ticks} | ${last.ticks} | ${last.ticks - first.ticks} in ${((last.now - first.now) / 1000).toFixed(0)} s |`);
  console.log(out.join('\n'));
}

main().catch((e) => { console.error(e); process.exit(1); });
