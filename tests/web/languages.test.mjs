// The page in another language: a question screen played in Ukrainian (a wrong choice reveals the
// answer, the right one the praise), chosen by ?lang=, read on
// the screen and through the mirror.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { checkout, formClient, placement, siteTest, waitForScreen, yellowIn } from './support/page.mjs';

// A catalogue's translation of an English text (its first form, for a counted one).
const catalogue = (language) => readFileSync(join(checkout, 'po', `${language}.po`), 'utf8').split('\n\n');
const translated = (language, english) => JSON.parse(catalogue(language).find((entry) => entry.includes(`\nmsgid ${JSON.stringify(english)}\n`))
  .match(/\nmsgstr(?:\[0\])? (".*")/)[1]);

siteTest('a magnets question played in Ukrainian', { query: '?lang=uk&activity=magnets' }, async (shown) => {
  const { page } = shown;
  assert.equal(await page.evaluate(() => document.documentElement.lang), 'uk');
  await shown.titled(translated('uk', 'Repel or Attract?'));
  const screen = placement(shown, formClient), praise = [4680, 5880, 6105, 825];
  for (const english of ['Attract', 'Repel', 'No Force', 'Answer', 'New Question', 'Section 2', 'Exit']) await shown.mirrors(translated('uk', english));
  // Each choice until the right one: a wrong one reveals the answer, the right one the praise.
  for (const english of ['Attract', 'Repel']) {
    await shown.press(translated('uk', english));
    if (yellowIn(await waitForScreen(shown, 'magnets-uk', () => true), screen, praise) > 300) break;
    assert.match(await shown.announced(), new RegExp(`^(${translated('uk', 'The magnets will attract each other.')}|` +
                                                     `${translated('uk', 'The magnets will repel each other.')})$`));
  }
  await waitForScreen(shown, 'magnets-uk-praised', (s) => yellowIn(s, screen, praise) > 300, 'the praise');
  assert.equal(await shown.announced(), translated('uk', 'Correct!  Well Done'));
});
