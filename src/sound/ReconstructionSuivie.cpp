#include "sound/ReconstructionSuivie.h"

#include <algorithm>

TvecteurSon& TreconstructionSuivie::Plage(const TvecteurSon& sousEch, std::int32_t nbrePoints, int pas,
                                          std::int32_t debut, std::int32_t fin) {
    if (!vecteur_) vecteur_ = AlloueVecteurSon();
    debut = std::max(debut, 0);
    fin = std::min(fin, nbrePoints - 1);
    if (debut > fin) return *vecteur_;
    const auto calcule = [&](std::int32_t d, std::int32_t f) {
        if (d <= f) reconstruction_.Calcule(sousEch, nbrePoints, pas, d, f, *vecteur_);
    };
    if (!calcule_ || fin < debut_ - 1 || debut > fin_ + 1) {
        calcule(debut, fin);
        debut_ = debut;
        fin_ = fin;
        calcule_ = true;
    } else {
        calcule(debut, debut_ - 1);
        calcule(fin_ + 1, fin);
        debut_ = std::min(debut_, debut);
        fin_ = std::max(fin_, fin);
    }
    return *vecteur_;
}
