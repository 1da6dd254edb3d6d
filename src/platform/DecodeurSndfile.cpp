#include "platform/DecodeurSndfile.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

#include <sndfile.h>

namespace {

// libsndfile calls these from its C code: TfichierSource's reads never throw.
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

// Integer samples come back exact in a double (libsndfile divides them by a power of two), so
// a 24- or 32-bit sample rounds as its integer value would. Lossy codecs and floating-point
// files may pass full scale, which is clamped; a NaN in a floating-point file is silence.
std::int16_t En16Bits(double x) {
    if (std::isnan(x)) return 0;
    return static_cast<std::int16_t>(std::lrint(std::clamp(x * 32768.0, -32768.0, 32767.0)));
}

constexpr TtexteSource kIllisible =
    Traduisible("DecodeurSndfile",
                "Ce n'est pas un fichier son que Sampix sait lire (WAV, MP3, FLAC, Ogg Vorbis, Opus, AIFF).");

}  // namespace

void TdecodeurSndfile::TfermeSndfile::operator()(sf_private_tag* sf) const {
    sf_close(sf);
}

TdecodeurOuvert TdecodeurSndfile::Ouvre(const std::string& nom) {
    std::unique_ptr<TdecodeurSndfile> d(new TdecodeurSndfile);
    if (auto demarre = d->Demarre(nom); !demarre) return Echec(demarre.Message());
    return std::unique_ptr<TdecodeurSon>(std::move(d));
}

Tresultat<> TdecodeurSndfile::Demarre(const std::string& nom) {
    if (auto ouvert = source_.Ouvre(nom); !ouvert) return ouvert;
    SF_VIRTUAL_IO io{Longueur, Cherche, Lit, Ecrit, Position};
    SF_INFO info{};
    sf_.reset(sf_open_virtual(&io, SFM_READ, &info, &source_));
    if (!sf_) {
        if (auto lu = source_.EtatLecture(); !lu) return lu;
        return Echec(kIllisible);
    }
    if ((info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_MPEG)
        return Echec(
            Traduisible("DecodeurSndfile",
                        "Ce fichier contient un son MPEG : donnez-lui l'extension .mp3 pour le convertir."));
    if (info.channels < 1 || info.samplerate <= 0) return Echec(kIllisible);
    voiesSource_ = info.channels;
    canaux_ = std::min(info.channels, 2);
    frequence_ = static_cast<std::uint32_t>(info.samplerate);
    tramesAnnoncees_ = info.frames;
    tramesParBloc_ = std::max<std::size_t>(1, kEchantillons / static_cast<std::size_t>(voiesSource_));
    lus_.resize(tramesParBloc_ * static_cast<std::size_t>(voiesSource_));
    echantillons_.resize(tramesParBloc_ * static_cast<std::size_t>(canaux_));
    return {};
}

Tresultat<std::span<const std::int16_t>> TdecodeurSndfile::LitBloc() {
    const sf_count_t trames =
        sf_readf_double(sf_.get(), lus_.data(), static_cast<sf_count_t>(tramesParBloc_));
    if (trames > 0) {
        tramesLues_ += trames;
        const auto n = static_cast<std::size_t>(trames);
        const auto voies = static_cast<std::size_t>(voiesSource_);
        const auto canaux = static_cast<std::size_t>(canaux_);
        for (std::size_t t = 0; t < n; ++t)
            for (std::size_t v = 0; v < canaux; ++v)
                echantillons_[t * canaux + v] = En16Bits(lus_[t * voies + v]);
        return std::span<const std::int16_t>(echantillons_.data(), n * canaux);
    }
    if (auto lu = source_.EtatLecture(); !lu) return Echec(lu.Message());
    // A decoder that loses its way before the end of the file meets damage; at the end, a cut.
    if (sf_error(sf_.get()) != SF_ERR_NO_ERROR && source_.Position() < source_.Taille())
        return EchecDecodage();
    // The length announced by FLAC, Ogg and AIFF headers is exact; an Ogg stream whose last
    // page is missing announces none.
    finEndommagee_ = sf_error(sf_.get()) != SF_ERR_NO_ERROR || tramesAnnoncees_ == SF_COUNT_MAX ||
                     tramesLues_ < tramesAnnoncees_;
    return std::span<const std::int16_t>();
}
