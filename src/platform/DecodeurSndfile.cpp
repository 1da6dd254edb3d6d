#include "platform/DecodeurSndfile.h"

#include <algorithm>
#include <cmath>

#include <sndfile.h>

namespace {

sf_count_t Longueur(void* source) {
    return static_cast<TfichierSource*>(source)->Taille();
}

sf_count_t Cherche(sf_count_t decalage, int origine, void* source) {
    return static_cast<TfichierSource*>(source)->Cherche(decalage, origine);
}

sf_count_t Lit(void* p, sf_count_t n, void* source) {
    return static_cast<TfichierSource*>(source)->Lit(p, static_cast<std::size_t>(n));
}

sf_count_t Ecrit(const void*, sf_count_t, void*) {
    return 0;
}

sf_count_t Position(void* source) {
    return static_cast<TfichierSource*>(source)->Position();
}

}  // namespace

void TdecodeurSndfile::TfermeSndfile::operator()(sf_private_tag* sf) const {
    sf_close(sf);
}

TdecodeurSndfile::TdecodeurSndfile(const std::string& nom) : TdecodeurSon(nom) {
    SF_VIRTUAL_IO io{Longueur, Cherche, Lit, Ecrit, Position};
    SF_INFO info{};
    sf_.reset(sf_open_virtual(&io, SFM_READ, &info, &source_));
    if (!sf_) {
        source_.SignaleErreurLecture();
        throw EDecodeurSon(
            "Ce n'est pas un fichier son que Sampix sait lire (WAV, MP3, FLAC, Ogg Vorbis, Opus, AIFF).");
    }
    if ((info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_MPEG)
        throw EDecodeurSon(
            "Ce fichier contient un son MPEG : donnez-lui l'extension .mp3 pour le convertir.");
    if (info.channels < 1 || info.channels > 2 || info.samplerate <= 0)
        throw EDecodeurSon("Le son a " + std::to_string(info.channels) +
                           " voies : Sampix ne lit que les sons mono ou stéréo.");
    canaux_ = info.channels;
    frequence_ = static_cast<std::uint32_t>(info.samplerate);
    tramesAnnoncees_ = info.frames;
}

std::span<const std::int16_t> TdecodeurSndfile::LitBloc() {
    const sf_count_t trames = sf_readf_float(sf_.get(), flottants_.data(), kTrames);
    if (trames > 0) {
        tramesLues_ += trames;
        const std::size_t n = static_cast<std::size_t>(trames) * canaux_;
        // Integer samples come back exact (libsndfile divides them by a power of two);
        // lossy codecs may overshoot full scale, which is clamped.
        std::transform(flottants_.begin(), flottants_.begin() + n, echantillons_.begin(), [](float x) {
            return static_cast<std::int16_t>(std::lrint(std::clamp(x * 32768.0f, -32768.0f, 32767.0f)));
        });
        return {echantillons_.data(), n};
    }
    source_.SignaleErreurLecture();
    // A decoder that loses its way before the end of the file meets damage; at the end, a cut.
    if (sf_error(sf_.get()) != SF_ERR_NO_ERROR && source_.Position() < source_.Taille())
        throw EDecodeurSon("Le fichier est endommagé : erreur de décodage à " +
                           std::to_string(Pourcentage()) + " %.");
    // The length announced by FLAC, Ogg and AIFF headers is exact; an Ogg stream whose last
    // page is missing announces none.
    finEndommagee_ = sf_error(sf_.get()) != SF_ERR_NO_ERROR || tramesAnnoncees_ == SF_COUNT_MAX ||
                     tramesLues_ < tramesAnnoncees_;
    return {};
}
