#include "graph/Canevas.h"

#include <algorithm>

#include <QColor>
#include <QLine>
#include <QPen>
#include <QRect>

namespace {

// The only place where a program colour ($BBGGRR) becomes a Qt colour.
QColor EnQColor(TCouleur c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

QPainter::CompositionMode Composition(TmodeStylo mode) {
    switch (mode) {
        case TmodeStylo::pmXor: return QPainter::RasterOp_SourceXorDestination;
        case TmodeStylo::pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
        case TmodeStylo::pmCopy: break;
    }
    return QPainter::CompositionMode_Source;
}

// A pen w pixels wide covers lo pixels before the thin line and hi after it.
int AvantTrait(int largeur) { return (std::max(largeur, 1) - 1) / 2; }
int ApresTrait(int largeur) { return std::max(largeur, 1) / 2; }

}  // namespace

TCanevas::TCanevas(QImage* image) : image_(image) {}

TCanevas::Session::Session(TCanevas& canevas) : canevas_(canevas), proprietaire_(false) {
    if (canevas_.peintre_.isActive() || !canevas_.image_ || canevas_.image_->isNull()) return;
    proprietaire_ = canevas_.peintre_.begin(canevas_.image_);
    if (!proprietaire_) return;
    canevas_.peintre_.setRenderHint(QPainter::Antialiasing, false);
    canevas_.peintre_.setCompositionMode(Composition(TmodeStylo::pmCopy));
    canevas_.modeApplique_ = TmodeStylo::pmCopy;
    canevas_.styloAJour_ = false;
}

TCanevas::Session::~Session() {
    if (proprietaire_) canevas_.peintre_.end();
}

QPainter& TCanevas::Peintre(TmodeStylo mode) {
    if (mode != modeApplique_) {
        peintre_.setCompositionMode(Composition(mode));
        modeApplique_ = mode;
    }
    return peintre_;
}

void TCanevas::RemplitRect(int gauche, int haut, int droite, int bas, TCouleur couleur, TmodeStylo mode) {
    if (droite <= gauche || bas <= haut) return;
    Peintre(mode).fillRect(QRect(gauche, haut, droite - gauche, bas - haut), EnQColor(couleur));
}

void TCanevas::LineTo(int x, int y) {
    const QPoint depart = position_;
    position_ = QPoint(x, y);
    if (depart == position_) return;
    Session session(*this);
    if (!session.Active()) return;
    if (Pen.Width <= 1)
        LigneFine(depart, position_);
    else
        LigneEpaisse(depart, position_);
}

// Qt's aliased one-pixel line with a flat cap leaves out its end point, as GDI does.
void TCanevas::LigneFine(QPoint depart, QPoint arrivee) {
    QPainter& peintre = Peintre(Pen.Mode);
    if (!styloAJour_ || styloApplique_.Color != Pen.Color || styloApplique_.Width != 1) {
        QPen stylo(EnQColor(Pen.Color));
        stylo.setWidth(1);
        stylo.setCosmetic(true);
        stylo.setCapStyle(Qt::FlatCap);
        peintre.setPen(stylo);
        styloApplique_ = TStylo{Pen.Color, 1, Pen.Mode};
        styloAJour_ = true;
    }
    peintre.drawLine(QLine(depart, arrivee));
}

// Horizontal and vertical wide lines (cursors, dashes) are exact rectangles; any other
// slope is left to Qt's wide line, one primitive, so XOR still undoes it.
void TCanevas::LigneEpaisse(QPoint depart, QPoint arrivee) {
    const int lo = AvantTrait(Pen.Width);
    const int hi = ApresTrait(Pen.Width);
    if (depart.y() == arrivee.y()) {
        const int x0 = arrivee.x() > depart.x() ? depart.x() : arrivee.x() + 1;
        const int x1 = arrivee.x() > depart.x() ? arrivee.x() - 1 : depart.x();
        RemplitRect(x0 - lo, depart.y() - lo, x1 + hi + 1, depart.y() + hi + 1, Pen.Color, Pen.Mode);
        return;
    }
    if (depart.x() == arrivee.x()) {
        const int y0 = arrivee.y() > depart.y() ? depart.y() : arrivee.y() + 1;
        const int y1 = arrivee.y() > depart.y() ? arrivee.y() - 1 : depart.y();
        RemplitRect(depart.x() - lo, y0 - lo, depart.x() + hi + 1, y1 + hi + 1, Pen.Color, Pen.Mode);
        return;
    }
    QPainter& peintre = Peintre(Pen.Mode);
    peintre.setPen(QPen(EnQColor(Pen.Color), Pen.Width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    styloAJour_ = false;
    peintre.drawLine(QLine(depart, arrivee));
}

void TCanevas::FillRect(const TRect& r) {
    Session session(*this);
    if (!session.Active()) return;
    RemplitRect(r.Left, r.Top, r.Right, r.Bottom, Brush.Color, TmodeStylo::pmCopy);
}

// The border is the band of pen width centred on the outline of the pixels Left..Right-1,
// Top..Bottom-1; the inside is what the band leaves. Drawn as disjoint pieces, the inside
// first, so that no pixel is combined twice in the XOR modes.
void TCanevas::Rectangle(const TRect& r) {
    if (r.Right <= r.Left || r.Bottom <= r.Top) return;
    Session session(*this);
    if (!session.Active()) return;
    const int lo = AvantTrait(Pen.Width);
    const int hi = ApresTrait(Pen.Width);
    const int gauche = r.Left - lo, droite = r.Right + hi;  // outer band, Right excluded
    const int haut = r.Top - lo, bas = r.Bottom + hi;
    const int gaucheDedans = r.Left + hi + 1, droiteDedans = r.Right - 1 - lo;
    const int hautDedans = r.Top + hi + 1, basDedans = r.Bottom - 1 - lo;
    if (droiteDedans <= gaucheDedans || basDedans <= hautDedans) {
        RemplitRect(gauche, haut, droite, bas, Pen.Color, Pen.Mode);
        return;
    }
    RemplitRect(gaucheDedans, hautDedans, droiteDedans, basDedans, Brush.Color, Pen.Mode);
    RemplitRect(gauche, haut, droite, hautDedans, Pen.Color, Pen.Mode);
    RemplitRect(gauche, basDedans, droite, bas, Pen.Color, Pen.Mode);
    RemplitRect(gauche, hautDedans, gaucheDedans, basDedans, Pen.Color, Pen.Mode);
    RemplitRect(droiteDedans, hautDedans, droite, basDedans, Pen.Color, Pen.Mode);
}

TCouleur TCanevas::Pixel(int x, int y) const {
    if (!image_ || !image_->valid(x, y)) return 0;
    const QRgb p = image_->pixel(x, y);
    return static_cast<TCouleur>(qRed(p)) | static_cast<TCouleur>(qGreen(p)) << 8 |
           static_cast<TCouleur>(qBlue(p)) << 16;
}
