// Figures of the page in headless chromium (not pass/fail): what it downloads, gzip-compressed;
// the time from opening it to the first view of accord.wav; a track-bar change at the record's
// full capacity (recompute, read-outs, both views redrawn), as bench/BenchLecon's
// ChangementBarrePleineCapacite does on the desktop. Run after scripts/web and npm ci in tests/web:
//   node web/banc/banc-page.mjs
import { readFileSync, readdirSync, writeFileSync, mkdtempSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { Navigateur, OuvrePage, OuvreSon, Serveur, page, racine } from '../../tests/web/outils.mjs';

const kRepetitions = 15;
const kChangements = 20;

function Mediane(valeurs) {
  const v = [...valeurs].sort((a, b) => a - b);
  return v[Math.floor(v.length / 2)];
}

// What a first visit loads: the page, its scripts, styles and module (not the help).
function TailleTelechargee() {
  const fichiers = ['index.html', 'sampix.css', 'manifest.webmanifest', 'sw.js', 'sampix.mjs', 'sampix.wasm',
                    ...readdirSync(join(page, 'js')).map((f) => `js/${f}`)];
  return fichiers.reduce((total, f) => total + gzipSync(readFileSync(join(page, f)), { level: 9 }).length, 0);
}

// The chord of BenchLecon: 2^20 frames of 16-bit mono at 44,100 Hz.
function FichierPleineCapacite() {
  const trames = 1 << 20;
  const wav = Buffer.alloc(44 + 2 * trames);
  wav.write('RIFF', 0); wav.writeUInt32LE(36 + 2 * trames, 4); wav.write('WAVEfmt ', 8);
  wav.writeUInt32LE(16, 16); wav.writeUInt16LE(1, 20); wav.writeUInt16LE(1, 22);
  wav.writeUInt32LE(44100, 24); wav.writeUInt32LE(88200, 28); wav.writeUInt16LE(2, 32); wav.writeUInt16LE(16, 34);
  wav.write('data', 36); wav.writeUInt32LE(2 * trames, 40);
  for (let i = 0; i < trames; ++i) {
    const t = i / 44100;
    wav.writeInt16LE(Math.trunc(9000 * (Math.sin(2 * Math.PI * 220 * t) + Math.sin(2 * Math.PI * 3300 * t))), 44 + 2 * i);
  }
  const nom = join(mkdtempSync(join(tmpdir(), 'sampix-banc-')), 'pleine-capacite.wav');
  writeFileSync(nom, wav);
  return nom;
}

const serveur = await Serveur();
const navigateur = await Navigateur();
const contexte = await navigateur.newContext({ viewport: { width: 1366, height: 768 } });

const ouvertures = [];
for (let i = 0; i < 5; ++i) {
  const p = await contexte.newPage();
  const debut = Date.now();
  await p.goto(serveur.adresse);
  await p.waitForSelector('body[data-pret="1"]');
  await OuvreSon(p, join(racine, 'examples/accord.wav'));
  await p.evaluate(() => new Promise(requestAnimationFrame));
  ouvertures.push(Date.now() - debut);
  await p.close();
}

// At a laptop's screen and at the 800 x 600 of the desktop benchmark's offscreen screen.
const fichier = FichierPleineCapacite();
const changements = [];
for (const viewport of [{ width: 1366, height: 768 }, { width: 800, height: 600 }]) {
  const p = await OuvrePage(await navigateur.newContext({ viewport }), serveur.adresse);
  await OuvreSon(p, fichier);
  await p.getByLabel("Pas d'échantillonnage").fill('4');
  const mesures = await p.evaluate(({ repetitions, n }) => {
    const barre = document.getElementById('bits');
    const duree = [];
    for (let r = 0; r < repetitions; ++r) {
      const debut = performance.now();
      for (let i = 0; i < n; ++i) {
        barre.value = barre.value === '3' ? '4' : '3';
        barre.dispatchEvent(new Event('input'));
      }
      duree.push((performance.now() - debut) / n);
    }
    return duree;
  }, { repetitions: kRepetitions, n: kChangements });
  const [largeur, hauteur] = await p.evaluate(() => [document.getElementById('detail').width,
                                                      document.getElementById('detail').height]);
  changements.push(`vue détaillée ${largeur}x${hauteur} : ${Mediane(mesures).toFixed(2)} ms`);
}

console.log(`Téléchargé (gzip) : ${(TailleTelechargee() / 1024).toFixed(1)} Kio`);
console.log(`Ouverture de la page jusqu'à la première vue d'accord.wav : ${Mediane(ouvertures)} ms (médiane de ${ouvertures.length})`);
console.log(`Changement de barre à pleine capacité (médianes de ${kRepetitions} x ${kChangements}) : ${changements.join(' ; ')}`);
await navigateur.close();
serveur.ferme();
