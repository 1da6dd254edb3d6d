// The reconstructed sound that the window shows and plays, computed only where it is needed:
// the frames of the detail view at once, the whole sound when it is played or measured. A new
// digitisation makes it all stale. Frames computed over several ranges hold the same values as
// one computation of the whole sound.
#pragma once

#include <cstdint>
#include <memory>

#include "sound/Reconstruction.h"
#include "sound/VecteurSon.h"

class TreconstructionSuivie {
public:
    // The digitised sound changed (or the sound): nothing computed is good any more.
    void Perime() { calcule_ = false; }

    // Frames debut..fin (cut to the sound) of the reconstruction of `sousEch`, computed unless
    // they already are. The vector is allocated at the first call.
    TvecteurSon& Plage(const TvecteurSon& sousEch, std::int32_t nbrePoints, int pas, std::int32_t debut,
                       std::int32_t fin);
    TvecteurSon& Tout(const TvecteurSon& sousEch, std::int32_t nbrePoints, int pas) {
        return Plage(sousEch, nbrePoints, pas, 0, nbrePoints - 1);
    }
    // Whether every frame of a sound of nbrePoints frames is computed.
    bool Entiere(std::int32_t nbrePoints) const {
        return nbrePoints <= 0 || (calcule_ && debut_ == 0 && fin_ >= nbrePoints - 1);
    }

private:
    std::unique_ptr<TvecteurSon> vecteur_;
    Treconstruction reconstruction_;
    // One run of computed frames: a range that meets it extends it, one apart replaces it.
    bool calcule_ = false;
    std::int32_t debut_ = 0;
    std::int32_t fin_ = -1;
};
