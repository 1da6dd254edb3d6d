#include "sound/EnveloppeWav.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "sound/Fichiers.h"

namespace {

// Frames looked at per column at most, in blocks of this many: a 60-minute sound over two
// thousand columns is then a few megabytes read, not its whole size.
constexpr std::int64_t kTramesParColonne = 2048;
constexpr std::int64_t kTramesParBloc = 512;

float Niveau(const std::uint8_t* trame, bool huitBits) {
    if (huitBits) return (trame[0] - 128) / 128.0f;
    std::int16_t v;
    std::memcpy(&v, trame, 2);
    return v / 32768.0f;
}

}  // namespace

Tresultat<std::vector<TcolonneEnveloppe>> EnveloppeWav(const std::string& nom, const TdescriptionWav& d,
                                                       int colonnes) {
    std::vector<TcolonneEnveloppe> enveloppe(std::max(colonnes, 0));
    if (enveloppe.empty() || d.tramesPresentes <= 0) return enveloppe;
    const auto f = Tfichier::OuvreLecture(nom);
    if (!f) return Echec(f.Message());
    const int octetsTrame = OctetsParTrame(d.format);
    const bool huitBits = EstHuitBits(d.format);
    std::vector<std::uint8_t> bloc(kTramesParBloc * octetsTrame);
    for (std::size_t c = 0; c < enveloppe.size(); ++c) {
        const std::int64_t debut = d.tramesPresentes * static_cast<std::int64_t>(c) / colonnes;
        // With more columns than frames, a column shows the frame it lies on.
        const std::int64_t fin =
            std::max(d.tramesPresentes * static_cast<std::int64_t>(c + 1) / colonnes, debut + 1);
        const std::int64_t trames = fin - debut;
        // The whole column when it is short, else evenly spaced blocks over it.
        const bool entiere = trames <= kTramesParColonne;
        const std::int64_t blocs =
            entiere ? (trames + kTramesParBloc - 1) / kTramesParBloc : kTramesParColonne / kTramesParBloc;
        TcolonneEnveloppe col{1.0f, -1.0f};
        for (std::int64_t b = 0; b < blocs; ++b) {
            const std::int64_t premiere = entiere ? debut + b * kTramesParBloc : debut + trames * b / blocs;
            const std::int64_t n = std::min(kTramesParBloc, fin - premiere);
            const std::int64_t lus = f.Valeur().LitA(d.debutDonnees + premiere * octetsTrame, bloc.data(),
                                                     static_cast<std::size_t>(n * octetsTrame));
            if (lus < 0)
                return Echec(Traduisible("LecteurWav", "Erreur de lecture : %1"), TexteErreur(errno));
            for (std::int64_t i = 0; i + octetsTrame <= lus; i += octetsTrame) {
                const float v = Niveau(bloc.data() + i, huitBits);
                col.mini = std::min(col.mini, v);
                col.maxi = std::max(col.maxi, v);
            }
        }
        enveloppe[c] = col.mini <= col.maxi ? col : TcolonneEnveloppe{};
    }
    return enveloppe;
}
