// The decoders of libsndfile for the other sound files a teacher finds: FLAC, Ogg Vorbis,
// Opus, AIFF (and whatever else it reads but MPEG audio, whose reader stops at its own
// length estimate), into 16-bit samples rounded to nearest.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/DecodeurSon.h"

struct sf_private_tag;

class TdecodeurSndfile : public TdecodeurSon {
public:
    // Throws EDecodeurSon for a file that libsndfile does not read, MPEG audio, and sounds
    // of more than two channels.
    explicit TdecodeurSndfile(const std::string& nom);

    std::span<const std::int16_t> LitBloc() override;

private:
    struct TfermeSndfile {
        void operator()(sf_private_tag* sf) const;
    };
    static constexpr std::size_t kTrames = 8192;

    std::unique_ptr<sf_private_tag, TfermeSndfile> sf_;
    std::int64_t tramesAnnoncees_ = 0;
    std::int64_t tramesLues_ = 0;
    std::array<float, 2 * kTrames> flottants_{};
    std::array<std::int16_t, 2 * kTrames> echantillons_{};
};
