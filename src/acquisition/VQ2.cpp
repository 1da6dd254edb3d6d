#include "acquisition/VQ2.h"

#include <algorithm>
#include <chrono>
#include <cstring>

#include <QCoreApplication>

#include "platform/Ticks.h"

namespace {

void Dort(int millisecondes) {
    std::this_thread::sleep_for(std::chrono::milliseconds(millisecondes));
}

// The result thread rests this long when nothing has arrived: at 38400 bauds some twenty
// bytes, a batch, come in meanwhile.
constexpr int kReposResultatMs = 5;
constexpr std::int64_t kTicksArret = 18;

std::u16string Nom(const char* texte) {
    return std::u16string(texte, texte + std::strlen(texte));
}

}  // namespace

TVQ2::TVQ2(const TpointsEntreeVQ2& pilote, QObject* destinataire) : f_(pilote), destinataire_(destinataire) {}

TVQ2::~TVQ2() {
    Close();
}

bool TVQ2::Open() {
    if (FhandleVQ2 == 0) {
        for (const char* nom : {"VeltaVQ2-0", "VeltaVQ2-1"}) {
            const std::u16string n = Nom(nom);
            FhandleVQ2 = f_.SetPortOpen(reinterpret_cast<const std::uint16_t*>(n.c_str()));
            if (FhandleVQ2 != 0) break;
        }
        if (FhandleVQ2 != 0) {
            Dort(100);
            f_.ChangeVitesse(FhandleVQ2, 1);
            Dort(500);
            f_.LanceTHREAD(FhandleVQ2);
            Dort(100);
        }
    }
    return FhandleVQ2 != 0 && f_.IsRunTHREAD() == 1;
}

// The library stops its link thread before it returns; the wait only covers one that does not.
void TVQ2::Close() {
    StopThreadZresul(false);
    if (FhandleVQ2 != 0 && f_.IsRunTHREAD() == 1) {
        f_.StopTHREAD();
        const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (f_.IsRunTHREAD() == 1 && std::chrono::steady_clock::now() < limite) Dort(10);
    }
    if (FhandleVQ2 != 0) {
        f_.SetPortClose(FhandleVQ2);
        Dort(100);
    }
    FhandleVQ2 = 0;
}

bool TVQ2::LienActif() const {
    return FhandleVQ2 != 0 && f_.IsRunTHREAD() == 1;
}

// At most one buffer's worth a call, whatever the library says is waiting.
std::int32_t TVQ2::Lit(std::uint8_t* tampon) {
    const std::int32_t n = f_.GetLenH8();
    if (n <= 0) return 0;
    const std::int32_t c = f_.GetH8(tampon, std::min(n, kTailleDataGet), 0);
    return std::clamp(c, 0, std::min(n, kTailleDataGet));
}

void TVQ2::output(const std::string& commande) {
    const auto longueur =
        static_cast<std::int32_t>(std::min<std::size_t>(commande.size(), kTailleDataGet - 1));
    std::memcpy(DataGet.data(), commande.data(), static_cast<std::size_t>(longueur));
    DataGet[static_cast<std::size_t>(longueur)] = 13;
    f_.SendH8(DataGet.data(), longueur + 1);
    Dort(longueur + 1);
    const TminuterieTicks minuterie(5);
    while (f_.EmptyBuffer() != 0 && !minuterie.Expiree()) Dort(1);
}

std::string TVQ2::Version() {
    if (FhandleVQ2 == 0) return "VQ II non branchée ?";
    if (Fversion.empty()) {
        output("WVERSION");
        const TminuterieTicks minuterie(9);
        bool complete = false;
        while (!complete && !minuterie.Expiree()) {
            const std::int32_t c = Lit(DataGet.data());
            for (std::int32_t i = 0; i < c; ++i) {
                if (DataGet[i] >= 32)
                    Fversion += static_cast<char>(DataGet[i]);
                else if (DataGet[i] == 13)
                    complete = true;
            }
            if (c == 0) Dort(1);
        }
    }
    return Fversion;
}

std::uint8_t TVQ2::getChar() {
    if (Findex >= Fnbre.load(std::memory_order_acquire)) return 0;
    return Fdata[static_cast<std::size_t>(Findex++)];
}

// The counts and the flag are reset here, before the thread starts, so that only one thread
// ever writes each of them while it runs.
void TVQ2::LanceThreadZresul(std::int32_t nbre) {
    if (FhandleVQ2 == 0) return;
    if (FilEnCours()) return;
    if (FThreadResul.joinable()) FThreadResul.join();
    FnbreResul = std::clamp(nbre, 0, kTailleFdata - kTailleDataGet + 1);
    Fnbre.store(0, std::memory_order_relaxed);
    Findex = 0;
    Fstop.store(false, std::memory_order_relaxed);
    filEnCours_.store(true, std::memory_order_release);
    try {
        FThreadResul = std::thread([this] { ExecuteZresul(); });
    } catch (const std::system_error&) {
        filEnCours_.store(false, std::memory_order_release);
    }
}

// The result thread: its own transfer buffer, so that a command sent meanwhile from the UI
// thread never shares one with it.
void TVQ2::ExecuteZresul() {
    std::array<std::uint8_t, kTailleDataGet> tampon{};
    std::int32_t nbre = 0;
    while (nbre < FnbreResul && !Fstop.load(std::memory_order_acquire)) {
        const std::int32_t c = Lit(tampon.data());
        if (c == 0) {
            // A link thread that stopped (the device went away) brings nothing more.
            if (f_.IsRunTHREAD() != 1) break;
            Dort(kReposResultatMs);
            continue;
        }
        std::memcpy(Fdata.data() + nbre, tampon.data(), static_cast<std::size_t>(c));
        nbre += c;
        Fnbre.store(nbre, std::memory_order_release);
        QCoreApplication::postEvent(destinataire_, new TevenementVQ2(WM_DONNEES_VQ2, c));
    }
    if (!Fstop.load(std::memory_order_acquire))
        QCoreApplication::postEvent(destinataire_, new TevenementVQ2(WM_FIN_VQ2, 0));
    filEnCours_.store(false, std::memory_order_release);
}

void TVQ2::StopThreadZresul(bool arret) {
    if (FhandleVQ2 == 0 || !FThreadResul.joinable()) return;
    Fstop.store(true, std::memory_order_release);
    if (!TransfertComplet()) {
        if (arret) output("WPE");
        f_.StopAcquiLENTE();
    }
    const TminuterieTicks minuterie(kTicksArret);
    while (FilEnCours() && !minuterie.Expiree()) Dort(1);
    if (!TransfertComplet()) FlushInBuffer();
    FThreadResul.join();
}

void TVQ2::FlushInBuffer() {
    const TminuterieTicks minuterie(kTicksArret);
    std::int32_t n = 0;
    do {
        Dort(20);
        n = f_.GetLenH8();
        if (n > 0) Lit(DataGet.data());
    } while (n > 0 && !minuterie.Expiree());
}
