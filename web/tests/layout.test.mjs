// Where a translation's captions sit in the page, as on the desktop: what the design lines up by
// spaces stands in columns, and what it centres is centred. Measured on the text a player sees.

import assert from 'node:assert/strict';
import {mkdirSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {test} from 'node:test';

import {clickAt, open, withBrowser} from './support.mjs';

const out = process.env.VERMINADIA_SHOTS ?? join(tmpdir(), 'verminadia-shots');
const the = withBrowser();

// The seen text of each widget named: its first and last pieces' edges on the stage, in the
// stage's own pixels. Text a screen reader is told to skip is not seen.
function seen(page, ids) {
  return page.evaluate((ids) => {
    const scale = document.getElementById('stage').getBoundingClientRect().width / 521;
    return Object.fromEntries(ids.map((id) => {
      const e = document.getElementById(id);
      if (!e.checkVisibility()) return [id, null];
      const pieces = [];
      const walker = document.createTreeWalker(e, NodeFilter.SHOW_TEXT);
      for (let n = walker.nextNode(); n; n = walker.nextNode()) {
        if (!n.textContent.trim() || n.parentElement.closest('[aria-hidden="true"]')) continue;
        const range = document.createRange();
        range.selectNodeContents(n);
        const box = range.getBoundingClientRect();
        pieces.push({left: box.left / scale, right: box.right / scale});
      }
      return [id, {first: pieces[0], last: pieces.at(-1), pieces: pieces.length}];
    }));
  }, ids);
}

// The translated texts showing that leave their box: a button's or a heading box's own (clipped),
// a label's panel or the stage (labels size themselves to their text).
function overflowing(page) {
  return page.evaluate(() => {
    const out = [];
    for (const e of document.querySelectorAll('#stage .label, #stage .button, #stage .edit')) {
      if (!e.checkVisibility()) continue;
      if (!e.classList.contains('label')) {
        if (e.scrollWidth > e.clientWidth) out.push(e.id);
        continue;
      }
      const box = e.parentElement.getBoundingClientRect();
      const walker = document.createTreeWalker(e, NodeFilter.SHOW_TEXT);
      for (let n = walker.nextNode(); n; n = walker.nextNode()) {
        if (!n.textContent.trim() || n.parentElement.closest('[aria-hidden="true"]')) continue;
        const range = document.createRange();
        range.selectNodeContents(n);
        const text = range.getBoundingClientRect();
        if (text.left < box.left - 0.5 || text.right > box.right + 0.5) out.push(e.id);
      }
    }
    return out;
  });
}

// The page in English, on the hero choice after the title and the prologue.
async function heroChoice() {
  const played = await open(the.browser, the.server.url, {locale: 'en-US'});
  await played.ticks(18);
  await clickAt(played.page, 'Label3');
  await played.ticks(11);
  return played;
}

function spread(xs) {
  return Math.max(...xs) - Math.min(...xs);
}

test('a translation\'s prices and values stand in columns', async () => {
  const {page, context, problems} = await heroChoice();
  await clickAt(page, 'Label5');
  await clickAt(page, 'Button4');
  assert.deepEqual(await overflowing(page), [], 'the store\'s texts fit their boxes');
  mkdirSync(out, {recursive: true});
  await page.locator('#stage').screenshot({path: join(out, 'en-store-page.png')});
  const shelf = Object.values(await seen(page, ['Label34', 'Label35', 'Label39', 'Label41', 'Label42', 'Label67']));
  assert.ok(shelf.every((row) => row?.pieces === 2), 'every price follows its name');
  assert.ok(spread(shelf.map((row) => row.last.right)) < 0.5, 'the prices end on one line');

  await clickAt(page, 'Label43');
  await clickAt(page, 'Button1');
  await page.locator('#stage').screenshot({path: join(out, 'en-status-page.png')});
  assert.deepEqual(await overflowing(page), [], 'the status screen\'s texts fit their boxes');
  const columns = {
    hero: {ids: ['Label14', 'Label15', 'Label16', 'Label17', 'Label18', 'Label19'], edge: 'left'},
    gear: {ids: ['Label21', 'Label22', 'Label29'], edge: 'left'},
    strengths: {ids: ['Label23', 'Label24', 'Label25', 'Label26'], edge: 'right'},
  };
  for (const [name, {ids, edge}] of Object.entries(columns)) {
    const rows = Object.values(await seen(page, ids));
    assert.ok(rows.every((row) => row?.pieces === 2), `every ${name} row has its value`);
    assert.ok(spread(rows.map((row) => row.last[edge])) < 0.5, `the ${name} values line up`);
    assert.ok(rows.every((row) => row.first.right < row.last.left), `the ${name} headings keep clear of their values`);
  }
  // A screen reader hears each heading and its value as two words.
  assert.match(await page.locator('#Label23').textContent(), /^Attack \d+$/);
  assert.deepEqual(problems, []);
  await context.close();
});

test('a translation centres what the design centres: the subtitle under the title, the fighters\' names', async () => {
  const centre = (row) => (row.first.left + row.last.right) / 2;
  // A screen in the game's own language and in English: the centres of the captions named.
  const centres = async (screen, steps, ids) => {
    const both = [];
    for (const locale of ['ja-JP', 'en-US']) {
      const played = await open(the.browser, the.server.url, {locale});
      await steps(played);
      const rows = await seen(played.page, ids);
      assert.deepEqual(await overflowing(played.page), [], `${screen} in ${locale}: the texts fit their boxes`);
      if (locale === 'en-US') await played.page.locator('#stage').screenshot({path: join(out, `en-${screen}-page.png`)});
      both.push(Object.fromEntries(ids.map((id) => [id, centre(rows[id])])));
      assert.deepEqual(played.problems, []);
      await played.context.close();
    }
    return both;
  };
  const [designed, english] = await centres('title', async (p) => p.ticks(18), ['Label2', 'Label1']);
  assert.ok(Math.abs(english.Label2 - designed.Label2) <= 2, 'the subtitle is centred where it was designed');
  assert.ok(Math.abs(english.Label2 - english.Label1) <= 3, 'under the title');

  const fighters = ['Label4', 'Label5', 'Label6', 'Label7'];
  const [own, translated] = await centres('hero-choice', async (p) => {
    await p.ticks(18);
    await clickAt(p.page, 'Label3');
    await p.ticks(11);
  }, fighters);
  for (const id of fighters) assert.ok(Math.abs(translated[id] - own[id]) <= 2, `${id} is centred where it was designed`);
});

test('a translation\'s texts fit their boxes in town, the arena and a fight', async () => {
  const {page, context, problems} = await heroChoice();
  await clickAt(page, 'Label4');
  assert.deepEqual(await overflowing(page), [], 'the town');
  await clickAt(page, 'Button6');
  assert.deepEqual(await overflowing(page), [], 'the classes');
  await clickAt(page, 'Button9');
  assert.deepEqual(await overflowing(page), [], 'the fight');
  await clickAt(page, 'Label45');
  assert.deepEqual(await overflowing(page), [], 'the first blow\'s message');
  assert.deepEqual(problems, []);
  await context.close();
});
