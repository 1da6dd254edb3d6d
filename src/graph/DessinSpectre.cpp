#include "graph/DessinSpectre.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include <QCoreApplication>
#include <QFontDatabase>

namespace {

constexpr double kFrequenceAudibleMin = 20;
constexpr int kMargeGauche = 62;
constexpr int kMargeDroite = 16;
constexpr int kMargeHaut = 28;
constexpr int kMargeBas = 42;
constexpr double kPasDb = 20;
const QColor kGrille(0xDD, 0xDD, 0xDD);
const QColor kTexte(0x30, 0x30, 0x30);
const QColor kNyquist(0x1D, 0x4F, 0x7C);

QColor EnQColor(TCouleur c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

QFont Police() {
    QFont police = QFontDatabase::families().contains(QStringLiteral("Carlito"))
                       ? QFont(QStringLiteral("Carlito"))
                       : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    police.setPixelSize(13);
    return police;
}

// Ticks of a linear axis: 1, 2 or 5 times a power of ten, about eight of them.
double PasLineaire(double etendue) {
    const double brut = etendue / 8;
    const double puissance = std::pow(10.0, std::floor(std::log10(brut)));
    for (const double m : {1.0, 2.0, 5.0})
        if (m * puissance >= brut) return m * puissance;
    return 10 * puissance;
}

std::vector<double> Graduations(const TaxeFrequence& axe, bool logarithmique) {
    std::vector<double> g;
    if (logarithmique) {
        for (double decade = 10; decade <= axe.Maximum(); decade *= 10)
            for (const double m : {1.0, 2.0, 5.0})
                if (m * decade >= axe.Minimum() && m * decade <= axe.Maximum()) g.push_back(m * decade);
        return g;
    }
    const double pas = PasLineaire(axe.Maximum());
    for (double f = 0; f <= axe.Maximum() + pas * 1e-9; f += pas) g.push_back(f);
    return g;
}

double Y(const QRect& courbes, double db) {
    const double t =
        (std::clamp(db, kSpectreDbMin, kSpectreDbMax) - kSpectreDbMax) / (kSpectreDbMin - kSpectreDbMax);
    return courbes.top() + t * courbes.height();
}

// One vertex per bin while bins are wider than a pixel column; beyond, each column gets its
// lowest and highest level only, so that a plot costs the same whatever the segment length.
void TraceCourbe(QPainter& p, const QRect& courbes, const TaxeFrequence& axe, const Tspectre& s, TCouleur c) {
    std::vector<QPointF> points;
    points.reserve(2 * static_cast<std::size_t>(courbes.width()) + 2);
    int colonne = std::numeric_limits<int>::min();
    double haut = 0, bas = 0;
    const auto ferme = [&] {
        if (colonne == std::numeric_limits<int>::min()) return;
        points.emplace_back(colonne, haut);
        if (bas != haut) points.emplace_back(colonne, bas);
    };
    for (std::size_t k = 0; k < s.niveaux.size(); ++k) {
        const double f = static_cast<double>(k) * s.pasFrequence;
        if (f < axe.Minimum()) continue;
        const double x = axe.X(f), y = Y(courbes, s.niveaux[k]);
        const int ici = static_cast<int>(std::floor(x));
        if (ici != colonne) {
            ferme();
            colonne = ici;
            haut = bas = y;
        } else {
            haut = std::min(haut, y);
            bas = std::max(bas, y);
        }
    }
    ferme();
    QPen stylo(EnQColor(c), 0);
    stylo.setCosmetic(true);
    p.setPen(stylo);
    p.drawPolyline(points.data(), static_cast<int>(points.size()));
}

void TraceLegende(QPainter& p, const QRect& courbes, const TvueSpectre& vue) {
    const QFontMetrics m(p.font());
    int x = courbes.left();
    const int y = courbes.top() - 10;
    for (const auto& [texte, couleur] :
         {std::pair{QCoreApplication::translate("DessinSpectre", "Analogique"), vue.couleurAnalogique},
          std::pair{QCoreApplication::translate("DessinSpectre", "Numérique"), vue.couleurNumerique}}) {
        p.setPen(QPen(EnQColor(couleur), 3));
        p.drawLine(x, y, x + 20, y);
        p.setPen(kTexte);
        p.drawText(x + 26, y + m.ascent() / 2 - 1, texte);
        x += 26 + m.horizontalAdvance(texte) + 24;
    }
}

void TraceNyquist(QPainter& p, const QRect& courbes, const TaxeFrequence& axe, const TvueSpectre& vue) {
    const double nyquist = vue.freqEch / (2.0 * std::max(vue.pas, 1));
    const double x = axe.X(nyquist);
    p.setPen(QPen(kNyquist, 1.5, Qt::DashLine));
    p.drawLine(QPointF(x, courbes.top()), QPointF(x, courbes.bottom()));
    const QString texte =
        QCoreApplication::translate("DessinSpectre", "Nyquist : %1 Hz").arg(TexteFrequence(nyquist));
    const QFontMetrics m(p.font());
    const int largeur = m.horizontalAdvance(texte);
    // Left of the line when the right side has no room for it.
    const double gauche = x + 6 + largeur <= courbes.right() ? x + 6 : x - 6 - largeur;
    p.setPen(kNyquist);
    p.drawText(QPointF(gauche, courbes.top() + m.ascent() + 4), texte);
}

}  // namespace

TaxeFrequence::TaxeFrequence(double frequenceMax, bool logarithmique, int gauche, int droite)
    : minimum_(logarithmique ? kFrequenceAudibleMin : 0),
      maximum_(std::max(frequenceMax, logarithmique ? 2 * kFrequenceAudibleMin : 1.0)),
      log_(logarithmique),
      gauche_(gauche),
      droite_(droite) {}

double TaxeFrequence::X(double frequence) const {
    const double t = log_ ? std::log(std::max(frequence, minimum_) / minimum_) / std::log(maximum_ / minimum_)
                          : frequence / maximum_;
    return gauche_ + t * (droite_ - gauche_);
}

QRect ZoneCourbesSpectre(const QRect& zone) {
    return zone.adjusted(kMargeGauche, kMargeHaut, -kMargeDroite, -kMargeBas);
}

QString TexteFrequence(double frequence) {
    QString texte = QString::number(frequence, 'f', 2);
    while (texte.endsWith('0')) texte.chop(1);
    if (texte.endsWith('.')) texte.chop(1);
    return texte.replace('.', QCoreApplication::translate("DessinSpectre", ",", "decimal separator"));
}

void DessineSpectre(QPainter& p, const QRect& zone, const TvueSpectre& vue) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setFont(Police());
    p.fillRect(zone, Qt::white);
    const QRect courbes = ZoneCourbesSpectre(zone);
    const TaxeFrequence axe(vue.freqEch / 2.0, vue.logarithmique, courbes.left(), courbes.right());
    const QFontMetrics m(p.font());

    for (double db = kSpectreDbMin; db <= kSpectreDbMax; db += kPasDb) {
        const double y = Y(courbes, db);
        p.setPen(kGrille);
        p.drawLine(QPointF(courbes.left(), y), QPointF(courbes.right(), y));
        p.setPen(kTexte);
        const QString texte = QString::number(db, 'f', 0);
        p.drawText(QPointF(courbes.left() - 6 - m.horizontalAdvance(texte), y + m.ascent() / 2.0 - 1), texte);
    }
    for (const double f : Graduations(axe, vue.logarithmique)) {
        const double x = axe.X(f);
        p.setPen(kGrille);
        p.drawLine(QPointF(x, courbes.top()), QPointF(x, courbes.bottom()));
        p.setPen(kTexte);
        const QString texte = QString::number(f, 'f', 0);
        p.drawText(QPointF(x - m.horizontalAdvance(texte) / 2.0, courbes.bottom() + 4 + m.ascent()), texte);
    }
    p.setPen(kTexte);
    const QString titreX = QCoreApplication::translate("DessinSpectre", "Fréquence (Hz)");
    p.drawText(QPointF(courbes.center().x() - m.horizontalAdvance(titreX) / 2.0, zone.bottom() - 4), titreX);
    p.save();
    p.translate(zone.left() + m.ascent() + 2, courbes.center().y());
    p.rotate(-90);
    const QString titreY = QCoreApplication::translate("DessinSpectre", "Niveau (dB)");
    p.drawText(QPointF(-m.horizontalAdvance(titreY) / 2.0, 0), titreY);
    p.restore();

    p.save();
    p.setClipRect(courbes);
    TraceCourbe(p, courbes, axe, vue.analogique, vue.couleurAnalogique);
    TraceCourbe(p, courbes, axe, vue.numerique, vue.couleurNumerique);
    p.restore();
    if (vue.freqEch > 0) TraceNyquist(p, courbes, axe, vue);
    p.setPen(kTexte);
    p.setBrush(Qt::NoBrush);
    p.drawRect(courbes);
    TraceLegende(p, courbes, vue);
    if (vue.freqEch == 0)
        p.drawText(courbes, Qt::AlignCenter, QCoreApplication::translate("DessinSpectre", "Aucun son"));
    else if (vue.numerique.niveaux.empty())
        p.drawText(courbes, Qt::AlignCenter,
                   QCoreApplication::translate("DessinSpectre", "Sélection trop courte pour un spectre"));
    p.restore();
}
