// What the page plays, heard through an analyser the test puts between the page's sound and the
// speakers: silent until the first key, then the title's shots at their tick, fetched only then;
// M silencing a tune that goes on, remembered on the next visit. And what it keeps decoded: a long
// tune only while it can sound.

import assert from 'node:assert/strict';
import {test} from 'node:test';

import {clickAt, open, until, withBrowser} from './support.mjs';

const the = withBrowser();

// Taps whatever the page connects to its speakers: `loudness()` is the peak of the last 0.7 s or
// so (longer than any rest in a tune), `heard()` the seconds the page's sound has run.
function tapSpeakers() {
  const connect = AudioNode.prototype.connect;
  AudioNode.prototype.connect = function (target, ...rest) {
    if (target instanceof AudioDestinationNode && !window.loudness) {
      const analyser = this.context.createAnalyser();
      analyser.fftSize = 32768;
      connect.call(this, analyser);
      const samples = new Float32Array(analyser.fftSize);
      window.loudness = () => {
        analyser.getFloatTimeDomainData(samples);
        return samples.reduce((peak, s) => Math.max(peak, Math.abs(s)), 0);
      };
      window.heard = () => this.context.currentTime;
    }
    return connect.call(this, target, ...rest);
  };
}

// The sounds the page holds decoded.
const decodedBy = (page) => page.evaluate(() => Module.verminadiaDecodedSounds());

// The page with its speakers tapped, and the sounds it fetches.
async function listening(options = {}) {
  const sounds = [];
  const played = await open(the.browser, the.server.url, {
    ...options,
    prepare: async (p) => {
      await p.addInitScript(tapSpeakers);
      p.on('request', (r) => { if (r.url().includes('/sounds/')) sounds.push(decodeURIComponent(r.url().slice(r.url().lastIndexOf('/') + 1))); });
    },
  });
  const {page} = played;
  const loudness = () => page.evaluate(() => window.loudness?.() ?? 0);
  // Waits until the page's sound has run `seconds` more: how long a silence lasted.
  const hear = async (seconds) => {
    const from = await page.evaluate(() => window.heard?.() ?? 0);
    await until(async () => (await page.evaluate(() => window.heard?.() ?? 0)) >= from + seconds, `${seconds} s of sound`, 20000);
  };
  return {...played, sounds, loudness, hear};
}

test('silent until a key, then the title\'s shots at their tick, fetched only then', async () => {
  const {page, context, problems, ticks, sounds, loudness} = await listening();
  assert.equal(await page.locator('#sound-note').isVisible(), true, 'the page says when sound starts');
  await ticks(4);
  await page.keyboard.press('x');
  await until(() => page.locator('#sound-note').isHidden(), 'the note to go once sound starts');
  assert.deepEqual(sounds, [], 'no sound is fetched before one plays');
  assert.equal(await loudness(), 0, 'nothing sounds before the shots');
  await ticks(1);
  await until(async () => (await loudness()) > 0.05, 'the shots to be heard');
  assert.deepEqual(sounds, ['gun.ogg']);
  assert.deepEqual(problems, []);
  await context.close();
});

test('M silences the town\'s theme while it goes on, the next visit stays muted, and M brings it back', async () => {
  const {page, context, problems, ticks, sounds, loudness, hear} = await listening();
  const muted = () => page.locator('#mute').getAttribute('aria-pressed');
  // The first click comes after the title's shots, so that only the theme can be heard.
  await ticks(18);
  await clickAt(page, 'Label3');
  await ticks(11);
  await clickAt(page, 'Label4');  // into town, where the theme plays at the next second
  await ticks(1, 1000);
  await until(async () => (await decodedBy(page)).includes('toruba.ogg'), 'the town theme to be decoded', 30000);
  await until(async () => (await loudness()) > 0.05, 'the town theme to be heard');
  await page.keyboard.press('m');
  assert.equal(await muted(), 'true');
  await until(async () => (await loudness()) === 0, 'M to silence the town theme');
  await ticks(2, 1000);
  await hear(1);
  assert.equal(await loudness(), 0, 'muted, the theme stays silent on the next seconds');

  // The next visit: muted from the start, the continued session's theme is not even fetched.
  await page.reload();
  await page.waitForSelector('#language:not([hidden])');
  assert.equal(await muted(), 'true', 'the mute is remembered');
  sounds.length = 0;
  await page.click('#continue');
  await ticks(1, 1000);
  await hear(0.5);
  assert.deepEqual(sounds, [], 'muted, nothing is fetched');
  assert.equal(await loudness(), 0);
  await page.keyboard.press('m');
  assert.equal(await muted(), 'false');
  await until(async () => (await loudness()) > 0.05, 'the town theme to be heard again', 30000);
  assert.deepEqual(sounds, ['toruba.ogg']);
  assert.deepEqual(problems, []);
  await context.close();
});

test('a tune the game stops lets its decoded samples go; the next one is decoded as it plays', async () => {
  const {page, context, problems, ticks} = await open(the.browser, the.server.url);
  const decoded = () => decodedBy(page);
  await page.keyboard.press('x');
  await ticks(18);
  await clickAt(page, 'Label3');
  await ticks(11);
  await clickAt(page, 'Label4');  // トルバさん, into town, where his theme plays at the next second
  await ticks(1, 1000);
  await until(async () => (await decoded()).includes('toruba.ogg'), 'the town theme to be decoded');
  await clickAt(page, 'Button6');
  await clickAt(page, 'Button9');  // the amateur class: its battle theme takes over
  await ticks(1, 1000);
  const now = await until(async () => {
    const files = await decoded();
    return files.some((f) => /^Sen\d\.ogg$/.test(f)) && files;
  }, 'the battle theme to be decoded');
  assert.equal(now.includes('toruba.ogg'), false, 'the stopped town theme is no longer decoded');
  assert.deepEqual(problems, []);
  await context.close();
});
