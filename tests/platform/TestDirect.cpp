#include <gtest/gtest.h>

#include <random>
#include <thread>

#include "platform/FluxAudio.h"
#include "sound/ChaineDirect.h"
#include "sound/Numerisation.h"
#include "support/CarteSon.h"

namespace {

constexpr unsigned long kTramesParBloc = 128;
constexpr std::size_t kTrames = 11 * 2048;  // whole chunks of the input, two seconds at 11025 Hz

void Traite(void* chaine, const void* entree, void* sortie, unsigned long trames) {
    static_cast<TchaineDirect*>(chaine)->Traite(entree, sortie, trames);
}

std::vector<std::uint8_t> NumeriseLot(const std::vector<std::uint8_t>& octets, bool huitBits, int q,
                                      int pas) {
    auto son = AlloueVecteurSon();
    auto sortie = AlloueVecteurSon();
    son->formatWave = huitBits ? TformatWave::f8 : TformatWave::f16;
    std::memcpy(son->zone, octets.data(), octets.size());
    NumeriseSon(*son, *sortie, static_cast<std::int32_t>(octets.size() / (huitBits ? 1 : 2)), q, pas);
    return {sortie->zone, sortie->zone + octets.size()};
}

struct Tresultat {
    std::vector<std::uint8_t> entree, sortie;
    std::int64_t ecritesAuChangement = -1;  // frames written when the change was given
};

// Runs the live chain over the real device with the input fed at its pace; halfway through,
// the step becomes pas2 when it is given.
Tresultat Joue(bool huitBits, int q, int pas, int pas2 = 0) {
    std::mt19937 g(huitBits ? 8 : 16);
    Tresultat r;
    r.entree.resize(kTrames * (huitBits ? 1 : 2));
    for (auto& o : r.entree) o = static_cast<std::uint8_t>(g());
    TentreeTempsReel entree(r.entree, 11025 * (huitBits ? 1 : 2));
    TchaineDirect chaine;
    chaine.Remet(huitBits);
    chaine.Regle(q, pas);
    TfluxDirect flux;
    const auto demarre = flux.Demarre(PeripheriqueEntreeParDefaut(), {11025, std::uint8_t(huitBits ? 8 : 16)},
                                      kTramesParBloc, &Traite, &chaine);
    EXPECT_TRUE(demarre) << demarre.Message();
    if (!demarre) return r;
    EXPECT_GT(flux.Latence(), 0.0);
    EXPECT_LT(flux.Latence(), 0.030);
    const auto attend = [&](std::int64_t trames) {
        while (chaine.Anneau().Ecrites() < trames && flux.EnCours())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return chaine.Anneau().Ecrites();
    };
    if (pas2) {
        attend(kTrames / 2);
        chaine.Regle(q, pas2);
        r.ecritesAuChangement = chaine.Anneau().Ecrites();
    }
    attend(kTrames);
    entree.Ferme();
    flux.Arrete();
    r.sortie = OctetsSortieCarte();
    return r;
}

bool Contient(const std::vector<std::uint8_t>& sortie, const std::vector<std::uint8_t>& attendu) {
    return std::search(sortie.begin(), sortie.end(), attendu.begin(), attendu.end()) != sortie.end();
}

}  // namespace

// What the device plays is the batch digitiser's result on the whole input, over 176 blocks.
TEST(FluxDirect, LaSortieEstLeSonNumeriseEnUneFois) {
    const auto r8 = Joue(true, QuantumNumerisation(8, 2), 3);
    EXPECT_TRUE(Contient(r8.sortie, NumeriseLot(r8.entree, true, 64, 3)));
    const auto r16 = Joue(false, QuantumNumerisation(16, 5), 7);
    EXPECT_TRUE(Contient(r16.sortie, NumeriseLot(r16.entree, false, 2048, 7)));
}

// A step changed from 3 to 8 halfway takes effect at the start of a block: the input before it
// digitised with 3, the input from it on digitised with 8 as a new sound. The block is the one
// after the last block written when the change was given, or the next one if a block was
// under way then. A block of 128 frames is no multiple of 3, so the cut falls inside a step
// two times in three.
TEST(FluxDirect, UnChangementDePasPrendEffetAuDebutDUnBloc) {
    const auto r = Joue(false, 8192, 3, 8);
    ASSERT_GT(r.ecritesAuChangement, 0);
    ASSERT_EQ(r.ecritesAuChangement % kTramesParBloc, 0u);
    const auto attenduAvecCoupure = [&](std::int64_t trame) {
        const auto coupure = r.entree.begin() + 2 * trame;
        auto attendu = NumeriseLot({r.entree.begin(), coupure}, false, 8192, 3);
        const auto suite = NumeriseLot({coupure, r.entree.end()}, false, 8192, 8);
        attendu.insert(attendu.end(), suite.begin(), suite.end());
        return attendu;
    };
    const auto k = r.ecritesAuChangement;
    EXPECT_TRUE(Contient(r.sortie, attenduAvecCoupure(k)) ||
                Contient(r.sortie, attenduAvecCoupure(k + kTramesParBloc)));
}
