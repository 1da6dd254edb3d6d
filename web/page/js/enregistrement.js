// Recording from the microphone, mono, at the input's rate, up to the record's capacity.

export class Enregistreur {
  // fin(canal, frequence) is called once the recording stops, by arrete() or when full.
  constructor(fin) {
    this.fin = fin;
    this.contexte = null;
  }

  get enCours() { return this.contexte !== null; }

  async commence(capacite) {
    const flux = await navigator.mediaDevices.getUserMedia({ audio: true });
    this.flux = flux;
    this.contexte = new AudioContext();
    await this.contexte.audioWorklet.addModule(new URL('./capture.js', import.meta.url));
    this.blocs = [];
    this.trames = 0;
    this.capacite = capacite;
    const noeud = new AudioWorkletNode(this.contexte, 'capture-sampix');
    noeud.port.onmessage = (e) => {
      if (!this.contexte) return;
      this.blocs.push(e.data);
      this.trames += e.data.length;
      if (this.trames >= this.capacite) this.arrete();
    };
    this.contexte.createMediaStreamSource(flux).connect(noeud);
  }

  arrete() {
    if (!this.contexte) return;
    const frequence = this.contexte.sampleRate;
    this.contexte.close();
    this.contexte = null;
    this.flux.getTracks().forEach((piste) => piste.stop());
    const canal = new Float32Array(Math.min(this.trames, this.capacite));
    let i = 0;
    for (const bloc of this.blocs) {
      const n = Math.min(bloc.length, canal.length - i);
      canal.set(bloc.subarray(0, n), i);
      i += n;
    }
    this.fin(canal, frequence);
  }
}
