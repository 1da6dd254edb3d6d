// The page: opening a sound, the track bars, playback, recording, the animation, saving, and
// the keys of the desktop's window.
import { ChargeNoyau, Source, Texte } from './noyau.js';
import { DecodeSon, EnPcm16 } from './decodage.js';
import { Vues } from './vues.js';
import { Lecteur } from './lecture.js';
import { Enregistreur } from './enregistrement.js';
import { Animation } from './animation.js';
import { Tr, TraduitPage, adresseAide, anglaisCoeur, enAnglais } from './langue.js';

const $ = (id) => document.getElementById(id);
const kIntervalleSuivi = 110;  // ms, the desktop's Timer1

TraduitPage();
const noyau = await ChargeNoyau();
noyau.fixeLangue(enAnglais, anglaisCoeur);
let nomSon = '';
let sourceJouee = null;
let suivi = null;

function AfficheMessage(texte) {
  $('message-texte').textContent = texte;
  $('message').hidden = false;
  $('message-ok').focus();
}
$('message-ok').addEventListener('click', () => { $('message').hidden = true; });

function AfficheLectures() {
  $('decimal').value = noyau.texte(Texte.decimal);
  $('binaire').value = noyau.texte(Texte.binaire);
  $('binaire').title = noyau.texte(Texte.hexa);
  const t = noyau.temps;
  $('temps').hidden = !t.visible;
  if (t.visible) {
    $('temps').textContent = t.texte;
    $('temps').style.left = `${t.gauche}px`;
    $('temps').style.top = `${t.haut}px`;
  }
}

const vues = new Vues(noyau, $('detail'), $('apercu'), AfficheLectures);

function AfficheReglages() {
  $('label-bits').textContent = noyau.texte(Texte.bits);
  $('label-freq').textContent = noyau.texte(Texte.frequence);
  $('label-bits0').textContent = noyau.texte(Texte.bitsSon);
  $('label-freq0').textContent = noyau.texte(Texte.frequenceSon);
  $('rsb').textContent = noyau.texte(Texte.rapport);
  $('debit').textContent = noyau.texte(Texte.debit);
}

// What each command may do now, from what the page is doing.
function MetAJourCommandes() {
  const son = noyau.trames > 0;
  const enregistre = enregistreur.enCours;
  for (const id of ['jouer-son', 'jouer-numerise', 'jouer-erreur', 'sauver', 'animation'])
    $(id).disabled = !son || enregistre;
  $('ouvrir').disabled = enregistre;
  $('enregistrer').disabled = enregistre;
  $('stop').disabled = !enregistre && !lecteur.enCours && !animation.enCours;
  vues.actif = !animation.enCours;
}

function Regle() {
  noyau.regle(Number($('bits').value), Number($('pas').value));
  AfficheReglages();
  // The animation stops, and the view comes back whole.
  if (animation.enCours) animation.arrete();
  else vues.dessine();
  if (lecteur.enCours && sourceJouee !== Source.son)
    lecteur.remplace(noyau.echantillons(sourceJouee), noyau.frequence, $('boucle').checked);
}

function NouveauSon(nom, ouvert) {
  if (ouvert.message) {
    AfficheMessage(Tr("Impossible d'ouvrir le fichier\n%1\n\n%2", nom, ouvert.message));
    return;
  }
  lecteur.arrete();
  animation.arrete();
  nomSon = nom.replace(/\.[^.]*$/, '');
  // The desktop's mark of a sound cut to the record's capacity, the same in both languages.
  document.title = `Sampix - ${nom}${ouvert.tronque ? ' erTronque' : ''}`;
  $('defilement').max = Math.max(noyau.trames - 1, 0);
  $('defilement').value = 0;
  $('voie').textContent = noyau.texte(Texte.voie);
  Regle();
  MetAJourCommandes();
}

async function OuvreFichier(fichier) {
  if (!fichier) return;
  let octets;
  try {
    octets = new Uint8Array(await fichier.arrayBuffer());
  } catch (e) {
    AfficheMessage(Tr("Impossible d'ouvrir le fichier\n%1\n\n%2", fichier.name, e.message || e.name));
    return;
  }
  const lu = noyau.ouvreOctets(fichier.name, octets);
  if (lu) {
    NouveauSon(fichier.name, lu);
  } else {
    $('occupe').hidden = false;
    try {
      const decode = await DecodeSon(octets);
      NouveauSon(fichier.name, noyau.ouvrePcm(decode.pcm, decode.voies, decode.frequence));
    } catch (e) {
      AfficheMessage(Tr("Impossible d'ouvrir le fichier\n%1\n\n%2", fichier.name,
                        Tr('Le navigateur ne sait pas décoder ce son (%1).', e.message || e.name)));
    } finally {
      $('occupe').hidden = true;
    }
  }
  // Counts the files taken, opened or refused: what a test waits for.
  document.body.dataset.ouvertures = Number(document.body.dataset.ouvertures || 0) + 1;
}

$('ouvrir').addEventListener('change', async (e) => {
  await OuvreFichier(e.target.files[0]);
  e.target.value = '';
});
document.addEventListener('dragover', (e) => e.preventDefault());
document.addEventListener('drop', (e) => {
  e.preventDefault();
  if (!$('ouvrir').disabled) OuvreFichier(e.dataTransfer.files[0]);
});

$('bits').addEventListener('input', Regle);
$('pas').addEventListener('input', Regle);
$('defilement').addEventListener('input', () => vues.defile(Number($('defilement').value)));
$('detail').addEventListener('wheel', (e) => {
  if (!noyau.trames) return;
  e.preventDefault();
  const d = $('defilement');
  d.value = Number(d.value) + Math.sign(e.deltaY || e.deltaX) * 16;
  vues.defile(Number(d.value));
}, { passive: false });
for (const id of ['avec-temps', 'avec-erreur']) {
  $(id).addEventListener('change', () => {
    noyau.fixeOptions($('avec-temps').checked, $('avec-erreur').checked);
    vues.dessine();
  });
}

const lecteur = new Lecteur(() => {
  sourceJouee = null;
  clearInterval(suivi);
  MetAJourCommandes();
});

// The detail view follows the frame being played, as the desktop's scroll bar does.
function SuitLecture() {
  const { debut, fin } = noyau.selection;
  const trame = debut + Math.floor(lecteur.position() * noyau.frequence) % (fin - debut + 1);
  $('defilement').value = trame;
  vues.defile(trame);
}

function Joue(source) {
  if (!noyau.trames || enregistreur.enCours) return;
  animation.arrete();
  sourceJouee = source;
  lecteur.joue(noyau.echantillons(source), noyau.frequence, $('boucle').checked);
  clearInterval(suivi);
  if (lecteur.enCours) suivi = setInterval(SuitLecture, kIntervalleSuivi);
  MetAJourCommandes();
}
$('jouer-son').addEventListener('click', () => Joue(Source.son));
$('jouer-numerise').addEventListener('click', () => Joue(Source.numerise));
$('jouer-erreur').addEventListener('click', () => Joue(Source.erreur));

function Sauve() {
  if (!noyau.trames) return;
  const wav = noyau.wavNumerise();
  if (wav.message) {
    AfficheMessage(Tr('Impossible de sauver le fichier simulé\n(%1)', wav.message));
    return;
  }
  const lien = document.createElement('a');
  lien.href = URL.createObjectURL(new Blob([wav.octets], { type: 'audio/wav' }));
  lien.download = Tr('%1-numerise.wav', nomSon || Tr('son'));
  lien.click();
  setTimeout(() => URL.revokeObjectURL(lien.href), 1000);
}
$('sauver').addEventListener('click', Sauve);

const animation = new Animation(noyau, vues, MetAJourCommandes);
function Anime() {
  if (!noyau.trames || enregistreur.enCours) return;
  lecteur.arrete();
  animation.arrete();
  animation.commence();
  MetAJourCommandes();
}
$('animation').addEventListener('click', Anime);

const enregistreur = new Enregistreur((canal, frequence) => {
  $('enregistrement').hidden = true;
  MetAJourCommandes();
  if (!canal.length) return;
  const { pcm } = EnPcm16([canal], canal.length);
  NouveauSon(Tr('Enregistrement.wav'), noyau.ouvrePcm(pcm, 1, frequence));
});
async function Enregistre() {
  if (enregistreur.enCours) return;
  lecteur.arrete();
  animation.arrete();
  try {
    await enregistreur.commence(noyau.capacite(1));
    $('enregistrement').hidden = false;
  } catch (e) {
    AfficheMessage(Tr("Pas d'entrée son\n(%1)", e.message || e.name));
  }
  MetAJourCommandes();
}
$('enregistrer').addEventListener('click', Enregistre);

function Stop() {
  $('message').hidden = true;
  enregistreur.arrete();
  lecteur.arrete();
  clearInterval(suivi);
  animation.arrete();
  MetAJourCommandes();
}
$('stop').addEventListener('click', Stop);

const kTouches = {
  F5: () => Joue(Source.son),
  F6: () => Joue(Source.numerise),
  F9: () => Joue(Source.erreur),
  F7: Anime,
  F1: () => window.open(adresseAide, '_blank'),
  Escape: Stop,
};
const kTouchesCtrl = { s: Sauve, o: () => $('ouvrir').click(), r: Enregistre };
document.addEventListener('keydown', (e) => {
  const action = e.ctrlKey || e.metaKey ? kTouchesCtrl[e.key.toLowerCase()] : kTouches[e.key];
  if (!action) return;
  e.preventDefault();
  action();
});

if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
AfficheReglages();
MetAJourCommandes();
vues.dessine();
document.body.dataset.pret = '1';
