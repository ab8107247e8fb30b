// Figures of the page on 127.0.0.1 in headless Chromium with a cold cache: the time from navigation
// until the title is started and painted, and the bytes moved before then, compressed as a static
// host would serve them (gzip -9). A benchmark to run on purpose, never a pass-or-fail test.
//   node web/tools/bench.mjs [RUNS]   (VERMINADIA_SITE names the folder; default build-web/)

import {readFileSync} from 'node:fs';
import {join} from 'node:path';
import {gzipSync} from 'node:zlib';

import {launch, serve, site} from '../tests/support.mjs';

const runs = Number(process.argv[2] ?? 5);
const browser = await launch();
const times = [];
let fetched = [];
for (let i = 0; i < runs; ++i) {
  const log = [];
  const server = await serve(log);
  const context = await browser.newContext({locale: 'ja-JP', serviceWorkers: 'block'});
  const page = await context.newPage();
  await page.goto(server.url);
  await page.waitForSelector('#language:not([hidden])');
  // The title is on the stage at the program's mark; the next frame paints it.
  times.push(await page.evaluate(() => new Promise((done) => requestAnimationFrame(() =>
    done(performance.getEntriesByName('verminadia-title')[0].startTime + 1000 / 60)))));
  fetched = [...new Set(log)];
  await context.close();
  await server.close();
}
await browser.close();

times.sort((a, b) => a - b);
const bytes = fetched.map((path) => {
  const file = join(site, path.endsWith('/') ? path + 'index.html' : path);
  return {path, raw: readFileSync(file).length, gzip: gzipSync(readFileSync(file), {level: 9}).length};
});
for (const b of bytes) console.log(`  ${b.path}: ${b.raw} bytes, ${b.gzip} gzipped`);
const total = bytes.reduce((sum, b) => sum + b.gzip, 0);
console.log(`title started and painted: median ${times[times.length >> 1].toFixed(0)} ms over ${runs} cold loads ` +
            `(fastest ${times[0].toFixed(0)}, slowest ${times[times.length - 1].toFixed(0)})`);
console.log(`bytes before the title: ${(total / 1024).toFixed(1)} KB gzipped, in ${bytes.length} files`);
