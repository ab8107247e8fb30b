// After one visit the page plays offline: its service worker keeps every file of the folder.

import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {launch, serve} from './support.mjs';

let server, browser;
before(async () => {
  server = await serve();
  browser = await launch();
});
after(async () => {
  await browser?.close();
  await server?.close();
});

test('plays offline after one visit, pictures and catalogues included', async () => {
  const context = await browser.newContext({locale: 'en-US'});
  const page = await context.newPage();
  await page.goto(server.url);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await server.close();
  server = null;
  await context.setOffline(true);
  await page.reload();
  await page.waitForSelector('#language:not([hidden])');
  assert.equal(await page.evaluate(() => document.documentElement.lang), 'en', 'the English catalogue came from the cache');
  const picture = await page.evaluate(async () => (await fetch('pictures/Image3.svg')).ok);
  assert.ok(picture, 'the pictures are kept too');
  await context.close();
});
