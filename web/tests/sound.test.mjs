// What the page plays, heard through an analyser the test puts between the page's sound and the
// speakers: silent until the first key, then the title's shots at their tick, fetched only then.
// And what it keeps decoded: a long tune only while it can sound.

import assert from 'node:assert/strict';
import {test} from 'node:test';

import {clickAt, open, until, withBrowser} from './support.mjs';

const the = withBrowser();

// Taps whatever the page connects to its speakers; `loudness()` is the last 40 ms's peak.
function tapSpeakers() {
  const connect = AudioNode.prototype.connect;
  AudioNode.prototype.connect = function (target, ...rest) {
    if (target instanceof AudioDestinationNode && !window.loudness) {
      const analyser = this.context.createAnalyser();
      connect.call(this, analyser);
      const samples = new Float32Array(analyser.fftSize);
      window.loudness = () => {
        analyser.getFloatTimeDomainData(samples);
        return samples.reduce((peak, s) => Math.max(peak, Math.abs(s)), 0);
      };
    }
    return connect.call(this, target, ...rest);
  };
}

test('silent until a key, then the title\'s shots at their tick; M mutes them', async () => {
  const sounds = [];
  const {page, context, problems, ticks} = await open(the.browser, the.server.url, {
    prepare: async (p) => {
      await p.addInitScript(tapSpeakers);
      p.on('request', (r) => { if (r.url().includes('/sounds/')) sounds.push(decodeURIComponent(r.url())); });
    },
  });
  const loudness = () => page.evaluate(() => window.loudness?.() ?? 0);
  assert.equal(await page.locator('#sound-note').isVisible(), true, 'the page says when sound starts');
  await ticks(4);
  await page.keyboard.press('x');
  await until(() => page.locator('#sound-note').isHidden(), 'the note to go once sound starts');
  assert.deepEqual(sounds, [], 'no sound is fetched before one plays');
  assert.equal(await loudness(), 0, 'nothing sounds before the shots');
  await ticks(1);
  await until(async () => (await loudness()) > 0.05, 'the shots to be heard');
  assert.deepEqual(sounds.map((u) => u.slice(u.lastIndexOf('/') + 1)), ['gun.ogg']);

  await page.keyboard.press('m');
  assert.equal(await page.locator('#mute').getAttribute('aria-pressed'), 'true');
  await until(async () => (await loudness()) === 0, 'the mute to silence the shots');
  await ticks(1);
  assert.equal(await loudness(), 0, 'muted, the next shot is not heard');
  assert.deepEqual(problems, []);
  await context.close();
});

test('a tune the game stops lets its decoded samples go; the next one is decoded as it plays', async () => {
  const {page, context, problems, ticks} = await open(the.browser, the.server.url);
  const decoded = () => page.evaluate(() => Module.verminadiaDecodedSounds());
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
