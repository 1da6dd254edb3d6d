// The two canvases: the C++ drawings put into them at the screen's own pixels, and the
// pointer's actions forwarded as canvas columns (mouse, pen or finger alike).

// The desktop's mouse cursors over the strip: none, start edge, end edge, whole band.
const kFormes = ['default', 'ew-resize', 'ew-resize', 'pointer'];
// A finger or a pen has no Shift key: a press held this long (ms) stands for Shift+click.
const kAppuiLong = 500;

function Taille(canevas) {
  const echelle = window.devicePixelRatio || 1;
  const largeur = Math.max(1, Math.round(canevas.clientWidth * echelle));
  const hauteur = Math.max(1, Math.round(canevas.clientHeight * echelle));
  if (canevas.width !== largeur) canevas.width = largeur;
  if (canevas.height !== hauteur) canevas.height = hauteur;
  return { largeur, hauteur, echelle };
}

function Montre(canevas, pixels) {
  canevas.getContext('2d').putImageData(new ImageData(pixels, canevas.width, canevas.height), 0, 0);
}

function Colonne(canevas, evenement) {
  return Math.round(evenement.offsetX * canevas.width / Math.max(canevas.clientWidth, 1));
}

export class Vues {
  // apres() is called after each change of the detail view (its read-outs).
  constructor(noyau, detail, apercu, apres) {
    this.noyau = noyau;
    this.detail = detail;
    this.apercu = apercu;
    this.apres = apres;
    this.actif = true;
    detail.addEventListener('pointerdown', (e) => { this.appui = e.timeStamp; });
    detail.addEventListener('pointerup', (e) => {
      if (!this.actif || !this.noyau.trames) return;
      const long = e.pointerType !== 'mouse' && e.timeStamp - this.appui >= kAppuiLong;
      this.noyau.clique(Colonne(detail, e), e.shiftKey || long);
      this.montreDetail();
    });
    apercu.addEventListener('pointerdown', (e) => {
      if (!this.actif || !this.noyau.trames) return;
      apercu.setPointerCapture(e.pointerId);
      apercu.style.cursor = kFormes[this.noyau.presse(Colonne(apercu, e))];
    });
    apercu.addEventListener('pointermove', (e) => {
      if (!this.noyau.trames) return;
      if (!apercu.hasPointerCapture(e.pointerId)) {
        apercu.style.cursor = kFormes[this.noyau.prise(Colonne(apercu, e))];
      } else if (this.noyau.glisse(Colonne(apercu, e))) {
        this.montreApercu();
      }
    });
    apercu.addEventListener('pointerup', (e) => {
      if (!apercu.hasPointerCapture(e.pointerId)) return;
      this.noyau.lache(Colonne(apercu, e));
      apercu.style.cursor = 'default';
      this.montreApercu();
    });
    new ResizeObserver(() => this.dessine()).observe(detail);
    new ResizeObserver(() => this.dessine()).observe(apercu);
  }

  // Both views drawn anew: after a load, a track bar, a resize.
  dessine() {
    const d = Taille(this.detail);
    Montre(this.detail, this.noyau.dessineDetail(d.largeur, d.hauteur, d.echelle));
    const a = Taille(this.apercu);
    Montre(this.apercu, this.noyau.dessineApercu(a.largeur, a.hauteur, a.echelle));
    this.apres();
  }

  montreDetail() {
    Montre(this.detail, this.noyau.imageDetail(this.detail.width, this.detail.height));
    this.apres();
  }

  montreApercu() {
    Montre(this.apercu, this.noyau.imageApercu(this.apercu.width, this.apercu.height));
  }

  // The detail view from another first frame; the strip's band follows.
  defile(trame) {
    this.noyau.fixeDebut(trame);
    const d = Taille(this.detail);
    Montre(this.detail, this.noyau.dessineDetail(d.largeur, d.hauteur, d.echelle));
    this.montreApercu();
    this.apres();
  }

  // Columns of the detail view, in CSS pixels: the animation runs over them, one per 4.
  get largeurFenetre() { return this.detail.clientWidth; }
}
