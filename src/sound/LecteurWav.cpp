#include "sound/LecteurWav.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <vector>

#include "sound/Fichiers.h"

namespace {

constexpr std::size_t kTailleBloc = 64 * 1024;
constexpr std::int64_t kDebutRecherche = 36;
constexpr std::int64_t kDebutBlocs = 12;
constexpr std::int64_t kTailleEnTete = 40;

Techec ErreurLecture() {
    return Echec(Traduisible("LecteurWav", "Erreur de lecture : %1"), TexteErreur(errno));
}

std::uint32_t Lit32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// Offset of the first "data" tag at or after offset 36 whose end lies before the RIFF
// size; the file is read in blocks after the header, never byte by byte.
Tresultat<std::int64_t> ChercheEtiquette(const Tfichier& f, const std::uint8_t* fenetreInitiale,
                                         std::int32_t tailleRiff) {
    const Techec absent = Echec(Traduisible("LecteurWav", "Format incorrect : pas de bloc de données"));
    std::vector<std::uint8_t> tampon(fenetreInitiale, fenetreInitiale + 4);
    std::int64_t debutTampon = kDebutRecherche;
    std::int64_t lecture = kTailleEnTete;
    std::int64_t t = kDebutRecherche;
    for (;;) {
        const std::int64_t finTampon = debutTampon + static_cast<std::int64_t>(tampon.size());
        for (; t + 4 <= finTampon; ++t) {
            if (t + 4 >= tailleRiff) return absent;
            if (std::memcmp(&tampon[t - debutTampon], "data", 4) == 0) return t;
        }
        // Keep the bytes of the candidates not yet tested, then read the next block.
        tampon.erase(tampon.begin(), tampon.begin() + (t - debutTampon));
        debutTampon = t;
        const std::size_t garde = tampon.size();
        tampon.resize(garde + kTailleBloc);
        const std::int64_t lus = f.LitA(lecture, tampon.data() + garde, kTailleBloc);
        if (lus < 0) return ErreurLecture();
        tampon.resize(garde + static_cast<std::size_t>(lus));
        lecture += lus;
        if (lus == 0) return absent;
    }
}

// The data chunk reached by walking the chunk list from offset 12, each chunk's size
// (plus its pad byte when odd) leading to the next. Nothing when a chunk runs past the end
// of the file or no data chunk comes: the list is not to be trusted.
std::optional<std::int64_t> EtiquetteParLaListe(const Tfichier& f) {
    std::int64_t p = kDebutBlocs;
    while (p + 8 <= f.Taille()) {
        std::uint8_t tete[8];
        if (f.LitA(p, tete, 8) != 8) return std::nullopt;
        if (std::memcmp(tete, "data", 4) == 0) return p;
        const std::uint32_t taille = Lit32(tete + 4);
        p += 8 + static_cast<std::int64_t>(taille) + (taille & 1);
    }
    return std::nullopt;
}

Tresultat<TdescriptionWav> Decrit(const Tfichier& f) {
    std::uint8_t tete[kTailleEnTete];
    const std::int64_t lus = f.LitA(0, tete, sizeof tete);
    if (lus < 0) return ErreurLecture();
    if (lus < kTailleEnTete) return Echec(Traduisible("LecteurWav", "Format incorrect : en-tête incomplet"));

    TdescriptionWav d;
    const auto tailleRiff = static_cast<std::int32_t>(Lit32(tete + 4));
    d.FreqEch = Lit32(tete + 24);
    d.NBits = tete[34];
    if (d.NBits == 8)
        d.format = TformatWave::f8;
    else if (d.NBits == 16)
        d.format = TformatWave::f16;
    else
        return Echec(Traduisible("LecteurWav", "Format non géré : %1 bits par échantillon"),
                     std::to_string(d.NBits));
    d.Nvoies = tete[22];
    if (d.Nvoies == 2)
        d.format = d.format == TformatWave::f8 ? TformatWave::f8stereo : TformatWave::f16stereo;

    const auto trouvee = ChercheEtiquette(f, tete + kDebutRecherche, tailleRiff);
    if (!trouvee) return Echec(trouvee.Message());
    std::int64_t etiquette = trouvee.Valeur();
    if (const auto parLaListe = EtiquetteParLaListe(f);
        parLaListe && *parLaListe > etiquette && *parLaListe + 4 < tailleRiff)
        etiquette = *parLaListe;

    std::uint8_t taille[4];
    if (f.LitA(etiquette + 4, taille, 4) != 4)
        return Echec(Traduisible("LecteurWav", "Format incorrect : bloc de données vide"));
    d.debutDonnees = etiquette + 8;
    d.tailleAnnoncee = Lit32(taille);
    const std::int64_t presents = std::min<std::int64_t>(d.tailleAnnoncee, f.Taille() - d.debutDonnees);
    d.tramesPresentes = std::max<std::int64_t>(presents, 0) / OctetsParTrame(d.format);
    return d;
}

}  // namespace

Tresultat<TdescriptionWav> DecritFichierWav(const std::string& nom) {
    const auto f = Tfichier::OuvreLecture(nom);
    if (!f) return Echec(f.Message());
    return Decrit(f.Valeur());
}

Tresultat<bool> LitFichierWav(const std::string& nom, TenregistrementSon& rec, std::int64_t debut) {
    const auto f = Tfichier::OuvreLecture(nom);
    if (!f) return Echec(f.Message());
    const auto decrit = Decrit(f.Valeur());
    if (!decrit) return Echec(decrit.Message());
    const TdescriptionWav& d = decrit.Valeur();
    const int octetsTrame = OctetsParTrame(d.format);
    if (debut < 0 || (debut > 0 && debut >= d.tramesPresentes))
        return Echec(Traduisible("LecteurWav", "Le début de l'extrait est après la fin du son"));

    const std::int64_t restants = std::int64_t{d.tailleAnnoncee} - debut * octetsTrame;
    const auto aLire = static_cast<std::size_t>(std::clamp<std::int64_t>(restants, 0, kCapaciteSon));
    std::vector<std::uint8_t> octets(aLire);
    const std::int64_t lus = f.Valeur().LitA(d.debutDonnees + debut * octetsTrame, octets.data(), aLire);
    if (lus < 0) return ErreurLecture();
    const auto trames = static_cast<std::int32_t>(lus / octetsTrame);
    if (trames < 1) return Echec(Traduisible("LecteurWav", "Format incorrect : bloc de données vide"));

    // Only now, with the whole read done, does the record change.
    rec.FreqEch = d.FreqEch;
    rec.NBits = d.NBits;
    rec.Nvoies = d.Nvoies;
    rec.FixeFormat(d.format);
    std::memcpy(rec.vecteurSon->zone, octets.data(), static_cast<std::size_t>(lus));
    rec.NbrePoints = trames;
    const bool tronque = d.tailleAnnoncee > static_cast<std::uint32_t>(kCapaciteSon);
    rec.FractionLue = tronque ? d.tailleAnnoncee / static_cast<double>(kCapaciteSon) : 1.0;
    return tronque;
}
