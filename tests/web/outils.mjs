// What the page's tests share: the built page served on 127.0.0.1, Debian's chromium driven
// by playwright-core, and the desktop's command line to compare with.
import { createServer } from 'node:http';
import { existsSync } from 'node:fs';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

export const racine = resolve(fileURLToPath(new URL('.', import.meta.url)), '../..');
export const page = process.env.SAMPIX_PAGE || join(racine, 'build-web/page');
export const sampix = process.env.SAMPIX || join(racine, 'build-test/sampix');

const kTypes = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
  '.css': 'text/css', '.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json',
  '.svg': 'image/svg+xml', '.png': 'image/png',
};

// Serves the page's folder; gives { adresse, ferme() }.
export async function Serveur() {
  if (!existsSync(join(page, 'index.html'))) throw new Error(`${page} n'a pas de page : lancez scripts/web`);
  const serveur = createServer(async (requete, reponse) => {
    const chemin = normalize(decodeURIComponent(new URL(requete.url, 'http://x').pathname));
    const fichier = join(page, chemin.endsWith('/') ? `${chemin}index.html` : chemin);
    try {
      const octets = await readFile(fichier);
      reponse.writeHead(200, { 'Content-Type': kTypes[extname(fichier)] || 'application/octet-stream' });
      reponse.end(octets);
    } catch {
      reponse.writeHead(404).end();
    }
  });
  await new Promise((fait) => serveur.listen(0, '127.0.0.1', fait));
  return {
    adresse: `http://127.0.0.1:${serveur.address().port}/`,
    ferme: () => {
      serveur.close();
      serveur.closeAllConnections();
    },
  };
}

// Debian's chromium, headless; a fake microphone, and sound that needs no gesture.
export async function Navigateur() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--autoplay-policy=no-user-gesture-required',
           '--use-fake-device-for-media-stream', '--use-fake-ui-for-media-stream'],
  });
}

// A page opened and ready (its module loaded), with its messages and downloads at hand.
export async function OuvrePage(contexte, adresse) {
  const p = await contexte.newPage();
  p.erreurs = [];
  p.on('pageerror', (e) => p.erreurs.push(String(e)));
  await p.goto(adresse);
  await p.waitForSelector('body[data-pret="1"]');
  return p;
}

// Opens a file through the file chooser and waits until the page took it (opened or refused).
export async function OuvreSon(p, fichier) {
  const avant = await p.evaluate(() => Number(document.body.dataset.ouvertures || 0));
  await p.getByLabel('Ouvrir', { exact: true }).setInputFiles(fichier);
  await p.waitForFunction((n) => Number(document.body.dataset.ouvertures || 0) > n, avant);
}

export async function Regle(p, bits, pas) {
  await p.getByLabel('Nombre de bits').fill(String(bits));
  await p.getByLabel("Pas d'échantillonnage").fill(String(pas));
}

// The downloaded bytes of the digitised sound.
export async function Sauve(p) {
  const [telechargement] = await Promise.all([
    p.waitForEvent('download'),
    p.getByRole('button', { name: 'Enregistrer le son numérisé' }).click(),
  ]);
  return readFile(await telechargement.path());
}
