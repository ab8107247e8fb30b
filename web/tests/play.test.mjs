// The page in Debian's Chromium, played as a player would: the title runs by itself, then real
// mouse clicks or the keyboard alone take the hero from the title through the hero choice into town.

import assert from 'node:assert/strict';
import {describe, test} from 'node:test';

import {clickAt, focused, goldenCaption, look, open, tapAt, until, withBrowser} from './support.mjs';

const the = withBrowser();

// The title's steps, as the golden title scenario has them: Label1 after 2 and 4 ticks.
const titleShown = 18;  // ticks until the "スタート" prompt
const prologue = 11;    // ticks from スタート to the hero choice

describe('the title', () => {
  test('starts by itself, says what the game is, and changes its captions on its ticks', async () => {
    const {page, context, problems, ticks} = await open(the.browser, the.server.url);
    assert.match(await page.locator('#about').innerText(), /ヴェルミナーディア外伝 — .+/);
    assert.equal(await page.title(), 'ヴェルミナーディア外伝');
    assert.equal((await look(page, 'Label1')).showing, false);
    await ticks(2);
    assert.deepEqual(await look(page, 'Label1'), {showing: true, text: await goldenCaption('title', 0)});
    await ticks(2);
    assert.equal((await look(page, 'Label1')).text, await goldenCaption('title', 1));
    const stage = await page.evaluate(() => getComputedStyle(document.getElementById('stage')).backgroundColor);
    assert.equal(stage, 'rgb(0, 0, 0)', 'the title turns the window black');
    await ticks(titleShown - 4);
    assert.equal((await look(page, 'Label3')).showing, true);
    assert.deepEqual(problems, []);
    await context.close();
  });

  test('speaks the browser\'s language, switches from the page\'s menu, and keeps the choice', async () => {
    const {page, context, problems, ticks} = await open(the.browser, the.server.url, {locale: 'en-US'});
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'en');
    assert.match(await page.locator('#about').innerText(), /^Verminadia Gaiden — /);
    await ticks(2);
    assert.equal((await look(page, 'Label1')).text, await goldenCaption('en-opening', 0));
    await page.selectOption('#language', 'ja');
    assert.equal((await look(page, 'Label1')).text, await goldenCaption('title', 0));
    assert.equal(await page.title(), 'ヴェルミナーディア外伝');
    await page.reload();
    await page.waitForSelector('#language:not([hidden])');
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'ja', 'the next visit keeps the menu\'s choice');
    assert.deepEqual(problems, []);
    await context.close();
  });
});

test('the stage fills the window, keeping its shape, centred', async () => {
  const {page, context, problems} = await open(the.browser, the.server.url);
  // The bar takes one line at this width, two at the designed one.
  await page.setViewportSize({width: 1400, height: 702});
  const bar = await page.evaluate(() => document.getElementById('bar').offsetHeight);
  await page.setViewportSize({width: 1400, height: 702 + bar});
  const fitted = async () => {
    const box = await page.locator('#stage').boundingBox();
    return box.width > 600 && box;
  };
  const box = await until(fitted, 'the stage to follow the window');
  assert.deepEqual([box.x, box.y - bar, box.width, box.height].map(Math.round), [179, 0, 1042, 702]);
  assert.deepEqual(problems, []);
  await context.close();
});

test('a catalogue that cannot be fetched is said in one line, and the game plays in Japanese', async () => {
  const context = await the.browser.newContext({locale: 'en-US'});
  await context.route('**/verminadia.mo', (route) => route.abort());
  const page = await context.newPage();
  const said = [];
  page.on('console', (m) => said.push(m.text()));
  await page.goto(the.server.url);
  await page.waitForSelector('#language:not([hidden])');
  assert.equal(await page.title(), 'ヴェルミナーディア外伝');
  assert.equal(await page.locator('#language').inputValue(), 'ja');
  const lines = said.filter((line) => line.includes('verminadia.mo'));
  assert.equal(lines.length, 1);
  assert.match(lines[0], /^verminadia: cannot fetch locale\/en\/LC_MESSAGES\/verminadia.mo: the game stays in Japanese$/);
  await context.close();
});

describe('from the title into town', () => {
  const townBar = () => goldenCaption('town-hero0', 0);

  test('with real mouse clicks', async () => {
    const {page, context, problems, ticks} = await open(the.browser, the.server.url);
    await ticks(titleShown);
    await clickAt(page, 'Label3');
    await ticks(prologue);
    assert.equal((await look(page, 'Panel1')).showing, true, 'the hero choice');
    assert.equal((await look(page, 'Edit1')).text, '参加する人物を選んで下さい');
    await clickAt(page, 'Label4');
    assert.deepEqual(await look(page, 'Label8'), {showing: true, text: await townBar()});
    await clickAt(page, 'Button1');
    assert.equal((await look(page, 'Panel3')).showing, true, 'the status screen');
    const unnamed = await page.$$eval('#stage img', (imgs) => imgs.filter((i) => i.checkVisibility() && !i.alt).length);
    assert.equal(unnamed, 0, 'every picture showing is told in words');
    assert.deepEqual(problems, []);
    await context.close();
  });

  test('with taps on a touch screen', async () => {
    const {page, context, problems, ticks} = await open(the.browser, the.server.url, {hasTouch: true});
    await ticks(titleShown);
    await tapAt(page, 'Label3');
    await ticks(prologue);
    await tapAt(page, 'Label4');
    assert.deepEqual(await look(page, 'Label8'), {showing: true, text: await townBar()});
    await tapAt(page, 'Button1');
    assert.equal((await look(page, 'Panel3')).showing, true, 'the status screen');
    assert.deepEqual(problems, []);
    await context.close();
  });

  test('a reload offers to continue the session, which goes on where it stood', async () => {
    const {page, context, problems, ticks} = await open(the.browser, the.server.url);
    assert.equal(await page.locator('#continue').isHidden(), true, 'nothing to continue on a first visit');
    await ticks(titleShown);
    await clickAt(page, 'Label3');
    await ticks(prologue);
    await clickAt(page, 'Label4');
    await page.reload();
    await page.waitForSelector('#language:not([hidden])');
    assert.equal(await page.locator('#continue').isVisible(), true, 'the session was kept');
    assert.equal(await page.locator('#continue').innerText(), 'つづきから');
    await page.click('#continue');
    assert.deepEqual(await look(page, 'Label8'), {showing: true, text: await townBar()});
    assert.equal(await page.locator('#continue').isHidden(), true);
    assert.deepEqual(problems, []);
    await context.close();
  });

  test('with the keyboard alone', async () => {
    const {page, context, problems, ticks} = await open(the.browser, the.server.url);
    await ticks(titleShown);
    assert.equal(await focused(page), 'Label3', 'the prompt takes the focus');
    await page.keyboard.press('Enter');
    await ticks(prologue);
    assert.equal(await focused(page), 'Label4', 'the first hero takes the focus');
    // The heroes in reading order, round and back.
    await page.keyboard.press('ArrowDown');
    const second = await focused(page);
    assert.notEqual(second, 'Label4');
    await page.keyboard.press('Shift+Tab');
    assert.equal(await focused(page), 'Label4');
    // The menu key reaches the page's menu, Escape comes back.
    await page.keyboard.press('Shift+F10');
    assert.equal(await focused(page), 'language');
    await page.keyboard.press('Escape');
    assert.equal(await focused(page), 'Label4');
    await page.keyboard.press('Space');
    assert.deepEqual(await look(page, 'Label8'), {showing: true, text: await townBar()});
    assert.deepEqual(problems, []);
    await context.close();
  });
});

describe('the keyboard', () => {
  // What has the focus: a showing widget of the stage, the stage itself, or elsewhere (its id).
  const focusIs = (page) => page.evaluate(() => {
    const e = document.activeElement;
    if (e?.id === 'stage') return 'stage';
    return e?.closest('#stage') && e.checkVisibility() ? 'showing' : (e?.id || e?.tagName);
  });

  test('shows the focus only once it is used: not after a click, after Tab', async () => {
    const {page, context, problems, ticks} = await open(the.browser, the.server.url);
    const ring = () => page.evaluate(() => getComputedStyle(document.activeElement).outlineStyle);
    await ticks(titleShown);
    await clickAt(page, 'Label3');
    await ticks(prologue);
    assert.equal(await focused(page), 'Label4');
    assert.equal(await ring(), 'none', 'the mouse player\'s window stays as designed');
    await page.keyboard.press('Tab');
    assert.equal(await ring(), 'dotted');
    assert.deepEqual(problems, []);
    await context.close();
  });

  test('held, clicks and switches once but keeps moving the focus, as on the desktop', async () => {
    const {page, context, problems, ticks} = await open(the.browser, the.server.url);
    // A press, then what the keyboard repeats while the key is held.
    const hold = async (key, repeats) => {
      for (let i = 0; i <= repeats; ++i) await page.keyboard.down(key);
      await page.keyboard.up(key);
    };
    await ticks(titleShown);
    await page.keyboard.press('Enter');
    await ticks(prologue);
    await page.keyboard.press('Enter');  // トルバさん
    await page.keyboard.press('Enter');  // 王の部屋: the king speaks
    assert.equal(await focused(page), 'Panel5');
    // The panel closes and 王の部屋 takes the focus: the held Return must not enter it again.
    await hold('Enter', 1);
    assert.equal((await look(page, 'Panel5')).showing, false);
    assert.equal(await focused(page), 'Button3');
    await hold('m', 1);
    assert.equal(await page.locator('#mute').getAttribute('aria-pressed'), 'true', 'a held M switched back and forth');
    await hold('ArrowRight', 1);
    assert.equal(await focused(page), 'Button4');
    await hold('Tab', 1);
    assert.equal(await focused(page), 'Button1');
    assert.deepEqual(problems, []);
    await context.close();
  });

  test('keeps the focus on a showing widget or the stage, whatever keys and ticks come', async () => {
    const {page, context, problems, ticks} = await open(the.browser, the.server.url);
    const keys = ['Tab', 'Shift+Tab', 'ArrowUp', 'ArrowDown', 'Enter', 'Space'];
    let seed = 12;
    const next = (n) => (seed = (seed * 1103515245 + 12345) % 2147483648) % n;
    await ticks(titleShown);
    await page.keyboard.press('Enter');
    for (let step = 0; step < 150; ++step) {
      if (next(3) === 0) await ticks(1, 100 * (1 + next(15)));
      else await page.keyboard.press(keys[next(keys.length)]);
      if (await page.locator('#stage').isHidden()) break;
      assert.match(await focusIs(page), /^(showing|stage)$/, `at step ${step}`);
    }
    assert.deepEqual(problems, []);
    await context.close();
  });
});

test('the message panel takes the focus with its text, said once, and gives it back when done', async () => {
  const {page, context, problems, ticks} = await open(the.browser, the.server.url);
  await ticks(titleShown);
  await clickAt(page, 'Label3');
  await ticks(prologue);
  await clickAt(page, 'Label5');
  await clickAt(page, 'Button3');
  const lines = await Promise.all([0, 1, 2].map((n) => goldenCaption('town-king', n)));
  const panel = () => page.locator('#Panel5').getAttribute('aria-label');
  assert.equal(await focused(page), 'Panel5');
  assert.equal(await panel(), lines.join('\n'));
  assert.equal(await page.locator('#announce').getAttribute('aria-live'), 'polite');
  assert.notEqual(await page.locator('#announce').textContent(), lines.join('\n'), 'said twice');
  await page.keyboard.press('Enter');
  assert.equal(await focused(page), 'Button3', 'back on the screen once the panel waits no more');
  assert.deepEqual(problems, []);
  await context.close();
});
