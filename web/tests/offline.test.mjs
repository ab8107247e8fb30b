// Installable, and after one visit playable offline: the manifest names the game, its start and
// its icons, every URL relative so that the folder works at any path; the service worker keeps the
// folder's files.

import assert from 'node:assert/strict';
import {readFileSync} from 'node:fs';
import {join} from 'node:path';
import {test} from 'node:test';

import {PNG} from 'pngjs';

import {site, withBrowser} from './support.mjs';

const the = withBrowser();

test('plays offline after one visit, pictures and catalogues included', async () => {
  const context = await the.browser.newContext({locale: 'en-US'});
  const page = await context.newPage();
  await page.goto(the.server.url);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await the.server.close();
  the.server = null;
  await context.setOffline(true);
  await page.reload();
  await page.waitForSelector('#language:not([hidden])');
  assert.equal(await page.evaluate(() => document.documentElement.lang), 'en', 'the English catalogue came from the cache');
  const picture = await page.evaluate(async () => (await fetch('pictures/Image3.svg')).ok);
  assert.ok(picture, 'the pictures are kept too');
  await context.close();
});

test('the manifest makes it installable, with relative URLs and icons that are there', async () => {
  const manifest = JSON.parse(readFileSync(join(site, 'manifest.webmanifest'), 'utf8'));
  assert.equal(manifest.name, 'ヴェルミナーディア外伝');
  assert.equal(manifest.display, 'standalone');
  assert.equal(manifest.start_url, '.');
  const relative = (url) => !/^([a-z]+:|\/)/i.test(url);
  assert.ok(relative(manifest.scope), 'the scope is relative');
  for (const size of [192, 512]) {
    const icon = manifest.icons.find((i) => i.sizes === `${size}x${size}` && i.type === 'image/png');
    assert.ok(icon && relative(icon.src), `a relative ${size} px PNG icon`);
    const png = PNG.sync.read(readFileSync(join(site, icon.src)));
    assert.deepEqual([png.width, png.height], [size, size]);
  }
  const page = readFileSync(join(site, 'index.html'), 'utf8');
  const urls = [...page.matchAll(/(?:href|src)="([^"]*)"/g)].map((m) => m[1]);
  assert.deepEqual(urls.filter((u) => !relative(u)), [], 'the page links only relative URLs');
});
