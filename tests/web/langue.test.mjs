// The page speaks the browser's language: English from the desktop's translation file, or
// French as written.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync, mkdtempSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { Navigateur, OuvrePage, Serveur, page, racine } from './outils.mjs';

const accord = join(racine, 'examples/accord.wav');
const anglais = JSON.parse(readFileSync(join(page, 'textes-en.json'), 'utf8')).page;
let serveur;
let navigateur;

before(async () => {
  serveur = await Serveur();
  navigateur = await Navigateur();
});

after(async () => {
  await navigateur.close();
  serveur.ferme();
});

async function PageDansLaLangue(locale) {
  const contexte = await navigateur.newContext({ locale, viewport: { width: 1366, height: 768 } });
  return OuvrePage(contexte, serveur.adresse);
}

// Every text, title and label of the page as shown.
function Textes(p) {
  return p.evaluate(() => {
    const textes = [document.querySelector('meta[name="description"]').content];
    const parcours = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    for (let n = parcours.nextNode(); n; n = parcours.nextNode()) if (n.data.trim()) textes.push(n.data.trim());
    for (const e of document.querySelectorAll('[title], [aria-label]'))
      textes.push(...['title', 'aria-label'].filter((a) => e.hasAttribute(a)).map((a) => e.getAttribute(a)));
    return textes;
  });
}

// The sound at 3 bits and a step of 4, then the noise ratio line.
async function Rapport(p, ouvrir, bits, pas) {
  await p.getByLabel(ouvrir, { exact: true }).setInputFiles(accord);
  await p.waitForSelector('body[data-ouvertures="1"]');
  await p.getByLabel(bits).fill('3');
  await p.getByLabel(pas).fill('4');
  return p.locator('#rsb').textContent();
}

// That each text has its English, scripts/web checks when it builds the page.
test('in French the page is as written', async () => {
  const p = await PageDansLaLangue('fr-FR');
  assert.equal(await p.getAttribute('html', 'lang'), 'fr');
  assert.match(await Rapport(p, 'Ouvrir', 'Nombre de bits', "Pas d'échantillonnage"),
               /^RSB mesuré : \d+,\d dB, théorie 6,02·b \+ 1,76 = 19,8 dB$/);
  assert.equal(await p.getByRole('link', { name: 'Aide' }).getAttribute('href'), 'aide/index.html');
  assert.deepEqual(p.erreurs, []);
});

test('in English the captions, the core\'s texts, the messages and the help are English', async () => {
  const p = await PageDansLaLangue('en-US');
  assert.equal(await p.getAttribute('html', 'lang'), 'en');
  const francais = (await Textes(p)).filter((t) => t in anglais && anglais[t] !== t);
  assert.deepEqual(francais, []);
  assert.equal(await p.getByRole('button', { name: 'Play the digitised sound' }).isDisabled(), true);

  assert.match(await Rapport(p, 'Open', 'Number of bits', 'Sampling step'),
               /^Measured SNR: \d+\.\d dB, theory 6\.02·b \+ 1\.76 = 19\.8 dB$/);
  assert.match(await p.locator('#debit').textContent(), /^Bit rate: 5512\.5 Hz × 3 bits × 1 channel = 16\.5 kbit\/s; 4\.1 kB for 2\.0 s$/);
  await p.getByLabel('Shift+click to read a duration').check();
  const vue = await p.locator('#detail').boundingBox();
  await p.mouse.click(vue.x + 300, vue.y + 100);
  await p.keyboard.down('Shift');
  await p.mouse.click(vue.x + 400, vue.y + 100);
  await p.keyboard.up('Shift');
  assert.equal(await p.locator('#temps').textContent(), '1.13 ms=1/(882 Hz)');

  await p.getByRole('button', { name: 'Record a sound' }).click();
  await p.locator('#enregistrement').waitFor();
  await p.waitForTimeout(300);
  await p.getByRole('button', { name: 'Stop' }).click();
  await p.waitForFunction(() => document.title === 'Sampix - Recording.wav');
  const [telechargement] = await Promise.all([
    p.waitForEvent('download'),
    p.getByRole('button', { name: 'Save the digitised sound' }).click(),
  ]);
  assert.equal(telechargement.suggestedFilename(), 'Recording-digitised.wav');

  const abime = join(mkdtempSync(join(tmpdir(), 'sampix-web-')), 'abime.wav');
  writeFileSync(abime, readFileSync(accord).subarray(0, 30));
  await p.getByLabel('Open', { exact: true }).setInputFiles(abime);
  await p.locator('#message').waitFor();
  assert.equal(await p.locator('#message-texte').textContent(), 'Cannot open the file\nabime.wav\n\nBad format: incomplete header');

  const aide = p.getByRole('link', { name: 'Help' });
  assert.match(await aide.evaluate((a) => a.href), /\/aide\/en\/index\.html$/);
  const [pageAide] = await Promise.all([p.context().waitForEvent('page'), p.keyboard.press('F1')]);
  await pageAide.waitForLoadState();
  assert.equal(await pageAide.title(), 'Sampix Help');
  assert.deepEqual(p.erreurs, []);
});
