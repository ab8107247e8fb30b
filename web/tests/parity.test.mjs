// The same game in the page and in the desktop's window: tests/parity/inputs.txt played here with
// real clicks and keys, and by verminadia-parity in the window under Qt's offscreen platform. Each
// writes the keyboard focus, what a screen reader is told and the game's state after every input;
// the two logs must be the same, byte for byte.

import assert from 'node:assert/strict';
import {execFile} from 'node:child_process';
import {existsSync} from 'node:fs';
import {mkdir, readFile, writeFile} from 'node:fs/promises';
import {join} from 'node:path';
import {test} from 'node:test';
import {promisify} from 'node:util';

import {clickAt, open, sources, titleTickMs, withBrowser} from './support.mjs';

const the = withBrowser();
const tool = process.env.VERMINADIA_PARITY;
const inputs = join(sources, 'tests/parity/inputs.txt');
const logs = process.env.VERMINADIA_SHOTS ?? join(sources, 'build-web/parity');
const intervals = {Timer1: titleTickMs};

// What a screen reader is told: each change of the live regions, in order.
function listen(page) {
  return page.evaluate(() => {
    window.parityHeard = [];
    for (const [id, urgency] of [['announce', 'polite'], ['alert', 'assertive']]) {
      const region = document.getElementById(id);
      new MutationObserver(() => window.parityHeard.push(`${urgency}: ${region.textContent}\n`))
        .observe(region, {childList: true, characterData: true, subtree: true});
    }
  });
}

async function playPage(pageLog) {
  const {page, context, problems, ticks} = await open(the.browser, the.server.url);
  await listen(page);
  let log = '';
  let state = '';
  try {
    for (const line of (await readFile(inputs, 'utf8')).split('\n')) {
      if (line === '' || line.startsWith('#')) continue;
      const [verb, what, ...rest] = line.split(' ');
      if (verb === 'tick') await ticks(Number(rest[0]), intervals[what]);
      else if (verb === 'click') await clickAt(page, what);
      else if (verb === 'key') await page.keyboard.press(what);
      else if (verb === 'draw') {
        for (const v of [what, ...rest]) await page.evaluate((n) => Module.verminadiaQueueDraw(n), Number(v));
      } else if (verb === 'language') {
        await page.selectOption('#language', what);
        await page.waitForFunction((l) => document.documentElement.lang === l, what);
      } else if (verb === 'reload') {
        await page.reload();
        await page.waitForSelector('#language:not([hidden])');
        await listen(page);
      } else if (verb === 'continue') await page.click('#continue');
      else if (verb === 'set') assert.equal(await page.evaluate(([f, v]) => Module.verminadiaSet(f, v), [what, rest[0]]), '');
      else throw new Error(`parity inputs: ${line}`);
      const focus = await page.evaluate(() => {
        const id = document.activeElement?.id ?? '';
        return id === '' || id === 'stage' ? '-' : id;
      });
      const heard = await page.evaluate(() => window.parityHeard.splice(0).join(''));
      log += `> ${line}\nfocus ${focus}\n${heard}`;
      const dump = await page.evaluate(() => Module.verminadiaDump());
      if (dump !== state) {
        state = dump;
        log += state + '\n';
      }
    }
  } finally {
    await writeFile(pageLog, log);
  }
  assert.deepEqual(problems, []);
  await context.close();
  return log;
}

test('the page and the window agree on the focus, the words and the game after every input',
  {skip: tool && existsSync(tool) ? false : 'no verminadia-parity: the desktop build has not made it'}, async () => {
    await mkdir(logs, {recursive: true});
    const desktopLog = join(logs, 'parity-desktop.log');
    await promisify(execFile)(tool, [inputs, desktopLog],
      {env: {...process.env, QT_QPA_PLATFORM: 'offscreen', DBUS_SESSION_BUS_ADDRESS: 'disabled:'}, timeout: 120000});
    const pageLog = await playPage(join(logs, 'parity-page.log'));
    assert.equal(pageLog, await readFile(desktopLog, 'utf8'),
      `the logs differ: compare ${desktopLog} and ${join(logs, 'parity-page.log')}`);
  });
