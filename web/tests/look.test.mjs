// The page beside the desktop: the same screen played in both, the page's stage at its designed
// size against verminadia-shot's picture of the real window. Fonts are drawn by different engines,
// so a small share of pixels differs; a misplaced widget, a wrong colour or a missing picture
// moves far more. Both pictures and their difference are left in VERMINADIA_SHOTS for looking at.

import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import {existsSync, mkdirSync, readFileSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {test} from 'node:test';

import {PNG} from 'pngjs';

import {clickAt, open, withBrowser} from './support.mjs';

const shot = process.env.VERMINADIA_SHOT;  // the desktop build's verminadia-shot
const out = process.env.VERMINADIA_SHOTS ?? join(tmpdir(), 'verminadia-shots');

// Pixels whose colour differs by more than this in any channel count as different.
const channelTolerance = 48;

// The screens, each as the driver's script and the same steps in the page.
const screens = [
  {name: 'title', script: 'tick Timer1 18\n', limit: 0.015, play: async (p) => p.ticks(18)},
  {name: 'hero-choice', script: 'tick Timer1 18\nclick Label3\ntick Timer1 11\n', limit: 0.015,
   play: async (p) => { await p.ticks(18); await clickAt(p.page, 'Label3'); await p.ticks(11); }},
  {name: 'town', script: 'tick Timer1 18\nclick Label3\ntick Timer1 11\nclick Label4\n', limit: 0.015,
   play: async (p) => {
     await p.ticks(18); await clickAt(p.page, 'Label3'); await p.ticks(11); await clickAt(p.page, 'Label4');
   }},
];

function difference(a, b) {
  assert.equal(`${a.width}x${a.height}`, `${b.width}x${b.height}`, 'both pictures have the designed size');
  const diff = new PNG({width: a.width, height: a.height});
  let differing = 0;
  for (let i = 0; i < a.data.length; i += 4) {
    const far = [0, 1, 2].some((c) => Math.abs(a.data[i + c] - b.data[i + c]) > channelTolerance);
    if (far) differing++;
    diff.data.set(far ? [255, 0, 255, 255] : [a.data[i] / 3, a.data[i + 1] / 3, a.data[i + 2] / 3, 255], i);
  }
  return {share: differing / (a.width * a.height), diff};
}

const the = withBrowser();

for (const screen of screens) {
  test(`the ${screen.name} looks as on the desktop`, {skip: !shot && 'VERMINADIA_SHOT names no verminadia-shot'},
       async () => {
    assert.ok(existsSync(shot), `${shot} is built`);
    mkdirSync(out, {recursive: true});
    const script = join(out, `${screen.name}.script`);
    writeFileSync(script, screen.script);
    const desktopFile = join(out, `${screen.name}-desktop.png`);
    execFileSync(shot, [script, desktopFile], {env: {...process.env, LANGUAGE: 'ja', QT_QPA_PLATFORM: 'offscreen'}});

    const played = await open(the.browser, the.server.url);
    await screen.play(played);
    const pageFile = join(out, `${screen.name}-page.png`);
    await played.page.locator('#stage').screenshot({path: pageFile});
    await played.context.close();

    const {share, diff} = difference(PNG.sync.read(readFileSync(desktopFile)), PNG.sync.read(readFileSync(pageFile)));
    writeFileSync(join(out, `${screen.name}-difference.png`), PNG.sync.write(diff));
    console.log(`${screen.name}: ${(share * 100).toFixed(2)} % of the pixels differ (limit ${screen.limit * 100} %)`);
    assert.ok(share <= screen.limit, `${(share * 100).toFixed(2)} % of the pixels differ`);
  });
}
