#include "SessionWeb.h"

#include <algorithm>
#include <cstring>

#include "graph/CanevasPixels.h"
#include "graph/DessinVues.h"
#include "sound/EcrivainWav.h"
#include "sound/LecteurWav.h"
#include "sound/Numerisation.h"
#include "sound/SignalErreur.h"

namespace {

// The desktop's hint colour (Qt's ToolTipBase, #FFFFDC) fills the play selection.
constexpr TCouleur kFondSelection = 0xDCFFFF;

float Flottant(const TvecteurSon& v, std::int64_t i, int voie) {
    switch (v.formatWave) {
        case TformatWave::f8:
            return (v.son8(i) - 128) / 128.0f;
        case TformatWave::f8stereo:
            return (v.son8s(i, voie) - 128) / 128.0f;
        case TformatWave::f16:
            return v.son16(i) / 32768.0f;
        case TformatWave::f16stereo:
            return v.son16s(i, voie) / 32768.0f;
        case TformatWave::f24:
        case TformatWave::f24stereo:
            break;
    }
    return 0;
}

}  // namespace

Tresultat<bool> TsessionWeb::OuvreWav(const std::string& nom) {
    auto lu = LitFichierWav(nom, son_);
    if (lu) NouveauSon();
    return lu;
}

Tresultat<bool> TsessionWeb::OuvrePcm(const std::int16_t* echantillons, int voies, std::int64_t trames,
                                      std::uint32_t frequence) {
    if (voies != 1 && voies != 2) return Echec("Le son doit avoir une ou deux voies.");
    if (trames <= 0 || frequence == 0) return Echec("Le son est vide.");
    const TformatWave format = voies == 2 ? TformatWave::f16stereo : TformatWave::f16;
    const std::int32_t gardees = static_cast<std::int32_t>(std::min<std::int64_t>(trames, TramesMax(format)));
    son_.FixeFormat(format);
    std::memcpy(son_.vecteurSon->zone, echantillons,
                static_cast<std::size_t>(gardees) * OctetsParTrame(format));
    son_.NbrePoints = gardees;
    son_.FreqEch = frequence;
    son_.NBits = 16;
    son_.Nvoies = static_cast<std::uint8_t>(voies);
    son_.FractionLue = static_cast<double>(gardees) / static_cast<double>(trames);
    NouveauSon();
    return gardees < trames;
}

// As the window after a load: shown from its start, cursors on the first frame, all selected.
void TsessionWeb::NouveauSon() {
    aUnSon_ = true;
    debut_ = 0;
    repere_ = 0;
    repereTemps_ = 0;
    debutS_ = 0;
    finS_ = son_.NbrePoints - 1;
    Regle(bits_, pas_);
}

void TsessionWeb::Regle(int bits, int pas) {
    bits_ = std::clamp(bits, 1, 8);
    pas_ = std::clamp(pas, 1, 8);
    if (!aUnSon_) return;
    NumeriseSon(*son_.vecteurSon, *son_.vecteurSonSousEch, son_.NbrePoints,
                QuantumNumerisation(son_.NBits, bits_), pas_);
}

void TsessionWeb::FixeDebut(std::int32_t trame) {
    debut_ = std::clamp(trame, 0, std::max(son_.NbrePoints - 1, 0));
    ComposeApercu();
}

TmodeleVue TsessionWeb::Modele(int largeur, int hauteur, double echelle) const {
    TmodeleVue m = ModeleOuverture(son_, bits_, pas_, largeur, hauteur, TcouleursVues{});
    m.echelle = echelle;
    m.debut = debut_;
    m.debutS = debutS_;
    m.finS = finS_;
    m.repere = repere_;
    m.repereTemps = repereTemps_;
    m.avecTemps = avecTemps_;
    m.avecErreur = avecErreur_;
    m.separateurDecimal = Selon(langue_, ",", ".");
    return m;
}

TmodeleVue TsessionWeb::ModeleDetail() const {
    return Modele(detail_.largeur, detail_.hauteur, echelleDetail_);
}

void TsessionWeb::DessineDetail(int largeur, int hauteur, double echelle) {
    echelleDetail_ = echelle;
    if (detail_.largeur != largeur || detail_.hauteur != hauteur)
        detail_ = TimagePixels(largeur, hauteur, clBlanc);
    if (!aUnSon_) {
        detail_.Remplit(clBlanc);
        lectures_ = {};
        return;
    }
    TCanevasPixels canevas(&detail_);
    lectures_ = ::DessineDetail(ModeleDetail(), {son_.vecteurSon.get(), son_.vecteurSonSousEch.get()},
                                canevas, largeur, hauteur);
}

void TsessionWeb::DessineApercu(int largeur, int hauteur, double echelle) {
    echelleApercu_ = echelle;
    courbeApercu_ = TimagePixels(largeur, hauteur, clBlanc);
    if (aUnSon_) {
        TCanevasPixels canevas(&courbeApercu_);
        ::DessineApercu(ModeleDetail(), {son_.vecteurSon.get(), son_.vecteurSonSousEch.get()}, canevas,
                        largeur, hauteur);
        const TbandesApercu bandes = BandesApercu(ModeleDetail(), largeur);
        bande_ = {bandes.debutPB, bandes.finPB, 0};
    }
    ComposeApercu();
}

// The curve, then the play selection and the part shown by the detail view over it.
void TsessionWeb::ComposeApercu() {
    apercu_ = courbeApercu_;
    if (!aUnSon_) return;
    TCanevasPixels canevas(&apercu_);
    const TbandesApercu bandes = BandesApercu(ModeleDetail(), apercu_.largeur);
    DessineBandeSelection(canevas, bande_.debutPB, bande_.finPB, apercu_.hauteur, kFondSelection,
                          echelleApercu_);
    DessineBandeFenetre(canevas, bandes.debutSelect, bandes.finSelect, apercu_.hauteur, echelleApercu_);
}

void TsessionWeb::Clique(int x, bool maj) {
    if (!aUnSon_) return;
    const std::int32_t trame = TrameDeColonne(AxeDetail(ModeleDetail()), x);
    (maj ? repereTemps_ : repere_) = trame;
    DessineDetail(detail_.largeur, detail_.hauteur, echelleDetail_);
}

TcurseurTemps TsessionWeb::Prise(int x) const {
    return aUnSon_ ? ChercheCurseurTemps(bande_.debutPB, bande_.finPB, x) : TcurseurTemps::curNormal;
}

TcurseurTemps TsessionWeb::Presse(int x) {
    prise_ = Prise(x);
    bande_.Xdeplace = x;
    return prise_;
}

bool TsessionWeb::Glisse(int x) {
    if (prise_ == TcurseurTemps::curNormal) return false;
    const TbandesApercu bandes = BandesApercu(ModeleDetail(), apercu_.largeur);
    const auto pas = GlisseSelection(prise_, bande_, x, bandes.gauche, bandes.droite);
    if (!pas) return false;
    bande_ = *pas;
    ComposeApercu();
    return true;
}

// The selection's frames are taken back from the band's columns, as the desktop does on release;
// beyond either end of the strip it stops at the first or last frame.
void TsessionWeb::Lache(int x) {
    if (!aUnSon_) return;
    const TaxeTemps axe = AxeApercu(ModeleDetail(), apercu_.largeur);
    switch (prise_) {
        case TcurseurTemps::curDebut:
            if (x < bande_.finPB) bande_.debutPB = x;
            debutS_ = TrameDeColonne(axe, bande_.debutPB);
            break;
        case TcurseurTemps::curFin:
            if (x > bande_.debutPB) bande_.finPB = x;
            finS_ = TrameDeColonne(axe, bande_.finPB);
            break;
        case TcurseurTemps::curDeplace:
            finS_ = TrameDeColonne(axe, bande_.finPB);
            debutS_ = TrameDeColonne(axe, bande_.debutPB);
            break;
        case TcurseurTemps::curNormal:
            break;
    }
    if (debutS_ < 0) {
        debutS_ = 0;
        bande_.debutPB = ColonneDeTrame(axe, 0);
    }
    if (finS_ > son_.NbrePoints - 1) {
        finS_ = son_.NbrePoints - 1;
        bande_.finPB = ColonneDeTrame(axe, son_.NbrePoints - 1);
    }
    prise_ = TcurseurTemps::curNormal;
    ComposeApercu();
}

void TsessionWeb::EffaceAnimation() {
    if (!aUnSon_) return;
    TCanevasPixels canevas(&detail_);
    ::EffaceAnimation(ModeleDetail(), {son_.vecteurSon.get(), son_.vecteurSonSousEch.get()}, canevas,
                      detail_.largeur, detail_.hauteur);
}

void TsessionWeb::PasAnimation(std::int32_t n) {
    if (!aUnSon_) return;
    TCanevasPixels canevas(&detail_);
    DessinePasAnimation(ModeleDetail(), {son_.vecteurSon.get(), son_.vecteurSonSousEch.get()}, canevas,
                        detail_.largeur, detail_.hauteur, n);
}

const std::vector<float>& TsessionWeb::Echantillons(TsourceLecture source) {
    lecture_.clear();
    if (!aUnSon_ || finS_ < debutS_) return lecture_;
    const TvecteurSon* v = son_.vecteurSonSousEch.get();
    if (source == TsourceLecture::sSon) v = son_.vecteurSon.get();
    if (source == TsourceLecture::sErreur) {
        if (!erreur_) erreur_ = AlloueVecteurSon();
        erreur_->formatWave = son_.Format();
        CalculeSignalErreur(*son_.vecteurSon, *son_.vecteurSonSousEch, son_.NbrePoints, *erreur_);
        v = erreur_.get();
    }
    const int voies = EstStereo(son_.Format()) ? 2 : 1;
    const std::int64_t n = static_cast<std::int64_t>(finS_) - debutS_ + 1;
    lecture_.resize(static_cast<std::size_t>(n * voies));
    for (int voie = 0; voie < voies; ++voie)
        for (std::int64_t i = 0; i < n; ++i)
            lecture_[static_cast<std::size_t>(voie * n + i)] = Flottant(*v, debutS_ + i, voie);
    return lecture_;
}

Tresultat<> TsessionWeb::EcritNumerise(const std::string& nom) const {
    if (!aUnSon_) return Echec("Aucun son ouvert.");
    return EcritWavNeuf(nom, *son_.vecteurSonSousEch, son_.NbrePoints, son_.FreqEch);
}
