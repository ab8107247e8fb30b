// Figures of the page on 127.0.0.1 in headless Chromium: the time from navigation until the title
// is started and painted with a cold cache, the bytes moved before then compressed as a static host
// would serve them (gzip -9), the soundtrack's size and that none of it is fetched before the
// title, the processor time Chromium spends while the title waits, and the page's memory, idle at
// the title and after a game's first steps with sound. A
// benchmark to run on purpose (make web-bench), never a pass-or-fail test.
//   node web/tools/bench.mjs [RUNS]   (VERMINADIA_SITE names the folder; default build-web/)

import {readdirSync, readFileSync, statSync} from 'node:fs';
import {join} from 'node:path';
import {gzipSync} from 'node:zlib';

import {clickAt, launch, look, open, serve, site} from '../tests/support.mjs';

const runs = Number(process.argv[2] ?? 5);
const idleSeconds = 30;
const kb = (bytes) => `${(bytes / 1024).toFixed(0)} KB`;
const browser = await launch();

// Cold loads: the title's mark, the next frame painting it.
const times = [];
let fetched = [];
for (let i = 0; i < runs; ++i) {
  const log = [];
  const server = await serve(log);
  const context = await browser.newContext({locale: 'ja-JP', serviceWorkers: 'block'});
  const page = await context.newPage();
  await page.goto(server.url);
  await page.waitForSelector('#language:not([hidden])');
  times.push(await page.evaluate(() => new Promise((done) => requestAnimationFrame(() =>
    done(performance.getEntriesByName('verminadia-title')[0].startTime + 1000 / 60)))));
  fetched = [...new Set(log)];
  await context.close();
  await server.close();
}
times.sort((a, b) => a - b);
const bytes = fetched.map((path) => {
  const file = join(site, path.endsWith('/') ? path + 'index.html' : path);
  return {path, raw: readFileSync(file).length, gzip: gzipSync(readFileSync(file), {level: 9}).length};
});
for (const b of bytes) console.log(`  ${b.path}: ${b.raw} bytes, ${b.gzip} gzipped`);
console.log(`title started and painted: median ${times[times.length >> 1].toFixed(0)} ms over ${runs} cold loads ` +
            `(fastest ${times[0].toFixed(0)}, slowest ${times[times.length - 1].toFixed(0)})`);
console.log(`bytes before the title: ${kb(bytes.reduce((sum, b) => sum + b.gzip, 0))} gzipped, in ${bytes.length} files`);

const sounds = readdirSync(join(site, 'sounds'));
const soundBytes = sounds.reduce((sum, f) => sum + statSync(join(site, 'sounds', f)).size, 0);
const early = fetched.filter((path) => path.startsWith('/sounds/'));
console.log(`the soundtrack: ${(soundBytes / 1048576).toFixed(1)} MB in ${sounds.length} files; ` +
            `fetched before the title: ${early.length ? early.join(', ') : 'none'}`);

// The title played out to its prompt, then left waiting: Chromium's processor time, all of its
// processes, and the page's own memory (its renderer's private pages).
const server = await serve();
const context = await browser.newContext({locale: 'ja-JP'});
const page = await context.newPage();
await page.goto(server.url);
await page.waitForSelector('#Label3:not([hidden])', {timeout: 60000});
const cdp = await browser.newBrowserCDPSession();
const cpu = async () => (await cdp.send('SystemInfo.getProcessInfo')).processInfo;
// Chromium's processor time, all of its processes, over idleSeconds with `page` open, and the
// page's own main thread meanwhile: its tasks and the script they run.
async function idle(page) {
  const pageCdp = await page.context().newCDPSession(page);
  await pageCdp.send('Performance.enable');
  const mainThread = async () => Object.fromEntries((await pageCdp.send('Performance.getMetrics')).metrics.map((m) => [m.name, m.value]));
  const before = await cpu(), pageBefore = await mainThread();
  await new Promise((done) => setTimeout(done, idleSeconds * 1000));
  const after = await cpu(), pageAfter = await mainThread();
  const byType = {};
  for (const p of after) {
    const was = before.find((q) => q.id === p.id)?.cpuTime ?? 0;
    byType[p.type] = (byType[p.type] ?? 0) + p.cpuTime - was;
  }
  const spent = Object.values(byType).reduce((sum, s) => sum + s, 0);
  const ms = (name) => 1000 * (pageAfter[name] - pageBefore[name]);
  return {spent, byType, tasks: ms('TaskDuration'), script: ms('ScriptDuration')};
}
const share = (seconds) => `${(100 * seconds / idleSeconds).toFixed(2)} %`;
const title = await idle(page);
// A renderer's private pages: what it holds that no other process shares.
const privateBytes = (pid) => ['Private_Clean', 'Private_Dirty'].reduce((sum, field) =>
  sum + Number(readFileSync(`/proc/${pid}/smaps_rollup`, 'utf8').match(new RegExp(`^${field}:\\s+(\\d+)`, 'm'))[1]) * 1024, 0);
// The page's renderer is the largest: Chromium keeps a spare one besides.
const largestRenderer = async () => Math.max(...(await cpu()).filter((p) => p.type === 'renderer').map((p) => privateBytes(p.id)));
const game = await largestRenderer();
await context.close();
const blank = await (await browser.newContext()).newPage();
await blank.goto('about:blank');
const mb = (n) => `${(n / 1048576).toFixed(1)} MB`;
console.log(`the page's memory: ${mb(game)} private in its renderer (an empty page's: ${mb(await largestRenderer())})`);
// The reference, in the same run: Chromium with only an empty page, once it has settled.
await new Promise((done) => setTimeout(done, 3000));
const reference = await idle(blank);
console.log(`processor while the title waits: ${share(title.spent)} of a core over ${idleSeconds} s, all of Chromium (` +
            Object.entries(title.byType).map(([type, s]) => `${type} ${share(s)}`).join(', ') + `); ` +
            `with an empty page instead: ${share(reference.spent)}; the title's own: ${share(Math.max(0, title.spent - reference.spent))}`);
console.log(`  the page's main thread meanwhile: tasks ${title.tasks.toFixed(1)} ms, script ${title.script.toFixed(1)} ms ` +
            `(an empty page's: tasks ${reference.tasks.toFixed(1)} ms)`);

// The same after the title, the town and a won bout with sound on (a key first), each tune heard
// for a few seconds, and the garbage then collected, as Chromium does in its own time.
const sleep = (ms) => new Promise((done) => setTimeout(done, ms));
const played = await open(browser, server.url);
await played.page.keyboard.press('x');
await played.ticks(18);
await clickAt(played.page, 'Label3');
await played.ticks(11);
await clickAt(played.page, 'Label4');
await played.ticks(1, 1000);
await sleep(3000);
await clickAt(played.page, 'Button6');
await clickAt(played.page, 'Button9');
await played.ticks(1, 1000);
await sleep(3000);
for (let click = 0; click < 80 && !(await look(played.page, 'Panel8')).showing; ++click) {
  await clickAt(played.page, (await look(played.page, 'Label45')).showing ? 'Label45' : 'Panel5');
}
await sleep(3000);
await (await played.context.newCDPSession(played.page)).send('HeapProfiler.collectGarbage');
await sleep(1000);
console.log(`  after the title, the town and a bout with sound: ${mb(await largestRenderer())}`);
await played.context.close();
await server.close();
await browser.close();
