#include "sound/LecteurWav.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

constexpr std::size_t kTailleBloc = 64 * 1024;
constexpr std::int64_t kDebutRecherche = 36;

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

// Offset of the first "data" tag at or after offset 36 whose end lies before the RIFF
// size; the file is read in blocks, never byte by byte. Throws when there is none.
std::int64_t ChercheBlocDonnees(int fd, const std::uint8_t* fenetreInitiale, std::int32_t tailleRiff) {
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

void LitEtRemplit(const std::string& nom, TenregistrementSon& rec, bool& tronque) {
    // Opened without waiting, so that a pipe or a device among the files is refused instead
    // of holding the window; only a plain file is read.
    const Descripteur f(::open(nom.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (f.get() < 0) throw EWavError(std::string("Problème d'ouverture : ") + std::strerror(errno));
    struct stat etat {};
    if (::fstat(f.get(), &etat) != 0 || !S_ISREG(etat.st_mode))
        throw EWavError("Ce n'est pas un fichier : un dossier, un tube ou un périphérique ne s'ouvre pas");
    ::fcntl(f.get(), F_SETFL, 0);

    std::uint8_t tete[40];
    if (LitAuPlus(f.get(), tete, sizeof tete) < sizeof tete)
        throw EWavError("Format incorrect : en-tête incomplet");

    const auto tailleRiff = static_cast<std::int32_t>(Lit32(tete + 4));
    rec.FreqEch = Lit32(tete + 24);
    rec.NBits = tete[34];
    TformatWave format;
    if (rec.NBits == 8)
        format = TformatWave::f8;
    else if (rec.NBits == 16)
        format = TformatWave::f16;
    else
        throw EWavError("Format non géré : " + std::to_string(rec.NBits) + " bits par échantillon");
    rec.Nvoies = tete[22];
    if (rec.Nvoies == 2) format = format == TformatWave::f8 ? TformatWave::f8stereo : TformatWave::f16stereo;
    rec.FixeFormat(format);

    const std::int64_t tag = ChercheBlocDonnees(f.get(), tete + kDebutRecherche, tailleRiff);
    std::uint8_t taille[4];
    if (::lseek(f.get(), tag + 4, SEEK_SET) < 0 || LitAuPlus(f.get(), taille, 4) < 4)
        throw EWavError("Format incorrect : bloc de données vide");

    std::uint32_t n = Lit32(taille);
    rec.FractionLue = 1.0;
    tronque = n > static_cast<std::uint32_t>(kCapaciteSon);
    if (tronque) {
        rec.FractionLue = n / static_cast<double>(kCapaciteSon);
        n = kCapaciteSon;
    }
    const std::size_t lus = LitAuPlus(f.get(), rec.vecteurSon->zone, n);
    rec.NbrePoints = static_cast<std::int32_t>(lus / OctetsParTrame(format));
    if (rec.NbrePoints < 1) throw EWavError("Format incorrect : bloc de données vide");
}

}  // namespace

bool LitFichierWav(const std::string& nom, TenregistrementSon& rec) {
    bool tronque = false;
    try {
        LitEtRemplit(nom, rec, tronque);
    } catch (const EWavError&) {
        rec.NbrePoints = 0;
        throw;
    }
    return tronque;
}
