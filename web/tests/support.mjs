// The browser tests' helpers: the page's folder served on 127.0.0.1, Debian's Chromium driven by
// playwright-core (nothing downloads a browser), and the page opened with its timers under the
// test's control, so that a tick comes when the test says and the title's 27 seconds take none.

import {createServer} from 'node:http';
import {readFile} from 'node:fs/promises';
import {extname, join, normalize, resolve} from 'node:path';
import {after, before} from 'node:test';

export const site = resolve(process.env.VERMINADIA_SITE ?? new URL('../../build-web', import.meta.url).pathname);
export const sources = resolve(new URL('../..', import.meta.url).pathname);

// The designed window, and the interval of Timer1, which runs the title.
export const design = {width: 521, height: 351};
export const titleTickMs = 1500;

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.css': 'text/css', '.svg': 'image/svg+xml', '.woff2': 'font/woff2', '.mo': 'application/octet-stream',
  '.webmanifest': 'application/manifest+json', '.txt': 'text/plain; charset=utf-8', '.png': 'image/png',
  '.ogg': 'audio/ogg', '.wav': 'audio/wav',
};

// Serves the folder as any static host would; `log` gets every path asked for.
export async function serve(log = []) {
  const server = createServer(async (req, res) => {
    const path = decodeURIComponent(new URL(req.url, 'http://x').pathname);
    log.push(path);
    const file = normalize(join(site, path.endsWith('/') ? path + 'index.html' : path));
    if (!file.startsWith(site)) return res.writeHead(403).end();
    try {
      const body = await readFile(file);
      res.writeHead(200, {'content-type': types[extname(file)] ?? 'application/octet-stream'}).end(body);
    } catch {
      res.writeHead(404).end();
    }
  });
  await new Promise((ok) => server.listen(0, '127.0.0.1', ok));
  return {url: `http://127.0.0.1:${server.address().port}/`, close: () => new Promise((ok) => server.close(ok))};
}

export async function launch() {
  const {chromium} = await import('playwright-core');
  return chromium.launch({
    executablePath: process.env.VERMINADIA_CHROMIUM ?? '/usr/bin/chromium',
    args: ['--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
  });
}

// Playwright's installed clock still follows the real one, so a slow machine would see extra ticks
// between a test's steps: it is paused at once, before the page has any timer.
async function holdClock(page) {
  const now = Date.now();
  await page.clock.install({time: now});
  await page.clock.pauseAt(now + 1000);
}

// Polls `condition` until it holds, for what the browser does on its own time (a resize, a decode).
export async function until(condition, what, timeoutMs = 10000) {
  const deadline = Date.now() + timeoutMs;
  for (;;) {
    const value = await condition();
    if (value) return value;
    if (Date.now() > deadline) throw new Error(`still waiting for ${what}`);
    await new Promise((ok) => setTimeout(ok, 20));
  }
}

// The page in a browser speaking `locale`, its clock held: nothing ticks until `ticks` runs it.
// The viewport leaves the stage its designed size.
export async function open(browser, url, {locale = 'ja-JP', prepare, hasTouch = false} = {}) {
  const context = await browser.newContext({locale, hasTouch, viewport: {width: design.width, height: 400}});
  const page = await context.newPage();
  await prepare?.(page);
  const problems = [];
  page.on('pageerror', (e) => problems.push(e.message));
  page.on('console', (m) => { if (m.type() === 'error') problems.push(m.text()); });
  await holdClock(page);
  await page.goto(url);
  await page.waitForSelector('#language:not([hidden])');
  const bar = await page.evaluate(() => document.getElementById('bar').offsetHeight);
  await page.setViewportSize({width: design.width, height: design.height + bar});
  return {page, context, problems, ticks: (n, ms = titleTickMs) => page.clock.runFor(n * ms)};
}

// What a player sees of a widget: whether it shows, and its text.
export function look(page, name) {
  return page.evaluate((id) => {
    const e = document.getElementById(id);
    return {showing: e.checkVisibility(), text: e.tagName === 'INPUT' ? e.value : e.textContent};
  }, name);
}

// A real mouse click at the middle of a widget, where the player sees it.
export async function clickAt(page, name) {
  const box = await page.locator('#' + name).boundingBox();
  await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
}

// A tap of a finger at the middle of a widget (the page opened with `hasTouch`).
export async function tapAt(page, name) {
  const box = await page.locator('#' + name).boundingBox();
  await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
}

// The widget that has the keyboard focus.
export function focused(page) {
  return page.evaluate(() => document.activeElement?.id ?? '');
}

// A caption from a golden scenario's dump: the `n`th printed line of `scenario`.expected.
export async function goldenCaption(scenario, n) {
  const lines = (await readFile(join(sources, 'tests/scenarios', scenario + '.expected'), 'utf8')).split('\n');
  return JSON.parse(lines[n]).caption;
}

// The folder served and Chromium launched before the tests of one file, both closed after them.
export function withBrowser() {
  const the = {};
  before(async () => {
    the.server = await serve();
    the.browser = await launch();
  });
  after(async () => {
    await the.browser?.close();
    await the.server?.close();
  });
  return the;
}
