// The page opens sounds, digitises, draws and saves them exactly as the desktop does.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { Navigateur, OuvrePage, OuvreSon, Regle, Sauve, Serveur, racine, sampix } from './outils.mjs';

const dossier = mkdtempSync(join(tmpdir(), 'sampix-web-'));
const accord = join(racine, 'examples/accord.wav');
let serveur;
let navigateur;
let p;

// The desktop's command line, in a HOME of its own so that no user's colours come in.
function LigneDeCommande(...args) {
  return execFileSync(sampix, args, { env: { ...process.env, HOME: dossier, XDG_DATA_HOME: dossier,
                                             XDG_CONFIG_HOME: dossier }, stdio: ['ignore', 'pipe', 'pipe'] });
}

function NumeriseBureau(son, bits, pas) {
  const sortie = join(dossier, `bureau-${bits}-${pas}.wav`);
  LigneDeCommande('--bits', String(bits), '--pas', String(pas), '--sortie', sortie, son);
  return readFileSync(sortie);
}

async function Message() {
  const message = p.locator('#message');
  await message.waitFor();
  const texte = await p.locator('#message-texte').textContent();
  await p.getByRole('button', { name: 'OK' }).click();
  return texte;
}

before(async () => {
  serveur = await Serveur();
  navigateur = await Navigateur();
  const contexte = await navigateur.newContext({ acceptDownloads: true, viewport: { width: 1366, height: 768 },
                                                  locale: 'fr-FR' });
  p = await OuvrePage(contexte, serveur.adresse);
});

after(async () => {
  assert.deepEqual(p.erreurs, []);
  await navigateur.close();
  serveur.ferme();
});

test('accord.wav at 3 bits and a step of 4: the saved bytes and the detail view are the desktop\'s', async () => {
  await OuvreSon(p, accord);
  await Regle(p, 3, 4);
  assert.deepEqual(await Sauve(p), NumeriseBureau(accord, 3, 4));

  // The command line draws the views at the window's opening size: the strip (50 rows), a
  // 4-pixel gap, then the detail view, 1073 x 220.
  const image = join(dossier, 'vues.png');
  LigneDeCommande('--bits', '3', '--pas', '4', '--sortie', join(dossier, 'vues.wav'), '--image', image, accord);
  await p.evaluate(() => {
    const zone = document.getElementById('zone-detail');
    zone.style.flex = 'none';
    zone.style.width = '1073px';
    zone.style.height = '220px';
  });
  await p.waitForFunction(() => document.getElementById('detail').width === 1073
    && document.getElementById('detail').height === 220);
  await p.evaluate(() => new Promise(requestAnimationFrame));
  const differences = await p.evaluate(async (png) => {
    const octets = Uint8Array.from(atob(png), (c) => c.charCodeAt(0));
    const bureau = await createImageBitmap(new Blob([octets], { type: 'image/png' }));
    const toile = new OffscreenCanvas(bureau.width, bureau.height);
    const c = toile.getContext('2d');
    c.drawImage(bureau, 0, 0);
    const attendu = c.getImageData(0, bureau.height - 220, 1073, 220).data;
    const vu = document.getElementById('detail').getContext('2d').getImageData(0, 0, 1073, 220).data;
    let n = 0;
    for (let i = 0; i < vu.length; ++i) if (vu[i] !== attendu[i]) ++n;
    return n;
  }, readFileSync(image).toString('base64'));
  assert.equal(differences, 0);

  // A cursor's level in decimal, binary (3 digits at 3 bits) and hexadecimal; Shift+click, the
  // duration from it: 100 columns at 4 pixels a frame are 25 frames, 1,13 ms at 22,050 Hz.
  await p.getByLabel('Maj. clic pour lire une durée').check();
  const vue = await p.locator('#detail').boundingBox();
  await p.mouse.click(vue.x + 300, vue.y + 100);
  await p.keyboard.down('Shift');
  await p.mouse.click(vue.x + 400, vue.y + 100);
  await p.keyboard.up('Shift');
  const [decimal, binaire, hexa, duree] = await p.evaluate(() => ['decimal', 'binaire'].map(
    (id) => document.getElementById(id).value).concat(document.getElementById('binaire').title,
                                                      document.getElementById('temps').textContent));
  assert.match(binaire, /^[01]{3}$/);
  assert.equal(Number.parseInt(binaire, 2), Number(decimal));
  assert.equal(hexa, `${Number(decimal).toString(16).toUpperCase()}h`);
  assert.equal(duree, '1,13 ms=1/(882 Hz)');
});

test('an 8-bit stereo file dropped on the page, read by our reader, saved as the desktop saves it', async () => {
  const son = join(dossier, 'stereo8.wav');
  execFileSync('sox', ['-n', '-r', '11025', '-b', '8', '-c', '2', son, 'synth', '0.5', 'sine', '440', 'sine', '660']);
  await p.evaluate((base64) => {
    const octets = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
    const transfert = new DataTransfer();
    transfert.items.add(new File([octets], 'stereo8.wav'));
    document.getElementById('detail').dispatchEvent(new DragEvent('drop', { dataTransfer: transfert, bubbles: true }));
  }, readFileSync(son).toString('base64'));
  await p.waitForFunction(() => document.title === 'Sampix - stereo8.wav');
  await Regle(p, 5, 2);
  assert.match(await p.locator('#label-bits0').textContent(), /8 bits/);
  assert.deepEqual(await Sauve(p), NumeriseBureau(son, 5, 2));
});

test('FLAC, MP3 and 24-bit WAV through the browser\'s decoder keep the file\'s rate and length', async () => {
  // A lossless file gives back the very samples of the WAV: the page's bytes are the command line's.
  const flac = join(dossier, 'accord.flac');
  execFileSync('sox', [accord, flac]);
  await OuvreSon(p, flac);
  await Regle(p, 3, 4);
  assert.deepEqual(await Sauve(p), NumeriseBureau(accord, 3, 4));

  const mp3 = join(dossier, 'la.mp3');
  execFileSync('sox', ['-n', '-r', '32000', '-b', '16', '-c', '1', join(dossier, 'la.wav'), 'synth', '1', 'sine', '440']);
  execFileSync('lame', ['--quiet', '-b', '64', join(dossier, 'la.wav'), mp3]);
  await OuvreSon(p, mp3);
  assert.equal(await p.locator('#label-freq0').textContent(), '(32000 Hz)');
  const wav = await Sauve(p);
  // lame's header tells the decoder its delay and padding: exactly the frames that went in.
  assert.equal(wav.readUInt32LE(40), 2 * 32000);

  const wav24 = join(dossier, 'la24.wav');
  execFileSync('sox', ['-n', '-r', '44100', '-b', '24', '-c', '1', wav24, 'synth', '0.25', 'sine', '440']);
  await OuvreSon(p, wav24);
  assert.equal(await p.locator('#label-freq0').textContent(), '(44100 Hz)');
  assert.equal((await Sauve(p)).readUInt32LE(40), 2 * 11025);
});

test('a damaged file and a file that is not a sound give a message, and the sound on screen stays', async () => {
  await OuvreSon(p, accord);
  await Regle(p, 4, 1);
  const attendu = NumeriseBureau(accord, 4, 1);

  const abime = join(dossier, 'abime.wav');
  writeFileSync(abime, readFileSync(accord).subarray(0, 30));
  await p.getByLabel('Ouvrir', { exact: true }).setInputFiles(abime);
  assert.match(await Message(), /Impossible d'ouvrir le fichier\nabime\.wav\n\nFormat incorrect/);

  const texte = join(dossier, 'notes.mp3');
  writeFileSync(texte, 'Ceci est une liste de courses, pas un son.\n'.repeat(50));
  await p.getByLabel('Ouvrir', { exact: true }).setInputFiles(texte);
  assert.match(await Message(), /Impossible d'ouvrir le fichier\nnotes\.mp3/);

  assert.equal(await p.title(), 'Sampix - accord.wav');
  assert.deepEqual(await Sauve(p), attendu);
});
