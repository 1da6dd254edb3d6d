#include "platform/DecodeurSon.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

constexpr TtexteSource kOuverture = Traduisible("DecodeurSon", "Impossible d'ouvrir le fichier : %1");

}  // namespace

Tresultat<> TfichierSource::Ouvre(const std::string& nom) {
    const int fd = ::open(nom.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Echec(kOuverture, std::strerror(errno));
    struct stat etat {};
    if (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        const int erreur = S_ISDIR(etat.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        return Echec(kOuverture, std::strerror(erreur));
    }
    fd_ = fd;
    taille_ = etat.st_size;
    return {};
}

TfichierSource::~TfichierSource() {
    if (fd_ >= 0) ::close(fd_);
}

std::int64_t TfichierSource::Lit(void* p, std::size_t n) noexcept {
    ssize_t r;
    do r = ::read(fd_, p, n);
    while (r < 0 && errno == EINTR);
    if (r < 0) {
        if (erreur_ == 0) erreur_ = errno;
        return -1;
    }
    position_ += r;
    return r;
}

std::int64_t TfichierSource::Cherche(std::int64_t decalage, int origine) noexcept {
    const off_t r = ::lseek(fd_, decalage, origine);
    if (r >= 0) position_ = r;
    return r;
}

bool TfichierSource::LitA(std::int64_t position, void* p, std::size_t n) const {
    auto* o = static_cast<char*>(p);
    while (n > 0) {
        const ssize_t r = ::pread(fd_, o, n, position);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) return false;
        o += r;
        n -= static_cast<std::size_t>(r);
        position += r;
    }
    return true;
}

Tresultat<> TfichierSource::EtatLecture() const {
    if (erreur_ != 0)
        return Echec(Traduisible("DecodeurSon", "Impossible de lire le fichier : %1"),
                     std::strerror(erreur_));
    return {};
}

int TdecodeurSon::Pourcentage() const {
    if (source_.Taille() <= 0) return 100;
    return static_cast<int>(std::clamp<std::int64_t>(source_.Position() * 100 / source_.Taille(), 0, 100));
}

Techec TdecodeurSon::EchecDecodage() const {
    return Echec(Traduisible("DecodeurSon", "Le fichier est endommagé : erreur de décodage à %1 %."),
                 std::to_string(Pourcentage()));
}
