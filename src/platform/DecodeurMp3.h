// The MP3 decoder, over libsndfile (which decodes MPEG audio through libmpg123).
// It gives interleaved 16-bit samples, exactly those that `mpg123 -w` writes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

struct sf_private_tag;

// A block of 10000 bytes of 16-bit samples: a whole number of frames for one or two channels.
inline constexpr std::size_t kEchantillonsParBloc = 5000;
using TblocMp3 = std::array<std::int16_t, kEchantillonsParBloc>;

// True when the libsndfile in use lists MPEG among its formats (built with libmpg123).
bool DecodeurMp3Disponible();

// Why a file cannot be decoded; the message is plain French, ready to show to the user.
class EDecodeurMp3 : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TdecodeurMp3 {
public:
    // Opens an MPEG Layer III file; anything else (other formats, MPEG Layer I or II, which
    // some binaries pass for) throws EDecodeurMp3.
    explicit TdecodeurMp3(const std::string& nom);
    ~TdecodeurMp3();
    TdecodeurMp3(const TdecodeurMp3&) = delete;
    TdecodeurMp3& operator=(const TdecodeurMp3&) = delete;

    int Canaux() const { return canaux_; }
    std::uint32_t Frequence() const { return frequence_; }

    // Fills the block with whole frames and returns the number of samples; 0 at the end.
    // Throws EDecodeurMp3 when the decoder reports an error (a damaged stream).
    std::size_t LitBloc(TblocMp3& bloc);

    // Frames read over the length announced at opening, which is only an estimate for
    // many files: 0 to 100, never more.
    int Pourcentage() const;

private:
    sf_private_tag* sf_ = nullptr;
    int canaux_ = 0;
    std::uint32_t frequence_ = 0;
    std::int64_t tramesAnnoncees_ = 0;
    std::int64_t tramesLues_ = 0;
    std::array<float, kEchantillonsParBloc> flottants_{};
};
