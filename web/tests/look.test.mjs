// The page beside the desktop: the same screen played in both, the page's stage at its designed
// size against verminadia-shot's picture of the real window. Fonts are drawn by different engines,
// so a small share of pixels differs; a misplaced widget, a wrong colour or a missing picture
// moves far more. Both pictures and their difference are left in VERMINADIA_SHOTS for looking at.
// And what a screen reader finds: every named widget verminadia-a11y prints for the real window
// is in Chromium's accessibility tree with the same name and the same role.

import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import {existsSync, mkdirSync, readFileSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {test} from 'node:test';

import {PNG} from 'pngjs';

import {clickAt, open, withBrowser} from './support.mjs';

const shot = process.env.VERMINADIA_SHOT;  // the desktop build's verminadia-shot
const a11y = process.env.VERMINADIA_A11Y;  // and its verminadia-a11y
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

// Runs a desktop tool on the screen's script, in Japanese and offscreen; its output.
function onDesktop(tool, screen, ...args) {
  mkdirSync(out, {recursive: true});
  const script = join(out, `${screen.name}.script`);
  writeFileSync(script, screen.script);
  return execFileSync(tool, [script, ...args], {env: {...process.env, LANGUAGE: 'ja', QT_QPA_PLATFORM: 'offscreen'}});
}

const the = withBrowser();

for (const screen of screens) {
  test(`the ${screen.name} looks as on the desktop`, {skip: !existsSync(shot ?? '') && 'no desktop verminadia-shot built'},
       async () => {
    const desktopFile = join(out, `${screen.name}-desktop.png`);
    onDesktop(shot, screen, desktopFile);

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

// Qt's roles as Chromium names them; a label's text is its StaticText, a picture's words its image.
const chromiumRole = {Window: 'RootWebArea', Pane: 'group', Section: 'group', Button: 'button',
                      StaticText: 'StaticText', Graphic: 'image', Heading: 'heading'};

// Chromium's tree, and for a widget its node and every node beneath it.
async function accessibilityTree(page) {
  const cdp = await page.context().newCDPSession(page);
  const {nodes} = await cdp.send('Accessibility.getFullAXTree');
  const byId = new Map(nodes.map((n) => [n.nodeId, n]));
  const below = (n) => [n, ...(n.childIds ?? []).flatMap((c) => (byId.has(c) ? below(byId.get(c)) : []))];
  const {root} = await cdp.send('DOM.getDocument', {depth: 0});
  return {
    root: nodes.find((n) => n.role?.value === 'RootWebArea'),
    widget: async (id) => {
      const {nodeId} = await cdp.send('DOM.querySelector', {nodeId: root.nodeId, selector: '#' + id});
      const {node} = await cdp.send('DOM.describeNode', {nodeId});
      return below(nodes.find((n) => n.backendDOMNodeId === node.backendNodeId));
    },
  };
}

for (const screen of screens) {
  test(`the ${screen.name} reads as on the desktop`, {skip: !existsSync(a11y ?? '') && 'no desktop verminadia-a11y built'},
       async () => {
    const desktop = onDesktop(a11y, screen).toString().trim().split('\n').map((line) => JSON.parse(line))
      .filter((w) => w.showing && w.name);
    assert.ok(desktop.length >= 4, 'the desktop names the screen');

    const played = await open(the.browser, the.server.url);
    await screen.play(played);
    const tree = await accessibilityTree(played.page);
    const missing = [];
    for (const w of desktop) {
      const role = chromiumRole[w.role];
      const nodes = w.role === 'Window' ? [tree.root] : await tree.widget(w.object);
      const named = nodes.some((n) => n.role?.value === role && !n.ignored && n.name?.value === w.name);
      if (!named) missing.push(`${w.object}: ${role} "${w.name}"`);
    }
    await played.context.close();
    assert.deepEqual(missing, [], 'every named widget is in Chromium\'s tree');
  });
}
