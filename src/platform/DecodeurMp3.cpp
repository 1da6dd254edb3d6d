#include "platform/DecodeurMp3.h"

#include <sys/types.h>

#include <cstring>
#include <memory>
#include <utility>

#include <mpg123.h>

namespace {

constexpr TtexteSource kPasMp3 = Traduisible("DecodeurMp3", "Ce n'est pas un fichier son MP3.");

bool InitialiseMpg123() {
    static const bool ok = mpg123_init() == MPG123_OK;
    return ok;
}

// Called from libmpg123's C code: TfichierSource's reads never throw.
mpg123_ssize_t Lit(void* source, void* p, size_t n) {
    return static_cast<TfichierSource*>(source)->Lit(p, n);
}

off_t Cherche(void* source, off_t decalage, int origine) {
    return static_cast<TfichierSource*>(source)->Cherche(decalage, origine);
}

TdisponibiliteMp3& Disponibilite() {
    static TdisponibiliteMp3 disponibilite;
    return disponibilite;
}

std::string Description(long frequence, int canaux) {
    return Traduit(
        canaux == 1 ? Traduisible("DecodeurMp3", "%1 Hz mono") : Traduisible("DecodeurMp3", "%1 Hz stéréo"),
        {std::to_string(frequence)});
}

// After the last whole frame only tags may follow: an APE tag, then an ID3v1 tag ("TAG",
// 128 bytes). A frame header there starts a frame that the file no longer holds whole.
bool FinCoupee(const TfichierSource& f, std::int64_t finTrames) {
    std::int64_t bout = f.Taille();
    char tag[3];
    if (bout - finTrames >= 128 && f.LitA(bout - 128, tag, 3) && std::memcmp(tag, "TAG", 3) == 0) bout -= 128;
    unsigned char pied[32];
    // APE footer: "APETAGEX", version, size of items and footer, item count, flags (bit 31:
    // a 32-byte header comes first), all 32-bit little-endian.
    if (bout - finTrames >= 32 && f.LitA(bout - 32, pied, 32) && std::memcmp(pied, "APETAGEX", 8) == 0) {
        auto mot = [&](int i) {
            return std::uint32_t(pied[i]) | std::uint32_t(pied[i + 1]) << 8 |
                   std::uint32_t(pied[i + 2]) << 16 | std::uint32_t(pied[i + 3]) << 24;
        };
        const std::int64_t taille = std::int64_t(mot(12)) + ((mot(20) & 0x80000000u) ? 32 : 0);
        if (taille <= bout - finTrames) bout -= taille;
    }
    unsigned char entete[2] = {0, 0};
    if (bout - finTrames <= 0 || !f.LitA(finTrames, entete, bout - finTrames >= 2 ? 2 : 1)) return false;
    return entete[0] == 0xFF && (bout - finTrames == 1 || (entete[1] & 0xE0) == 0xE0);
}

}  // namespace

bool DecodeurMp3Disponible() {
    if (Disponibilite()) return Disponibilite()();
    const char** decodeurs = mpg123_supported_decoders();
    return InitialiseMpg123() && decodeurs && decodeurs[0];
}

TdisponibiliteMp3 RemplaceDisponibiliteMp3(TdisponibiliteMp3 disponibilite) {
    return std::exchange(Disponibilite(), std::move(disponibilite));
}

void TdecodeurMp3::TfermeMpg123::operator()(mpg123_handle_struct* mh) const {
    mpg123_close(mh);
    mpg123_delete(mh);
}

TdecodeurOuvert TdecodeurMp3::Ouvre(const std::string& nom) {
    std::unique_ptr<TdecodeurMp3> d(new TdecodeurMp3);
    if (auto demarre = d->Demarre(nom); !demarre) return Echec(demarre.Message());
    return std::unique_ptr<TdecodeurSon>(std::move(d));
}

Tresultat<> TdecodeurMp3::Demarre(const std::string& nom) {
    if (auto ouvert = source_.Ouvre(nom); !ouvert) return ouvert;
    int erreur = MPG123_OK;
    if (InitialiseMpg123()) mh_.reset(mpg123_new(nullptr, &erreur));
    if (!mh_)
        return Echec(Traduisible("DecodeurMp3", "Le décodeur MP3 ne démarre pas : %1"),
                     mpg123_plain_strerror(erreur));
    // Nothing on stderr; 16-bit samples at the stream's own rate and channel count, never
    // resampled or remixed, so that a change in mid-stream comes as a new format.
    mpg123_param(mh_.get(), MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    mpg123_format_none(mh_.get());
    const long* frequences = nullptr;
    size_t nombre = 0;
    mpg123_rates(&frequences, &nombre);
    for (size_t i = 0; i < nombre; ++i)
        mpg123_format(mh_.get(), frequences[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    mpg123_replace_reader_handle(mh_.get(), Lit, Cherche, nullptr);
    if (mpg123_open_handle(mh_.get(), &source_) != MPG123_OK) return Echec(kPasMp3);
    long frequence = 0;
    int canaux = 0;
    int codage = 0;
    if (mpg123_getformat(mh_.get(), &frequence, &canaux, &codage) != MPG123_OK) {
        if (auto lu = source_.EtatLecture(); !lu) return lu;
        return Echec(kPasMp3);
    }
    if (auto couche = VerifieCouche(); !couche) return couche;
    canaux_ = canaux;
    frequence_ = static_cast<std::uint32_t>(frequence);
    return {};
}

Tresultat<> TdecodeurMp3::VerifieFormat() {
    long frequence = 0;
    int canaux = 0;
    int codage = 0;
    mpg123_getformat(mh_.get(), &frequence, &canaux, &codage);
    if (frequence != static_cast<long>(frequence_) || canaux != canaux_)
        return Echec(Traduisible("DecodeurMp3",
                                 "Le format du son change en cours de fichier (%1, puis %2) : un seul "
                                 "son est converti, d'un bout à l'autre du même format."),
                     Description(frequence_, canaux_), Description(frequence, canaux));
    return {};
}

Tresultat<> TdecodeurMp3::VerifieCouche() {
    mpg123_frameinfo2 info{};
    if (mpg123_info2(mh_.get(), &info) != MPG123_OK || info.layer != 3)
        return Echec(Traduisible("DecodeurMp3", "Ce n'est pas un son MPEG Layer III."));
    return {};
}

Tresultat<std::span<const std::int16_t>> TdecodeurMp3::LitBloc() {
    for (;;) {
        off_t trame = 0;
        unsigned char* audio = nullptr;
        size_t octets = 0;
        const int r = mpg123_decode_frame(mh_.get(), &trame, &audio, &octets);
        if (r == MPG123_NEW_FORMAT) {
            if (auto format = VerifieFormat(); !format) return Echec(format.Message());
        } else if (r == MPG123_DONE) {
            if (auto lu = source_.EtatLecture(); !lu) return Echec(lu.Message());
            mpg123_frameinfo2 info{};
            mpg123_info2(mh_.get(), &info);
            finEndommagee_ = FinCoupee(source_, mpg123_framepos(mh_.get()) + info.framesize);
            return std::span<const std::int16_t>();
        } else if (r != MPG123_OK) {
            if (auto lu = source_.EtatLecture(); !lu) return Echec(lu.Message());
            return EchecDecodage();
        } else if (auto couche = VerifieCouche(); !couche) {
            return Echec(couche.Message());
        }
        // mpg123 hands out its own buffer of 16-bit samples, whole frames of them.
        if (octets > 0)
            return std::span<const std::int16_t>(reinterpret_cast<const std::int16_t*>(audio), octets / 2);
    }
}
