// What the page plays and records reaches Web Audio, and the page works offline once visited.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { Navigateur, OuvrePage, OuvreSon, Regle, Sauve, Serveur, racine } from './outils.mjs';

const accord = join(racine, 'examples/accord.wav');
let navigateur;

before(async () => { navigateur = await Navigateur(); });
after(async () => { await navigateur.close(); });

test('the digitised sound is played at its own rate, in a loop, and follows the track bars', async () => {
  const serveur = await Serveur();
  const contexte = await NouveauContexte();
  // Every buffer that starts playing is kept, as the audio graph gets it.
  await contexte.addInitScript(() => {
    window.lectures = [];
    const start = AudioBufferSourceNode.prototype.start;
    AudioBufferSourceNode.prototype.start = function (...args) {
      window.lectures.push({ frequence: this.context.sampleRate, boucle: this.loop, voies: this.buffer.numberOfChannels,
                             echantillons: Array.from(this.buffer.getChannelData(0)) });
      return start.apply(this, args);
    };
  });
  const p = await OuvrePage(contexte, serveur.adresse);
  await OuvreSon(p, accord);
  await Regle(p, 3, 4);
  await p.getByLabel('en boucle').check();
  await p.getByRole('button', { name: 'Jouer le son numérisé' }).click();
  const wav = await Sauve(p);
  const attendu = Array.from({ length: (wav.length - 44) / 2 }, (_, i) => wav.readInt16LE(44 + 2 * i) / 32768);
  let lectures = await p.evaluate(() => window.lectures);
  assert.equal(lectures.length, 1);
  assert.deepEqual({ ...lectures[0], echantillons: undefined }, { frequence: 22050, boucle: true, voies: 1, echantillons: undefined });
  assert.deepEqual(lectures[0].echantillons, attendu);

  // While it plays, a new b goes on with the new samples.
  await Regle(p, 8, 4);
  lectures = await p.evaluate(() => window.lectures);
  assert.ok(lectures.length > 1);
  assert.notDeepEqual(lectures.at(-1).echantillons, attendu);
  assert.equal(lectures.at(-1).echantillons.length, attendu.length);
  await p.keyboard.press('Escape');
  assert.equal(await p.getByRole('button', { name: 'Stop' }).isDisabled(), true);
  assert.deepEqual(p.erreurs, []);
  serveur.ferme();
});

test('the sampling animation (F7) draws over the detail view, and Escape brings it back whole', async () => {
  const serveur = await Serveur();
  const p = await OuvrePage(await NouveauContexte(), serveur.adresse);
  await OuvreSon(p, accord);
  const vue = () => p.evaluate(() => {
    const c = document.getElementById('detail');
    return Array.from(c.getContext('2d').getImageData(0, 0, c.width, c.height).data).join();
  });
  const entiere = await vue();
  await p.keyboard.press('F7');
  await p.waitForTimeout(350);
  assert.notEqual(await vue(), entiere);
  assert.equal(await p.getByRole('button', { name: 'Stop' }).isDisabled(), false);
  await p.keyboard.press('Escape');
  assert.equal(await vue(), entiere);
  assert.equal(await p.getByRole('button', { name: 'Stop' }).isDisabled(), true);
  assert.deepEqual(p.erreurs, []);
  serveur.ferme();
});

test('a recording from the microphone becomes the sound', async () => {
  const serveur = await Serveur();
  const contexte = await NouveauContexte();
  const p = await OuvrePage(contexte, serveur.adresse);
  await p.getByRole('button', { name: 'Enregistrer un son' }).click();
  await p.locator('#enregistrement').waitFor();
  await p.waitForTimeout(500);
  await p.getByRole('button', { name: 'Stop' }).click();
  await p.waitForFunction(() => document.title === 'Sampix - Enregistrement.wav');
  assert.match(await p.locator('#label-bits0').textContent(), /16 bits/);
  const wav = await Sauve(p);
  assert.ok(wav.readUInt32LE(40) > 0);
  assert.deepEqual(p.erreurs, []);
  serveur.ferme();
});

test('the page can be installed and, once visited, opens and works without a network', async () => {
  const serveur = await Serveur();
  const contexte = await NouveauContexte();
  const p = await OuvrePage(contexte, serveur.adresse);
  await p.evaluate(() => navigator.serviceWorker.ready);
  // Chromium's own verdict; a test's context is a private one, which alone forbids installing.
  const cdp = await contexte.newCDPSession(p);
  assert.deepEqual((await cdp.send('Page.getAppManifest')).errors, []);
  const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
  assert.deepEqual(installabilityErrors.filter((e) => e.errorId !== 'in-incognito'), []);
  serveur.ferme();
  await contexte.setOffline(true);
  await p.reload();
  await p.waitForSelector('body[data-pret="1"]');
  await OuvreSon(p, accord);
  assert.equal(await p.title(), 'Sampix - accord.wav');
  assert.deepEqual(p.erreurs, []);
});

function NouveauContexte() {
  return navigateur.newContext({ acceptDownloads: true, viewport: { width: 1366, height: 768 }, locale: 'fr-FR' });
}
