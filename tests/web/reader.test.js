// The page as a screen reader meets it: the accessibility tree Chromium
// builds from the DOM mirror names every control and bench part, in
// Catalan, on a page whose language is Catalan; axe-core finds nothing
// against WCAG 2.1 A and AA on the title, the main window, every dialog and
// the graph page; a warning and a noted row reach the live region; and a
// screen reader's focus, click or slider move in the mirror is the
// program's focus, click or keys, without a key's own click besides.
import assert from 'node:assert/strict';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, test } from 'node:test';
import * as a from './access.js';
import * as h from './harness.js';

const { ids } = h;
const here = path.dirname(fileURLToPath(import.meta.url));
const axePath = path.join(here, 'node_modules/axe-core/axe.min.js');

let browser;
before(async () => { browser = await h.launch(); });
after(async () => { await browser.close(); });

// The tree as Chromium exposes it to assistive technology: role and name
// of every node that is not ignored.
async function tree(page) {
  const cdp = await page.context().newCDPSession(page);
  const { nodes } = await cdp.send('Accessibility.getFullAXTree');
  await cdp.detach();
  return nodes.filter((n) => !n.ignored).map((n) => ({
    role: n.role?.value, name: n.name?.value || '', description: n.description?.value || '',
    props: Object.fromEntries((n.properties || []).map((p) => [p.name, p.value.value])),
  }));
}

function named(nodes, role, name) {
  const node = nodes.find((n) => n.role === role && (name instanceof RegExp ? name.test(n.name) : n.name === name));
  assert.ok(node, `no ${role} "${name}" in ${nodes.map((n) => `${n.role} "${n.name}"`).join(', ')}`);
  return node;
}

async function axe(page, what) {
  if (!(await page.evaluate(() => typeof axe !== 'undefined'))) await page.addScriptTag({ path: axePath });
  const violations = await page.evaluate(async () => {
    const r = await axe.run(document, { runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] } });
    return r.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
  });
  assert.deepEqual(violations, [], what);
}

test('every window named for a screen reader, and nothing against WCAG 2.1 AA', async () => {
  const page = await h.openPage(browser, { scale: 0.1 });
  await h.waitForWindow(page, ids.IDD_SPLASH);
  assert.equal(await page.evaluate(() => document.documentElement.lang), 'ca');
  let nodes = await tree(page);
  named(nodes, 'button', 'Entra');
  assert.ok(nodes.every((n) => n.role !== 'canvas' && n.role !== 'image'), 'the canvas is not read');
  await axe(page, 'the title dialog');
  await a.press(page, 'Enter');
  await h.waitForWindow(page, ids.IDD_TERVAN_DIALOG);

  nodes = await tree(page);
  named(nodes, 'dialog', 'TERVAN');
  for (const name of ['Sortir', 'Anota valors inicials', 'Tanca Botella', 'Anota nivell inicial',
                      'Submergir Botella', 'Anotació', 'Escalfar Aigua', 'Refredar Aigua', '1', '<', '>', 'Inf'])
    named(nodes, 'button', name);
  assert.equal(named(nodes, 'button', 'Tanca Botella').props.disabled, true);
  assert.equal(named(nodes, 'button', 'Sortir').props.focused, true);
  const valve = named(nodes, 'button', 'Clau de pas');
  assert.equal(valve.props.pressed, 'false');
  assert.equal(valve.description, 'oberta');
  named(nodes, 'slider', 'Branca dreta del manòmetre');
  named(nodes, 'textbox', 'Temperatura del gas en ºC');
  named(nodes, 'textbox', 'Temperatura del gas en K');
  named(nodes, 'StaticText', /^Temperatura de l'aigua: \d+,\d ºC$/);
  named(nodes, 'StaticText', 'Botella: oberta, sobre el banc');
  named(nodes, 'StaticText', /^Quadern, pàgina 1: Pràctica Ombrina$/);
  // The branch's words: the ruler's level and the left surface.
  assert.match(await page.getAttribute('#mirror input[type=range]', 'aria-valuetext'),
               /^nivell del mercuri al regle: \d+,\d cm; la superfície esquerra és /);
  await axe(page, 'the main window');

  // The window's menu, opened by the keys: a menu of named items, the
  // focused one the item the keys have chosen.
  await a.press(page, 'Shift+F10');
  await page.waitForFunction(() => Module.tervanTest.state.menu === true);
  await page.waitForFunction(() => !document.getElementById('menu').hidden);
  const menu = await tree(page);
  named(menu, 'menu', 'Menú de la finestra');
  assert.equal(named(menu, 'menuitem', 'Acerca de Tervan').props.focused, true);
  for (const item of ['Desa les dades (CSV)…', 'Desa el quadern (PNG)…', 'Imprimeix el quadern…',
                      "Guia d'operació"])
    named(menu, 'menuitem', item);
  await axe(page, 'the window menu');
  await a.press(page, 'Escape');
  await page.waitForFunction(() => Module.tervanTest.state.menu === false);

  // The About box, the keys' help (F1) and the level dialog.
  await h.clickControl(page, ids.IDC_INF);
  await h.waitForWindow(page, ids.IDD_ABOUTBOX);
  await axe(page, 'the About box');
  await a.press(page, 'Escape');
  await h.waitForWindow(page, ids.IDD_TERVAN_DIALOG);
  await a.press(page, 'F1');
  await page.waitForFunction(() => Module.tervanTest.state.depth === 1 && Module.tervanTest.state.template === 0);
  nodes = await tree(page);
  named(nodes, 'StaticText', /^Tecles del banc de treball:/);
  named(nodes, 'button', 'OK');
  await axe(page, 'the keys\' help');
  await a.press(page, 'Enter');
  await h.waitForWindow(page, ids.IDD_TERVAN_DIALOG);
  await h.closeBottle(page);
  await h.clickControl(page, ids.IDC_ANOTA_NIVELL_INICIAL);
  await h.waitForWindow(page, ids.IDD_LEVEL);
  await page.keyboard.press('Tab');
  await page.keyboard.press('Tab');
  await page.waitForFunction(() => document.activeElement.id === 'typing');
  nodes = await tree(page);
  named(nodes, 'textbox', /Nivell/);
  await axe(page, 'the level dialog');
  await h.typeLevel(page, '20,5');
  await a.press(page, 'Enter');
  await h.waitForWindow(page, ids.IDD_TERVAN_DIALOG);
  assert.match((await a.news(page)).at(-1), /^Anotada la mesura 1: [\d,]+ ºC, 20,5 cm$/);

  // Submerging with the valve open: the warning is an alert, and its words
  // reach the live region.
  await h.clickControl(page, ids.IDC_SUBMERGIR_BOTELLA);
  const warning = await h.waitForWindow(page, ids.IDD_WARNING);
  nodes = await tree(page);
  named(nodes, 'alertdialog', /./);
  const text = warning.controls.find((c) => c.text.length > 20).text;
  assert.equal((await a.news(page)).at(-1), text.replace(/\s*\n\s*/g, ' '));
  await axe(page, 'the warning');
  await a.press(page, 'Enter');
  await h.waitForWindow(page, ids.IDD_TERVAN_DIALOG);

  // The valve, the bath, a row, and the notebook's table and graph page.
  await h.clickAt(page, 21 + 259, 21 + 139);
  await page.waitForFunction((id) => Module.tervanTest.state.parts.find((p) => p.id === id).value === 'tancada',
                             ids.IDC_VALVE);
  await h.clickControl(page, ids.IDC_SUBMERGIR_BOTELLA);
  await h.waitForControl(page, ids.IDC_ANOTACIO, 'c.enabled', 30000);
  await h.noteLevel(page, ids.IDC_ANOTACIO, '21');
  assert.match((await a.news(page)).at(-1), /^Anotada la mesura 2: [\d,]+ ºC, 21,0 cm$/);
  nodes = await tree(page);
  named(nodes, 'table', 'Quadern, pàgina 2');
  for (const heading of ['Núm.', 'T (ºC)', 'h (cm)']) named(nodes, 'columnheader', heading);
  named(nodes, 'cell', '21,0');
  await h.clickControl(page, ids.IDC_PAGE_NEXT);
  await page.waitForFunction((id) => Module.tervanTest.state.parts.some((p) => p.id === id), ids.IDC_EQUATION);
  nodes = await tree(page);
  named(nodes, 'StaticText', /^Recta ajustada: T\(ºC\) = -?\d\.\d{3} P +[+-]\d+$/);
  named(nodes, 'StaticText', /^Quadern, pàgina 3/);
  await axe(page, 'the graph page');
  assert.deepEqual(page.tervanErrors, []);
});

test('a screen reader\'s focus, click and slider move reach the program', async () => {
  const page = await h.start(browser, { scale: 0.1 });
  const commands = (id) => page.evaluate((c) => Module.tervanTest.journal.filter((l) => l === `msg 0 273 ${c} 0`).length, id);

  // A focus moved in the mirror is the program's focus, ring and all.
  await page.focus('#mirror input[type=range]');
  await page.waitForFunction((id) => Module.tervanTest.state.focusPart === id, ids.IDC_RIGHT_BRANCH);
  assert.equal(await page.evaluate(() => document.getElementById('ring').hidden), false);
  // Its increment moves the branch by as many rows, through its keys.
  const now = (await a.part(page, ids.IDC_RIGHT_BRANCH)).now;
  await page.evaluate(() => {
    const r = document.querySelector('#mirror input[type=range]');
    r.value = String(r.valueAsNumber + 3);
    r.dispatchEvent(new Event('input', { bubbles: true }));
  });
  await page.waitForFunction(([id, n]) => Module.tervanTest.state.parts.find((p) => p.id === id).now === n,
                             [ids.IDC_RIGHT_BRANCH, now + 3]);
  assert.equal(await page.inputValue('#mirror input[type=range]'), String(now + 3));

  // A click on the toggle turns the valve; on a button, gives its command
  // once, and the focus goes on to the next step.
  await page.evaluate(() => [...document.querySelectorAll('#mirror button')].find((b) => b.textContent === 'Clau de pas').click());
  await page.waitForFunction((id) => Module.tervanTest.state.parts.find((p) => p.id === id).value === 'tancada',
                             ids.IDC_VALVE);
  assert.equal(await page.getAttribute('#mirror button[aria-pressed]', 'aria-pressed'), 'true');
  await page.evaluate(() => [...document.querySelectorAll('#mirror button')].find((b) => b.textContent === 'Anota valors inicials').click());
  await h.waitForControl(page, ids.IDC_TANCA_BOTELLA, 'c.enabled && c.focus');
  assert.equal(await commands(ids.IDC_ANOTA_VALORS_INICIALS), 1);
  assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Tanca Botella');
  // Space on the focused button is one command, not a key and a click.
  await a.press(page, 'Space');
  await h.waitForControl(page, ids.IDC_ANOTA_NIVELL_INICIAL, 'c.enabled && c.focus');
  await page.waitForFunction(() => document.activeElement.textContent === 'Anota nivell inicial');
  assert.equal(await commands(ids.IDC_TANCA_BOTELLA), 1);
  // On a button that stays enabled too: Space and Return, two commands.
  await a.tabTo(page, 'c' + ids.IDC_PAGE_NEXT);
  await page.waitForFunction(() => document.activeElement.textContent === '>');
  await a.press(page, 'Space');
  await a.press(page, 'Enter');
  await page.waitForFunction(() => Module.tervanQueue.length === 0);
  assert.equal(await commands(ids.IDC_PAGE_NEXT), 2);
  assert.deepEqual(page.tervanErrors, []);
});
