// Figures of the live mode on the machine's sound system (ALSA's file device here, with a FIFO
// fed at real pace as the microphone): the latency PortAudio reports for each block size with
// the blocks it flagged, then the processor time of the window running the mode for 10 s.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

#include "EnvironnementBanc.h"
#include "app/WaveForm.h"
#include "platform/FluxAudio.h"
#include "platform/Messages.h"
#include "sound/ChaineDirect.h"

namespace {

// A 440 Hz tone at 11025 Hz, 16-bit, written in chunks of 4096 bytes at their time, until stopped.
class Tmicro {
public:
    explicit Tmicro(const std::filesystem::path& home) : chemin_(home / "IN.raw") {
        std::filesystem::remove(chemin_);
        mkfifo(chemin_.c_str(), 0600);
        fd_ = ::open(chemin_.c_str(), O_RDWR);
        fil_ = std::thread([this] { Alimente(); });
    }
    ~Tmicro() {
        fin_ = true;
        fil_.join();
        ::close(fd_);
        std::filesystem::remove(chemin_);  // the next run's set-up writes a plain file there
    }

private:
    void Alimente() {
        std::vector<std::int16_t> morceau(2048);
        const auto depart = std::chrono::steady_clock::now();
        for (std::int64_t n = 0; !fin_; n += 2048) {
            for (std::size_t i = 0; i < morceau.size(); ++i)
                morceau[i] = static_cast<std::int16_t>(12000 * std::sin(2 * M_PI * 440 * (n + i) / 11025.0));
            [[maybe_unused]] const ssize_t r = ::write(fd_, morceau.data(), 4096);
            std::this_thread::sleep_until(depart + std::chrono::microseconds((n + 2048) * 1000000 / 11025));
        }
    }
    std::filesystem::path chemin_;
    int fd_ = -1;
    std::atomic<bool> fin_{false};
    std::thread fil_;
};

void Traite(void* chaine, const void* entree, void* sortie, unsigned long trames) {
    static_cast<TchaineDirect*>(chaine)->Traite(entree, sortie, trames);
}

// A real event loop, which sleeps between events: processEvents with a time limit polls
// without waiting, and its own spinning would be measured.
void Attend(int ms) {
    QEventLoop boucle;
    QTimer::singleShot(ms, Qt::PreciseTimer, &boucle, &QEventLoop::quit);
    boucle.exec();
}

}  // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const auto home = PrepareEnvironnementBanc();
    QApplication app(argc, argv);
    RemplaceAfficheurMessage([](const QString& texte) { std::fprintf(stderr, "%s\n", qPrintable(texte)); });
    auto micro = std::make_unique<Tmicro>(home);

    std::printf("trames/bloc  latence entrée+sortie (ms)  blocs signalés  trames en 2 s\n");
    for (unsigned long trames : {32ul, 64ul, 128ul, 256ul}) {
        TchaineDirect chaine;
        chaine.Remet(false);
        chaine.Regle(8192, 3);
        TfluxDirect flux;
        if (const auto demarre =
                flux.Demarre(PeripheriqueEntreeParDefaut(), {11025, 16}, trames, &Traite, &chaine);
            !demarre) {
            std::printf("%lu: %s\n", trames, demarre.Message().c_str());
            continue;
        }
        const double latence = flux.Latence();
        std::this_thread::sleep_for(std::chrono::seconds(2));
        std::printf("%11lu  %26.1f  %14lld  %13lld\n", trames, 1000 * latence,
                    static_cast<long long>(flux.Incidents()),
                    static_cast<long long>(chaine.Anneau().Ecrites()));
    }

    TWaveForm fenetre;
    fenetre.show();
    Controle<QSlider>(fenetre, "BitsTB")->setValue(3);
    Controle<QToolButton>(fenetre, "DirectBtn")->click();
    Attend(4000);  // what the FIFO held between the streams above goes through first
    const double avant = TempsProcesseur();
    QElapsedTimer horloge;
    horloge.start();
    Attend(10000);
    const double processeur = TempsProcesseur() - avant;
    const double duree = horloge.elapsed() / 1000.0;
    std::printf("mode direct, vue défilante : %.2f s de processeur en %.1f s, %.1f %% d'un cœur (%s)\n",
                processeur, duree, 100 * processeur / duree, fenetre.EnDirect() ? "en cours" : "arrêté");
    std::printf("latence du flux de la fenêtre : %.1f ms\n", 1000 * fenetre.FluxDirect().Latence());
    micro.reset();  // the stream reads on until the FIFO closes, then stops at once
    Controle<QToolButton>(fenetre, "DirectBtn")->click();
    return 0;
}
