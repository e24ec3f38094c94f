// The page's fonts, cut down at build time to the characters each face can
// be asked to draw: every kept character and every text of the program
// draws the same pixels as with the whole file, other characters the
// face's missing-glyph box (tervan-font-check, built with the desktop's
// text renderer); and the dialogs' face keeps what a student may type.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';
import { buildDir } from './browser.js';

const subsets = path.join(buildDir, 'generated', 'subset-fonts');
const checker = process.env.TERVAN_FONT_CHECK ||
  path.resolve(buildDir, '../build/tests/web/tervan-font-check');

function manifest() {
  return fs.readFileSync(path.join(subsets, 'manifest.txt'), 'utf8').trim().split('\n').map((line) => {
    const [full, subset, codes] = line.split('\t');
    return { full, subset, kept: new Set(codes.split(' ').map((c) => parseInt(c, 16))) };
  });
}

test('every kept character and every text draws as with the whole font', () => {
  const out = execFileSync(checker, [path.join(subsets, 'manifest.txt'), path.join(subsets, 'texts.txt')],
                           { encoding: 'utf8' });
  const summary = JSON.parse(out);
  assert.equal(summary.fonts, 5);
  assert.ok(summary.texts > 100, 'the program has more texts than ' + summary.texts);
  assert.equal(summary.differing, 0);
  assert.equal(summary.boxes, true);
});

test('the subsets keep the texts, Latin-1 and, in the dialogs face, what is typed', () => {
  const fonts = manifest();
  const texts = fs.readFileSync(path.join(subsets, 'texts.txt'), 'utf8');
  assert.ok(texts.includes('Nivell del Mercuri a la branca dreta'));
  assert.ok(texts.includes('ATENCIÓ'));
  for (const f of fonts) {
    assert.ok(fs.statSync(f.subset).size < fs.statSync(f.full).size / 1.5, f.subset);
    for (const c of '0123456789,.-+ºàèéíòóúç·ÀÈÉÍÒÓÚÇ') assert.ok(f.kept.has(c.codePointAt(0)), c + ' in ' + f.subset);
    assert.ok(!f.kept.has(0x3a9), 'Ω dropped from ' + f.subset);
  }
  // The first file draws the dialogs and their edits.
  for (const c of 'Ŀŀ€‘’“”«»ñÑüß¿¡') assert.ok(fonts[0].kept.has(c.codePointAt(0)), c);
  // The page embeds the subsets, not the whole files.
  const page = fs.statSync(path.join(buildDir, 'tervan.html')).size;
  const whole = fonts.reduce((n, f) => n + fs.statSync(f.full).size, 0);
  assert.ok(page < 1.5 * 1024 * 1024, 'the page is ' + page + ' bytes');
  assert.ok(whole > 400 * 1024);
});
