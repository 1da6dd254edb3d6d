#include "CanevasQPainter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <QColor>
#include <QLine>
#include <QPen>
#include <QRect>

namespace {

// The only place where a program colour ($BBGGRR) becomes a Qt colour.
QColor EnQColor(TCouleur c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

QPainter::CompositionMode Composition(TmodeStylo mode) {
    switch (mode) {
        case TmodeStylo::pmXor:
            return QPainter::RasterOp_SourceXorDestination;
        case TmodeStylo::pmNotXor:
            return QPainter::RasterOp_NotSourceXorDestination;
        case TmodeStylo::pmCopy:
            break;
    }
    return QPainter::CompositionMode_Source;
}

// A pen w pixels wide covers lo pixels before the thin line and hi after it.
int AvantTrait(int largeur) {
    return (std::max(largeur, 1) - 1) / 2;
}
int ApresTrait(int largeur) {
    return std::max(largeur, 1) / 2;
}

// Beyond this extent a slanted line is cut to the image before it is traced pixel by pixel;
// only a degenerate scale produces one.
constexpr std::int64_t kEtendueMax = 1 << 15;

// Cuts the segment to the rectangle (Liang-Barsky); false when nothing of it is inside.
bool Rogne(QPoint& depart, QPoint& arrivee, const QRect& cadre) {
    const double x0 = depart.x(), y0 = depart.y();
    const double dx = static_cast<double>(arrivee.x()) - x0, dy = static_cast<double>(arrivee.y()) - y0;
    double t0 = 0, t1 = 1;
    const auto borne = [&](double p, double q) {
        if (p == 0) return q >= 0;
        const double t = q / p;
        if (p < 0) t0 = std::max(t0, t);
        if (p > 0) t1 = std::min(t1, t);
        return t0 <= t1;
    };
    if (!borne(-dx, x0 - cadre.left()) || !borne(dx, cadre.right() - x0) || !borne(-dy, y0 - cadre.top()) ||
        !borne(dy, cadre.bottom() - y0))
        return false;
    depart = QPoint(static_cast<int>(std::lround(x0 + t0 * dx)), static_cast<int>(std::lround(y0 + t0 * dy)));
    arrivee =
        QPoint(static_cast<int>(std::lround(x0 + t1 * dx)), static_cast<int>(std::lround(y0 + t1 * dy)));
    return depart != arrivee;
}

}  // namespace

TCanevasQPainter::Session::Session(TCanevasQPainter& canevas) : canevas_(canevas), proprietaire_(false) {
    if (canevas_.peintre_.isActive() || !canevas_.image_ || canevas_.image_->isNull()) return;
    proprietaire_ = canevas_.peintre_.begin(canevas_.image_);
    if (!proprietaire_) return;
    canevas_.peintre_.setRenderHint(QPainter::Antialiasing, false);
    canevas_.peintre_.setCompositionMode(Composition(TmodeStylo::pmCopy));
    canevas_.modeApplique_ = TmodeStylo::pmCopy;
}

TCanevasQPainter::Session::~Session() {
    if (proprietaire_) canevas_.peintre_.end();
}

QPainter& TCanevasQPainter::Peintre(TmodeStylo mode) {
    if (mode != modeApplique_) {
        peintre_.setCompositionMode(Composition(mode));
        modeApplique_ = mode;
    }
    return peintre_;
}

// Clipped to the image first, so that far-away coordinates never reach Qt's fixed-point maths.
void TCanevasQPainter::RemplitRect(std::int64_t gauche, std::int64_t haut, std::int64_t droite,
                                   std::int64_t bas, TCouleur couleur, TmodeStylo mode) {
    gauche = std::max<std::int64_t>(gauche, 0);
    haut = std::max<std::int64_t>(haut, 0);
    droite = std::min<std::int64_t>(droite, image_->width());
    bas = std::min<std::int64_t>(bas, image_->height());
    if (droite <= gauche || bas <= haut) return;
    const QRect r(static_cast<int>(gauche), static_cast<int>(haut), static_cast<int>(droite - gauche),
                  static_cast<int>(bas - haut));
    Peintre(mode).fillRect(r, EnQColor(couleur));
}

void TCanevasQPainter::LineTo(int x, int y) {
    const QPoint depart(position_.x, position_.y);
    const QPoint arrivee(x, y);
    position_ = TPoint{x, y};
    if (depart == arrivee) return;
    Session session(*this);
    if (!session.Active()) return;
    if (depart.x() == x || depart.y() == y)
        LigneDroite(depart, arrivee);
    else if (Pen.Width <= 1)
        LigneFine(depart, arrivee);
    else
        LigneEpaisse(depart, arrivee);
}

// Horizontal or vertical, any width: one exact rectangle.
void TCanevasQPainter::LigneDroite(QPoint depart, QPoint arrivee) {
    const std::int64_t lo = AvantTrait(Pen.Width), hi = ApresTrait(Pen.Width);
    const auto etendue = [](std::int64_t de, std::int64_t a) {  // de..a without a, in order
        return a > de ? std::pair{de, a - 1} : std::pair{a + 1, de};
    };
    if (depart.y() == arrivee.y()) {
        const auto [x0, x1] = etendue(depart.x(), arrivee.x());
        RemplitRect(x0 - lo, depart.y() - lo, x1 + hi + 1, depart.y() + hi + 1, Pen.Color, Pen.Mode);
    } else {
        const auto [y0, y1] = etendue(depart.y(), arrivee.y());
        RemplitRect(depart.x() - lo, y0 - lo, depart.x() + hi + 1, y1 + hi + 1, Pen.Color, Pen.Mode);
    }
}

// Qt's own thin line leaves out the right or bottom end whichever way it is drawn, so a
// slanted line is traced here from its start (Bresenham, end point excluded) and drawn as
// runs of pixels, one per step along the minor axis.
void TCanevasQPainter::LigneFine(QPoint depart, QPoint arrivee) {
    if (std::abs(std::int64_t{arrivee.x()} - depart.x()) > kEtendueMax ||
        std::abs(std::int64_t{arrivee.y()} - depart.y()) > kEtendueMax) {
        if (!Rogne(depart, arrivee, image_->rect().adjusted(-1, -1, 1, 1))) return;
    }
    const int dx = arrivee.x() - depart.x(), dy = arrivee.y() - depart.y();
    const bool horizontale = std::abs(dx) >= std::abs(dy);
    // Major axis u, minor axis v; a run is a stretch of constant v.
    const int du = std::abs(horizontale ? dx : dy), dv = std::abs(horizontale ? dy : dx);
    const int su = (horizontale ? dx : dy) < 0 ? -1 : 1, sv = (horizontale ? dy : dx) < 0 ? -1 : 1;
    const int u0 = horizontale ? depart.x() : depart.y();
    int v = horizontale ? depart.y() : depart.x();
    const auto trace = [&](int de, int a) {
        const int bas = std::min(de, a), haut = std::max(de, a) + 1;
        if (horizontale)
            RemplitRect(bas, v, haut, v + 1, Pen.Color, Pen.Mode);
        else
            RemplitRect(v, bas, v + 1, haut, Pen.Color, Pen.Mode);
    };
    int erreur = 2 * dv - du;
    int debutRun = u0;
    for (int i = 0; i < du; ++i) {
        const int u = u0 + su * i;
        if (erreur > 0) {
            trace(debutRun, u);
            v += sv;
            erreur -= 2 * du;
            debutRun = u + su;
        }
        erreur += 2 * dv;
    }
    const int dernier = u0 + su * (du - 1);
    if ((dernier - debutRun) * su >= 0) trace(debutRun, dernier);
}

// Slanted wide lines are left to Qt, one primitive, so XOR still undoes them.
void TCanevasQPainter::LigneEpaisse(QPoint depart, QPoint arrivee) {
    if (!Rogne(depart, arrivee, image_->rect().adjusted(-Pen.Width, -Pen.Width, Pen.Width, Pen.Width)))
        return;
    QPainter& peintre = Peintre(Pen.Mode);
    peintre.setPen(QPen(EnQColor(Pen.Color), Pen.Width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    peintre.drawLine(QLine(depart, arrivee));
}

void TCanevasQPainter::FillRect(const TRect& r) {
    Session session(*this);
    if (!session.Active()) return;
    RemplitRect(r.Left, r.Top, r.Right, r.Bottom, Brush.Color, TmodeStylo::pmCopy);
}

// The border is the band of pen width centred on the outline of the pixels Left..Right-1,
// Top..Bottom-1; the inside is what the band leaves. Drawn as disjoint pieces, the inside
// first, so that no pixel is combined twice in the XOR modes.
void TCanevasQPainter::Rectangle(const TRect& r) {
    if (r.Right <= r.Left || r.Bottom <= r.Top) return;
    Session session(*this);
    if (!session.Active()) return;
    const std::int64_t lo = AvantTrait(Pen.Width), hi = ApresTrait(Pen.Width);
    const std::int64_t gauche = r.Left - lo, droite = r.Right + hi;  // outer band, Right excluded
    const std::int64_t haut = r.Top - lo, bas = r.Bottom + hi;
    const std::int64_t gaucheDedans = r.Left + hi + 1, droiteDedans = r.Right - 1 - lo;
    const std::int64_t hautDedans = r.Top + hi + 1, basDedans = r.Bottom - 1 - lo;
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
