#include "sound/LecteurWav.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <vector>

namespace {

constexpr std::size_t kTailleBloc = 64 * 1024;
constexpr std::int64_t kDebutRecherche = 36;
constexpr std::int64_t kDebutBlocs = 12;

class Descripteur {
public:
    explicit Descripteur(int fd) : fd_(fd) {}
    ~Descripteur() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descripteur(const Descripteur&) = delete;
    Descripteur& operator=(const Descripteur&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Reads until `taille` bytes or the end of the file; a read error is reported, not hidden.
std::size_t LitAuPlus(int fd, std::uint8_t* dest, std::size_t taille) {
    std::size_t lus = 0;
    while (lus < taille) {
        const ssize_t r = ::read(fd, dest + lus, taille - lus);
        if (r < 0) {
            if (errno == EINTR) continue;
            throw EWavError(std::string("Erreur de lecture : ") + std::strerror(errno));
        }
        if (r == 0) break;
        lus += static_cast<std::size_t>(r);
    }
    return lus;
}

std::uint32_t Lit32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// Opened without waiting, so that a pipe or a device among the files is refused instead
// of holding the window; only a plain file is read.
int OuvreFichierSon(const std::string& nom, std::int64_t& taille) {
    const int fd = ::open(nom.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) throw EWavError(std::string("Problème d'ouverture : ") + std::strerror(errno));
    struct stat etat {};
    if (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        ::close(fd);
        throw EWavError("Ce n'est pas un fichier : un dossier, un tube ou un périphérique ne s'ouvre pas");
    }
    ::fcntl(fd, F_SETFL, 0);
    taille = etat.st_size;
    return fd;
}

// Offset of the first "data" tag at or after offset 36 whose end lies before the RIFF
// size; the file is read in blocks, never byte by byte. Throws when there is none.
std::int64_t ChercheEtiquette(int fd, const std::uint8_t* fenetreInitiale, std::int32_t tailleRiff) {
    const EWavError absent("Format incorrect : pas de bloc de données");
    std::vector<std::uint8_t> tampon(fenetreInitiale, fenetreInitiale + 4);
    std::int64_t debutTampon = kDebutRecherche;
    std::int64_t t = kDebutRecherche;
    for (;;) {
        const std::int64_t finTampon = debutTampon + static_cast<std::int64_t>(tampon.size());
        for (; t + 4 <= finTampon; ++t) {
            if (t + 4 >= tailleRiff) throw absent;
            if (std::memcmp(&tampon[t - debutTampon], "data", 4) == 0) return t;
        }
        // Keep the bytes of the candidates not yet tested, then read the next block.
        tampon.erase(tampon.begin(), tampon.begin() + (t - debutTampon));
        debutTampon = t;
        const std::size_t garde = tampon.size();
        tampon.resize(garde + kTailleBloc);
        const std::size_t lus = LitAuPlus(fd, tampon.data() + garde, kTailleBloc);
        tampon.resize(garde + lus);
        if (lus == 0) throw absent;
    }
}

// The data chunk reached by walking the chunk list from offset 12, each chunk's size
// (plus its pad byte when odd) leading to the next. Nothing when a chunk runs past the end
// of the file or no data chunk comes: the list is not to be trusted.
std::optional<std::int64_t> EtiquetteParLaListe(int fd, std::int64_t tailleFichier) {
    std::int64_t p = kDebutBlocs;
    while (p + 8 <= tailleFichier) {
        std::uint8_t tete[8];
        if (::pread(fd, tete, 8, p) != 8) return std::nullopt;
        if (std::memcmp(tete, "data", 4) == 0) return p;
        const std::uint32_t taille = Lit32(tete + 4);
        p += 8 + static_cast<std::int64_t>(taille) + (taille & 1);
    }
    return std::nullopt;
}

TdescriptionWav Decrit(int fd, std::int64_t tailleFichier) {
    std::uint8_t tete[40];
    if (LitAuPlus(fd, tete, sizeof tete) < sizeof tete)
        throw EWavError("Format incorrect : en-tête incomplet");

    TdescriptionWav d;
    const auto tailleRiff = static_cast<std::int32_t>(Lit32(tete + 4));
    d.FreqEch = Lit32(tete + 24);
    d.NBits = tete[34];
    if (d.NBits == 8)
        d.format = TformatWave::f8;
    else if (d.NBits == 16)
        d.format = TformatWave::f16;
    else
        throw EWavError("Format non géré : " + std::to_string(d.NBits) + " bits par échantillon");
    d.Nvoies = tete[22];
    if (d.Nvoies == 2)
        d.format = d.format == TformatWave::f8 ? TformatWave::f8stereo : TformatWave::f16stereo;

    std::int64_t etiquette = ChercheEtiquette(fd, tete + kDebutRecherche, tailleRiff);
    if (const auto parLaListe = EtiquetteParLaListe(fd, tailleFichier);
        parLaListe && *parLaListe > etiquette && *parLaListe + 4 < tailleRiff)
        etiquette = *parLaListe;

    std::uint8_t taille[4];
    if (::pread(fd, taille, 4, etiquette + 4) != 4)
        throw EWavError("Format incorrect : bloc de données vide");
    d.debutDonnees = etiquette + 8;
    d.tailleAnnoncee = Lit32(taille);
    const std::int64_t presents = std::min<std::int64_t>(d.tailleAnnoncee, tailleFichier - d.debutDonnees);
    d.tramesPresentes = std::max<std::int64_t>(presents, 0) / OctetsParTrame(d.format);
    return d;
}

}  // namespace

TdescriptionWav DecritFichierWav(const std::string& nom) {
    std::int64_t taille = 0;
    const Descripteur f(OuvreFichierSon(nom, taille));
    return Decrit(f.get(), taille);
}

bool LitFichierWav(const std::string& nom, TenregistrementSon& rec, std::int64_t debut) {
    std::int64_t tailleFichier = 0;
    const Descripteur f(OuvreFichierSon(nom, tailleFichier));
    const TdescriptionWav d = Decrit(f.get(), tailleFichier);
    const int octetsTrame = OctetsParTrame(d.format);
    if (debut < 0 || (debut > 0 && debut >= d.tramesPresentes))
        throw EWavError("Le début de l'extrait est après la fin du son");

    const std::int64_t restants = std::int64_t{d.tailleAnnoncee} - debut * octetsTrame;
    const auto aLire = static_cast<std::size_t>(std::min<std::int64_t>(restants, kCapaciteSon));
    std::vector<std::uint8_t> octets(aLire);
    if (::lseek(f.get(), d.debutDonnees + debut * octetsTrame, SEEK_SET) < 0)
        throw EWavError(std::string("Erreur de lecture : ") + std::strerror(errno));
    const std::size_t lus = LitAuPlus(f.get(), octets.data(), aLire);
    const auto trames = static_cast<std::int32_t>(lus / octetsTrame);
    if (trames < 1) throw EWavError("Format incorrect : bloc de données vide");

    // Only now, with the whole read done, does the record change.
    rec.FreqEch = d.FreqEch;
    rec.NBits = d.NBits;
    rec.Nvoies = d.Nvoies;
    rec.FixeFormat(d.format);
    std::memcpy(rec.vecteurSon->zone, octets.data(), lus);
    rec.NbrePoints = trames;
    const bool tronque = d.tailleAnnoncee > static_cast<std::uint32_t>(kCapaciteSon);
    rec.FractionLue = tronque ? d.tailleAnnoncee / static_cast<double>(kCapaciteSon) : 1.0;
    return tronque;
}
