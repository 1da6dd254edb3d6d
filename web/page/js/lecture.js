// Playback through Web Audio at the sound's own rate: the play selection once or in a loop.
// A change of the track bars during a play goes on with the new samples from where it was,
// so that the class hears 8 bits become 3 as the loop plays.

export class Lecteur {
  constructor(finDeLecture) {
    this.contexte = null;
    this.source = null;
    this.finDeLecture = finDeLecture;
  }

  get enCours() { return this.source !== null; }

  // canaux: one Float32Array per channel.
  joue(canaux, frequence, boucle, depuis = 0) {
    this.coupe();
    if (!canaux.length || !canaux[0].length) return;
    if (!this.contexte || this.contexte.sampleRate !== frequence) {
      if (this.contexte) this.contexte.close();
      this.contexte = new AudioContext({ sampleRate: frequence });
    }
    const tampon = this.contexte.createBuffer(canaux.length, canaux[0].length, frequence);
    canaux.forEach((canal, v) => tampon.copyToChannel(canal, v));
    const source = this.contexte.createBufferSource();
    source.buffer = tampon;
    source.loop = boucle;
    source.connect(this.contexte.destination);
    source.onended = () => {
      if (this.source !== source) return;
      this.source = null;
      this.finDeLecture();
    };
    this.contexte.resume();
    source.start(0, depuis % tampon.duration);
    this.source = source;
    this.debut = this.contexte.currentTime - depuis;
  }

  // Where the play is, in seconds from the selection's start.
  position() {
    return this.source ? this.contexte.currentTime - this.debut : 0;
  }

  // The same play, with other samples, from where it is.
  remplace(canaux, frequence, boucle) {
    if (this.source) this.joue(canaux, frequence, boucle, this.position());
  }

  // The play ends, and says so.
  arrete() {
    if (this.coupe()) this.finDeLecture();
  }

  coupe() {
    const source = this.source;
    this.source = null;
    if (source) source.stop();
    return source !== null;
  }
}
