// The VQ2's hand-over from its result thread to the UI thread, fed by a driver that delivers
// any bytes in batches of any size, and may even say it copied more than it did. The UI side
// reads exactly the bytes each event announces; they must be the driver's, in order.
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

#include <QCoreApplication>

#include "acquisition/VQ2.h"

namespace {

struct Tappareil {
    std::mutex verrou;
    std::vector<std::uint8_t> octets;
    std::size_t position = 0;
    std::int32_t lot = 1;
    bool menteur = false;
} appareil;

std::int32_t Reste() {
    return static_cast<std::int32_t>(appareil.octets.size() - appareil.position);
}

const TpointsEntreeVQ2 kPilote{
    [](const std::uint16_t*) -> std::uint32_t { return 1; },
    [](std::uint32_t) -> std::int32_t { return 1; },
    [](std::uint32_t, std::int32_t) -> std::int32_t { return 1; },
    [](std::uint32_t) -> std::int32_t { return 1; },
    // The link runs while it has bytes to give: an exhausted driver is an unplugged one.
    []() -> std::int32_t {
        const std::lock_guard<std::mutex> garde(appareil.verrou);
        return Reste() > 0 ? 1 : 0;
    },
    []() -> std::int32_t { return 1; },
    [](const std::uint8_t*, std::int32_t n) -> std::int32_t { return n; },
    []() -> std::int32_t { return 0; },
    []() -> std::int32_t {
        const std::lock_guard<std::mutex> garde(appareil.verrou);
        return std::min(Reste(), appareil.lot);
    },
    [](std::uint8_t* tampon, std::int32_t n, std::int32_t) -> std::int32_t {
        const std::lock_guard<std::mutex> garde(appareil.verrou);
        const std::int32_t c = std::min(n, Reste());
        std::copy_n(appareil.octets.begin() + static_cast<std::ptrdiff_t>(appareil.position), c, tampon);
        appareil.position += static_cast<std::size_t>(c);
        return appareil.menteur ? c + 7 : c;
    },
    []() -> std::int32_t { return 1; },
    []() -> std::int32_t { return 1; },
    []() -> std::int32_t { return 0; },
    []() -> std::int32_t { return 0; },
};

class Tfenetre : public QObject {
public:
    TVQ2* vq2 = nullptr;
    std::vector<std::uint8_t> lus;
    bool fin = false;
    bool event(QEvent* e) override {
        if (e->type() == WM_DONNEES_VQ2) {
            for (std::int32_t i = 0; i < static_cast<TevenementVQ2*>(e)->wParam; ++i)
                lus.push_back(vq2->getChar());
            return true;
        }
        if (e->type() == WM_FIN_VQ2) {
            fin = true;
            return true;
        }
        return QObject::event(e);
    }
};

Tfenetre* fenetre = nullptr;
TVQ2* vq2 = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    fenetre = new Tfenetre;
    vq2 = new TVQ2(kPilote, fenetre);
    fenetre->vq2 = vq2;
    vq2->Open();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    // A few hundred bytes are enough to cross every batch size; more would only slow the runs.
    taille = std::min<std::size_t>(taille, 4 + 768);
    if (taille < 4) return 0;
    const std::size_t disponibles = taille - 4;
    {
        const std::lock_guard<std::mutex> garde(appareil.verrou);
        appareil.octets.assign(donnees + 4, donnees + taille);
        appareil.position = 0;
        appareil.lot = 1 + (donnees[2] | ((donnees[3] & 7) << 8));  // up to 2048: past the 512 of a read
        appareil.menteur = (donnees[3] & 0x80) != 0;
    }
    // An acquisition the driver can complete, so that no stop has to drain a silent line.
    const auto attendus = static_cast<std::int32_t>(1 + (donnees[0] | (donnees[1] << 8)) %
                                                            std::max<std::size_t>(disponibles, 1));
    if (disponibles == 0) return 0;
    fenetre->lus.clear();
    fenetre->fin = false;
    vq2->LanceThreadZresul(attendus);
    while (!fenetre->fin)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    vq2->StopThreadZresul(false);
    if (fenetre->lus.size() < static_cast<std::size_t>(attendus)) __builtin_trap();
    if (fenetre->lus.size() > static_cast<std::size_t>(attendus) + kTailleDataGet) __builtin_trap();
    if (!appareil.menteur && !std::equal(fenetre->lus.begin(), fenetre->lus.end(), donnees + 4))
        __builtin_trap();
    return 0;
}
