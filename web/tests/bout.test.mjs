// A bout in the arena played to its end with real mouse clicks: the attack, each message clicked
// on, the victory with its yen and experience, and the way back to the weight classes. The page's
// clock is held, and the game draws from the clock, so the bout goes the same way every run.

import assert from 'node:assert/strict';
import {test} from 'node:test';

import {clickAt, look, open, withBrowser} from './support.mjs';

const the = withBrowser();

test('a bout won with real mouse clicks, from the title to the classes again', async () => {
  const {page, context, problems, ticks} = await open(the.browser, the.server.url);
  await ticks(18);
  await clickAt(page, 'Label3');
  await ticks(11);
  await clickAt(page, 'Label4');  // トルバさん, into town
  await clickAt(page, 'Button6');  // the arena
  await clickAt(page, 'Button9');  // the amateur class
  assert.match((await look(page, 'Label32')).text, /^対戦相手は.+です！！$/);
  const said = [];  // every line the message panel showed, in order
  const read = async () => {
    const lines = await Promise.all(['Label31', 'Label32', 'Label33'].map(async (n) => (await look(page, n)).text));
    if (lines.join('\n') !== said.at(-1)) said.push(lines.join('\n'));
  };
  for (let click = 0; click < 80 && !(await look(page, 'Panel8')).showing; ++click) {
    await read();
    // The attack while it is offered, else the message panel, which goes on to the next line.
    await clickAt(page, (await look(page, 'Label45')).showing ? 'Label45' : 'Panel5');
  }
  const bout = said.join('\n');
  assert.doesNotMatch(bout, /負けてしまった/, 'the held clock draws a bout the hero wins');
  assert.match(bout, /を倒した。/);
  assert.match(bout, /\d+円手に入れた。/);
  assert.match(bout, /\d+の経験値を手に入れた。/);
  assert.equal((await look(page, 'Panel8')).showing, true, 'back at the weight classes');
  assert.deepEqual(problems, []);
  await context.close();
});
