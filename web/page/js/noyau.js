// The C++ core compiled to WebAssembly, behind plain JavaScript calls.
import CreeSampix from '../sampix.mjs';

// Numbers of the texts that sx_texte gives.
export const Texte = Object.freeze({
  bits: 0, frequence: 1, bitsSon: 2, frequenceSon: 3, rapport: 4, debit: 5, voie: 6,
  decimal: 7, binaire: 8, hexa: 9, duree: 10, message: 11,
});

// What is played.
export const Source = Object.freeze({ son: 0, numerise: 1, erreur: 2 });

let fichiers = 0;

export class Noyau {
  constructor(module) {
    this.m = module;
    this.m.FS.mkdir('/fichiers');
  }

  texte(numero) {
    return this.m.UTF8ToString(this.m._sx_texte(numero));
  }

  // A chosen file's bytes go through the desktop's road: our WAV reader, or null for a file
  // that the browser's decoder must decode first. Gives { tronque } or { message }.
  ouvreOctets(nom, octets) {
    const extension = /\.[A-Za-z0-9]{1,5}$/.exec(nom);
    const chemin = `/fichiers/son${++fichiers}${extension ? extension[0].toLowerCase() : ''}`;
    this.m.FS.writeFile(chemin, octets);
    try {
      if (this.appelChaine('sx_route', chemin) !== 0) return null;
      return this.resultat(this.appelChaine('sx_ouvre_wav', chemin));
    } finally {
      this.m.FS.unlink(chemin);
    }
  }

  // Interleaved 16-bit samples of one or two channels.
  ouvrePcm(echantillons, voies, frequence) {
    const adresse = this.m._malloc(echantillons.byteLength);
    try {
      this.m.HEAP16.set(echantillons, adresse >> 1);
      return this.resultat(this.m._sx_ouvre_pcm(adresse, voies, echantillons.length / voies, frequence));
    } finally {
      this.m._free(adresse);
    }
  }

  resultat(code) {
    return code < 0 ? { message: this.texte(Texte.message) } : { tronque: code === 1 };
  }

  appelChaine(fonction, ...chaines) {
    const adresses = chaines.map((chaine) => {
      const taille = this.m.lengthBytesUTF8(chaine) + 1;
      const adresse = this.m._malloc(taille);
      this.m.stringToUTF8(chaine, adresse, taille);
      return adresse;
    });
    try {
      return this.m[`_${fonction}`](...adresses);
    } finally {
      for (const adresse of adresses) this.m._free(adresse);
    }
  }

  get trames() { return this.m._sx_trames(); }
  get frequence() { return this.m._sx_frequence(); }
  get voies() { return this.m._sx_voies(); }
  capacite(voies) { return this.m._sx_capacite(voies); }

  regle(bits, pas) { this.m._sx_regle(bits, pas); }
  fixeDebut(trame) { this.m._sx_fixe_debut(trame); }
  // French, or English with the English of the core's failure texts, {context: {French: English}}.
  fixeLangue(anglais, traductions) {
    for (const [contexte, textes] of Object.entries(traductions)) {
      for (const [francais, texte] of Object.entries(textes))
        this.appelChaine('sx_traduction', contexte, francais, texte);
    }
    this.m._sx_fixe_langue(anglais ? 1 : 0);
  }
  fixeOptions(avecTemps, avecErreur) { this.m._sx_fixe_options(avecTemps ? 1 : 0, avecErreur ? 1 : 0); }

  // RGBA pixels of a view, over the module's memory: valid until the next call into it.
  pixels(adresse, largeur, hauteur) {
    return new Uint8ClampedArray(this.m.HEAPU8.buffer, adresse, largeur * hauteur * 4);
  }
  dessineDetail(largeur, hauteur, echelle) {
    return this.pixels(this.m._sx_dessine_detail(largeur, hauteur, echelle), largeur, hauteur);
  }
  dessineApercu(largeur, hauteur, echelle) {
    return this.pixels(this.m._sx_dessine_apercu(largeur, hauteur, echelle), largeur, hauteur);
  }
  imageDetail(largeur, hauteur) { return this.pixels(this.m._sx_image_detail(), largeur, hauteur); }
  imageApercu(largeur, hauteur) { return this.pixels(this.m._sx_image_apercu(), largeur, hauteur); }

  clique(x, maj) { this.m._sx_clique(x, maj ? 1 : 0); }
  get temps() {
    return { visible: this.m._sx_temps_visible() === 1, gauche: this.m._sx_temps_gauche(),
             haut: this.m._sx_temps_haut(), texte: this.texte(Texte.duree) };
  }

  prise(x) { return this.m._sx_prise(x); }
  presse(x) { return this.m._sx_presse(x); }
  glisse(x) { return this.m._sx_glisse(x) === 1; }
  lache(x) { this.m._sx_lache(x); }
  get selection() { return { debut: this.m._sx_debut_selection(), fin: this.m._sx_fin_selection() }; }

  effaceAnimation() { this.m._sx_efface_animation(); }
  pasAnimation(n) { this.m._sx_pas_animation(n); }

  // The play selection's samples, one Float32Array per channel.
  echantillons(source) {
    const adresse = this.m._sx_echantillons(source);
    const total = this.m._sx_taille_lecture();
    const voies = this.voies;
    const tout = new Float32Array(this.m.HEAPU8.buffer, adresse, total);
    const parVoie = total / voies;
    return Array.from({ length: voies }, (_, v) => tout.slice(v * parVoie, (v + 1) * parVoie));
  }

  // The digitised sound's WAV bytes, as the desktop writes them; or { message }.
  wavNumerise() {
    const chemin = '/fichiers/numerise.wav';
    if (this.appelChaine('sx_ecrit_numerise', chemin) < 0) return { message: this.texte(Texte.message) };
    const octets = this.m.FS.readFile(chemin);
    this.m.FS.unlink(chemin);
    return { octets };
  }
}

export async function ChargeNoyau() {
  return new Noyau(await CreeSampix());
}
