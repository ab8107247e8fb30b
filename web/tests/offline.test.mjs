// After one visit the page plays offline: its service worker keeps every file of the folder.

import assert from 'node:assert/strict';
import {test} from 'node:test';

import {withBrowser} from './support.mjs';

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
