#include "support/CarteSon.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FluxAudio.h"
#include "support/FichiersTest.h"

namespace {

std::filesystem::path Home() {
    return std::getenv("HOME");
}

}  // namespace

std::vector<std::int16_t> SortieCarte(std::size_t maximum) {
    std::vector<std::int16_t> v(std::min(maximum, TailleSortieCarte()));
    std::ifstream(Home() / "OUT.raw", std::ios::binary)
        .read(reinterpret_cast<char*>(v.data()), static_cast<std::streamsize>(v.size() * 2));
    return v;
}

std::size_t TailleSortieCarte() {
    std::error_code erreur;
    const auto taille = std::filesystem::file_size(Home() / "OUT.raw", erreur);
    return erreur ? 0 : taille / 2;
}

std::vector<std::int16_t> SonJoue() {
    std::vector<std::int16_t> v = SortieCarte();
    const auto debut = std::find_if(v.begin(), v.end(), [](std::int16_t e) { return e != 0; });
    const auto fin = std::find_if(v.rbegin(), v.rend(), [](std::int16_t e) { return e != 0; }).base();
    return debut < fin ? std::vector<std::int16_t>(debut, fin) : std::vector<std::int16_t>{};
}

void EntreeCarte(const std::vector<std::uint8_t>& octets) {
    EcritOctets(Home() / "IN.raw", octets);
}

void BrancheCarteFragile(long trames) {
    std::ofstream(Home() / ".asoundrc") << "pcm_type.sampixfragile { lib \"" SAMPIX_CARTE_FRAGILE "\" }\n"
                                        << "pcm.!default { type sampixfragile; trames " << trames << " }\n";
    std::freopen((Home() / "stderr.txt").c_str(), "w", stderr);
}

std::vector<std::uint8_t> OctetsSortieCarte() {
    return LitOctets(Home() / "OUT.raw");
}

TentreeTempsReel::TentreeTempsReel(std::vector<std::uint8_t> octets, std::uint32_t octetsParSeconde)
    : octets_(std::move(octets)), octetsParSeconde_(octetsParSeconde) {
    const auto chemin = Home() / "IN.raw";
    std::filesystem::remove(chemin);
    mkfifo(chemin.c_str(), 0600);
    // Read and write: opening never waits for a reader, and a reader never sees the end of
    // the FIFO while it is open.
    fd_ = ::open(chemin.c_str(), O_RDWR);
    fil_ = std::thread([this] { Alimente(); });
}

TentreeTempsReel::~TentreeTempsReel() {
    Ferme();
    fil_.join();
    std::filesystem::remove(Home() / "IN.raw");
    EntreeCarte(std::vector<std::uint8_t>(1 << 20, 0));
}

void TentreeTempsReel::Alimente() {
    constexpr std::size_t kMorceau = 4096;
    const auto depart = std::chrono::steady_clock::now();
    std::unique_lock<std::mutex> garde(verrou_);
    for (std::size_t fait = 0; fait < octets_.size() && !coupe_ && !ferme_;) {
        const std::size_t n = std::min(kMorceau, octets_.size() - fait);
        garde.unlock();
        [[maybe_unused]] const ssize_t r = ::write(fd_, octets_.data() + fait, n);
        garde.lock();
        fait += n;
        const auto echeance = depart + std::chrono::microseconds(fait * 1000000 / octetsParSeconde_);
        reveil_.wait_until(garde, echeance, [this] { return coupe_ || ferme_; });
    }
    if (coupe_) reveil_.wait_for(garde, delaiFermeture_, [this] { return ferme_; });
    reveil_.wait(garde, [this] { return ferme_ || coupe_; });
    ::close(fd_);
    fd_ = -1;
}

void TentreeTempsReel::Coupe(std::chrono::milliseconds delai) {
    {
        const std::lock_guard<std::mutex> garde(verrou_);
        coupe_ = true;
        delaiFermeture_ = delai;
    }
    reveil_.notify_all();
}

void TentreeTempsReel::Ferme() {
    {
        const std::lock_guard<std::mutex> garde(verrou_);
        ferme_ = true;
    }
    reveil_.notify_all();
}

int EntreeSeize() {
    for (const TperipheriqueEntree& e : PeripheriquesEntree())
        if (e.nom == "seize") return e.index;
    return -1;
}

std::pair<int, std::uint32_t> FormatDemandeSeize() {
    const std::vector<std::uint8_t> t = LitOctets(Home() / "SEIZE.wav");
    if (t.size() < 28) return {0, 0};
    return {t[22] | t[23] << 8, t[24] | t[25] << 8 | t[26] << 16 | static_cast<std::uint32_t>(t[27]) << 24};
}
