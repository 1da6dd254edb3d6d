// The sound record: both sample vectors and what the loaded file said about them.
#pragma once

#include <cstdint>
#include <memory>

#include "sound/VecteurSon.h"

struct TenregistrementSon {
    std::unique_ptr<TvecteurSon> vecteurSon = AlloueVecteurSon();
    std::unique_ptr<TvecteurSon> vecteurSonSousEch = AlloueVecteurSon();
    std::int32_t NbrePoints = 0;
    std::uint32_t FreqEch = 0;
    std::uint8_t NBits = 0;
    std::uint8_t Nvoies = 0;
    double FractionLue = 1.0;

    // Sets the layout of both vectors together, as they must always agree.
    void FixeFormat(TformatWave f) {
        vecteurSon->formatWave = f;
        vecteurSonSousEch->formatWave = f;
    }
    TformatWave Format() const { return vecteurSon->formatWave; }
};
