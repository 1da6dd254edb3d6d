#include "platform/DecodeurMp3.h"

#include <algorithm>
#include <cmath>

#include <sndfile.h>

bool DecodeurMp3Disponible() {
    int nombre = 0;
    sf_command(nullptr, SFC_GET_FORMAT_MAJOR_COUNT, &nombre, sizeof nombre);
    for (int i = 0; i < nombre; ++i) {
        SF_FORMAT_INFO format{};
        format.format = i;
        if (sf_command(nullptr, SFC_GET_FORMAT_MAJOR, &format, sizeof format) == 0 &&
            (format.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_MPEG)
            return true;
    }
    return false;
}

TdecodeurMp3::TdecodeurMp3(const std::string& nom) {
    SF_INFO info{};
    sf_ = sf_open(nom.c_str(), SFM_READ, &info);
    // libsndfile's own text for a refused file is misleading ("does not exist"), so it is not shown.
    if (!sf_) throw EDecodeurMp3("Ce n'est pas un fichier son MP3.");
    const bool mpeg = (info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_MPEG;
    const bool coucheIII = (info.format & SF_FORMAT_SUBMASK) == SF_FORMAT_MPEG_LAYER_III;
    if (!mpeg || !coucheIII || info.channels < 1 || info.channels > 2 || info.samplerate <= 0) {
        sf_close(sf_);
        throw EDecodeurMp3(mpeg ? "Ce n'est pas un son MPEG Layer III." : "Ce n'est pas un fichier son MP3.");
    }
    canaux_ = info.channels;
    frequence_ = static_cast<std::uint32_t>(info.samplerate);
    tramesAnnoncees_ = info.frames;
}

TdecodeurMp3::~TdecodeurMp3() {
    sf_close(sf_);
}

std::size_t TdecodeurMp3::LitBloc(TblocMp3& bloc) {
    const sf_count_t trames = sf_readf_float(sf_, flottants_.data(), kEchantillonsParBloc / canaux_);
    if (sf_error(sf_) != SF_ERR_NO_ERROR)
        throw EDecodeurMp3("Le fichier est endommagé : erreur de décodage à " +
                           std::to_string(Pourcentage()) + " %.");
    if (trames <= 0) return 0;
    tramesLues_ += trames;
    const std::size_t n = static_cast<std::size_t>(trames) * canaux_;
    // Round to nearest, as mpg123 does when it writes 16-bit samples.
    std::transform(flottants_.begin(), flottants_.begin() + n, bloc.begin(), [](float x) {
        return static_cast<std::int16_t>(std::lrint(std::clamp(x * 32768.0f, -32768.0f, 32767.0f)));
    });
    return n;
}

int TdecodeurMp3::Pourcentage() const {
    if (tramesAnnoncees_ <= 0) return 0;
    return static_cast<int>(std::min<std::int64_t>(100, tramesLues_ * 100 / tramesAnnoncees_));
}
