// The decoders of libsndfile for the other sound files a teacher finds: FLAC, Ogg Vorbis,
// Opus, AIFF, and the WAV files that the program's own reader does not take (any width,
// floating point, mu-law, A-law, ADPCM, WAVE_FORMAT_EXTENSIBLE, chunks before "fmt "):
// whatever libsndfile reads but MPEG audio, whose reader stops at its own length estimate.
// Samples come out as 16-bit values rounded to nearest; a sound of more than two channels
// keeps its first two, left and right.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/DecodeurSon.h"

struct sf_private_tag;

class TdecodeurSndfile : public TdecodeurSon {
public:
    // Refuses a file that libsndfile does not read, and MPEG audio, with the reason.
    static TdecodeurOuvert Ouvre(const std::string& nom);

    Tresultat<std::span<const std::int16_t>> LitBloc() override;

private:
    struct TfermeSndfile {
        void operator()(sf_private_tag* sf) const;
    };

    TdecodeurSndfile() = default;
    Tresultat<> Demarre(const std::string& nom);
    // Samples read at a time, whatever the channel count.
    static constexpr std::size_t kEchantillons = 16384;

    std::unique_ptr<sf_private_tag, TfermeSndfile> sf_;
    int voiesSource_ = 0;
    std::size_t tramesParBloc_ = 0;
    std::int64_t tramesAnnoncees_ = 0;
    std::int64_t tramesLues_ = 0;
    std::vector<double> lus_;
    std::vector<std::int16_t> echantillons_;
};
