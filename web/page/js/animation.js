// The sampling animation over the detail view: its curve area cleared, then one frame more
// every tick, across the view's width at four window pixels a frame, as the desktop's Timer2.
const kIntervalle = 100;  // ms

export class Animation {
  // fin() is called when the animation ends, by itself or stopped.
  constructor(noyau, vues, fin) {
    this.noyau = noyau;
    this.vues = vues;
    this.fin = fin;
    this.minuterie = null;
  }

  get enCours() { return this.minuterie !== null; }

  commence() {
    let n = 0;
    const max = Math.floor(this.vues.largeurFenetre / 4);
    this.noyau.effaceAnimation();
    this.vues.montreDetail();
    this.minuterie = setInterval(() => {
      this.noyau.pasAnimation(++n);
      this.vues.montreDetail();
      if (n > max) this.termine();
    }, kIntervalle);
  }

  // Stopped before its end, the view comes back whole at once.
  arrete() {
    if (!this.enCours) return;
    this.vues.dessine();
    this.termine();
  }

  termine() {
    clearInterval(this.minuterie);
    this.minuterie = null;
    this.fin();
  }
}
