// Any byte stream from an interface, read as a probe's reply and as an acquisition's pairs,
// with Stop pressed at any point: the first two bytes give the byte after which Stop comes.
#include <cstdint>
#include <cstring>

#include "acquisition/CollecteurReponse.h"
#include "acquisition/DecodeurAcquisition.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    if (taille < 3) return 0;
    const std::size_t stop = donnees[0] | (donnees[1] << 8);
    const std::int32_t lignes = 1 + donnees[2] % 3;
    donnees += 3;
    taille -= 3;

    TcollecteurReponse c;
    c.Debut(lignes);
    std::int32_t retours = 0;
    for (std::size_t i = 0; i < taille; ++i) {
        c.Ajoute(donnees[i]);
        retours += donnees[i] == 13;
        if (c.finDeChaine != (retours >= lignes)) __builtin_trap();
    }
    for (char o : c.ChaineLue)
        if (static_cast<unsigned char>(o) < 32) __builtin_trap();
    if (c.NlignesLues != retours) __builtin_trap();

    // The acquisition ends at sample 11025, or at the first sample completed after Stop.
    static TdecodeurAcquisition d;
    d.Demarre();
    for (std::size_t i = 0; i < taille && d.attente; ++i)
        if (d.LitOctet(donnees[i]) && (d.Complete() || i >= stop)) d.attente = false;
    if (d.NbreCourant > kPointsAcquisition || d.NbreCourant > static_cast<std::int32_t>(taille / 2))
        __builtin_trap();
    if (std::memcmp(d.Octets(), donnees, 2 * static_cast<std::size_t>(d.NbreCourant)) != 0) __builtin_trap();
    if (d.AGarder() != (d.NbreCourant > kSeuilAcquisition)) __builtin_trap();
    return 0;
}
