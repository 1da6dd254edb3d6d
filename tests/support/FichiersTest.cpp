#include "support/FichiersTest.h"

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

std::filesystem::path DossierTemporaireProcessus() {
    static const std::filesystem::path dossier = [] {
        std::string modele = (std::filesystem::temp_directory_path() / "sampix-test-XXXXXX").string();
        if (!mkdtemp(modele.data())) throw std::runtime_error("mkdtemp");
        return std::filesystem::path(modele);
    }();
    return dossier;
}

std::filesystem::path NouveauDossier() {
    static std::atomic<int> compteur{0};
    auto d = DossierTemporaireProcessus() / ("cas" + std::to_string(compteur++));
    std::filesystem::create_directories(d);
    return d;
}

void EcritOctets(const std::filesystem::path& chemin, const std::vector<std::uint8_t>& octets) {
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(octets.data()), static_cast<std::streamsize>(octets.size()));
}

std::vector<std::uint8_t> LitOctets(const std::filesystem::path& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void Ajoute16(std::vector<std::uint8_t>& v, std::uint16_t x) {
    v.push_back(x & 0xFF);
    v.push_back(x >> 8);
}

void Ajoute32(std::vector<std::uint8_t>& v, std::uint32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back((x >> (8 * i)) & 0xFF);
}

void AjouteTexte(std::vector<std::uint8_t>& v, const char* texte) {
    v.insert(v.end(), texte, texte + std::strlen(texte));
}

std::vector<std::uint8_t> ImageWav(int canaux, std::uint32_t frequence, int bits,
                                   const std::vector<std::uint8_t>& donnees, std::int64_t tailleDonnees) {
    const std::uint32_t taille =
        tailleDonnees < 0 ? donnees.size() : static_cast<std::uint32_t>(tailleDonnees);
    const int bloc = canaux * bits / 8;
    std::vector<std::uint8_t> v;
    AjouteTexte(v, "RIFF");
    Ajoute32(v, 36 + taille);
    AjouteTexte(v, "WAVEfmt ");
    Ajoute32(v, 16);
    Ajoute16(v, 1);
    Ajoute16(v, canaux);
    Ajoute32(v, frequence);
    Ajoute32(v, frequence * bloc);
    Ajoute16(v, bloc);
    Ajoute16(v, bits);
    AjouteTexte(v, "data");
    Ajoute32(v, taille);
    v.insert(v.end(), donnees.begin(), donnees.end());
    return v;
}

TdossierLectureSeule::TdossierLectureSeule(const std::filesystem::path& d) : d_(d) {
    if (::geteuid() == 0) {
        monte_ = ::mount(d.c_str(), d.c_str(), nullptr, MS_BIND, nullptr) == 0;
        if (monte_) ::mount(nullptr, d.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr);
    } else {
        ::chmod(d.c_str(), 0555);
    }
}

TdossierLectureSeule::~TdossierLectureSeule() {
    if (monte_)
        ::umount2(d_.c_str(), 0);
    else
        ::chmod(d_.c_str(), 0755);
}

bool TdossierLectureSeule::Actif() const {
    return ::access(d_.c_str(), W_OK) != 0;
}
