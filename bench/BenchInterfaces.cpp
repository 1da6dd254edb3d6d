// The VELTA interfaces: a search that finds no port, the processor an acquisition costs at
// the line's real pace, and the time from the last sample to the sound drawn.
#include <chrono>
#include <cstdlib>
#include <string_view>

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QProcess>
#include <QProgressBar>
#include <QStringList>
#include <QToolButton>

#include "EnvironnementBanc.h"
#include "acquisition/InterfaceVelta.h"
#include "app/PaintBox.h"
#include "app/WaveForm.h"
#include "platform/PiloteVQ2.h"

namespace {

// velta-sim on a pseudo-terminal: a VX2 as serial port 1, or a VQ2 as the driver's first
// device (and no serial port).
class Tsimulateur {
public:
    explicit Tsimulateur(const QStringList& options, const char* modele = "vx2") {
        processus_.start(QStringLiteral(SAMPIX_VELTA_SIM), QStringList{"--modele", modele} + options);
        processus_.waitForReadyRead(5000);
        const QByteArray chemin = processus_.readLine().trimmed();
        const bool vq2 = std::string_view(modele) == "vq2";
        setenv("SAMPIX_PORTS", vq2 ? "" : chemin.constData(), 1);
        if (vq2) setenv("VQCOMMX_DEVICES", chemin.constData(), 1);
    }
    ~Tsimulateur() {
        unsetenv("SAMPIX_PORTS");
        unsetenv("VQCOMMX_DEVICES");
        processus_.terminate();
        processus_.waitForFinished(3000);
    }

private:
    QProcess processus_;
};

bool Termine(const TWaveForm& f) {
    return Controle<QToolButton>(f, "RecordBtn")->isEnabled() &&
           !Controle<QToolButton>(f, "StopBtn")->isEnabled();
}

// Velta's search, which runs on from the event loop after the click.
void Recherche(TWaveForm& f) {
    f.VeltaBtnClick();
    while (f.Seance().Activite() == Tactivite::acRecherche)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Numbers 1 to 50 with no port behind any: the system's own list on this machine, or fifty
// absent paths given to the program.
void RechercheSansPort(benchmark::State& state) {
    QStringList absents;
    for (int n = 1; n <= kPortsCherches; ++n) absents.append(QStringLiteral("/dev/ttyABSENT%1").arg(n));
    if (state.range(0) == 1)
        setenv("SAMPIX_PORTS", absents.join(u':').toLocal8Bit().constData(), 1);
    else
        unsetenv("SAMPIX_PORTS");
    TinterfaceVelta velta;
    for (auto _ : state) {
        velta.ChercheInterface();
        while (velta.Occupe()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    unsetenv("SAMPIX_PORTS");
}
BENCHMARK(RechercheSansPort)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();

// One acquisition at 38400 bauds (about 5.7 s), the window drawing the progress bar; for the
// VQ2, the driver's link thread and the result thread are counted too.
void ProcesseurPendantUneAcquisition(benchmark::State& state) {
    const bool vq2 = state.range(0) == 1;
    const Tsimulateur simulateur({"--signal", "chirp:100:3000"}, vq2 ? "vq2" : "vx2");
    TpiloteVQ2 pilote(SAMPIX_DOSSIER_VQCOMMX);
    InstallePiloteVQ2(vq2 ? &pilote : nullptr);
    TWaveForm f;
    f.show();
    Recherche(f);
    for (auto _ : state) {
        const auto debut = std::chrono::steady_clock::now();
        const double avant = TempsProcesseur();
        Controle<QToolButton>(f, "RecordBtn")->click();
        while (!Termine(f)) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double duree = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
        state.counters["pour_cent_d_un_coeur"] = (TempsProcesseur() - avant) / duree * 100.0;
        state.counters["duree_s"] = duree;
    }
    InstallePiloteVQ2(nullptr);
}
BENCHMARK(ProcesseurPendantUneAcquisition)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly();

// From the moment the last sample is decoded to the end of the paint that shows the new sound:
// the record file written, read back, digitised, and both views drawn.
void DernierEchantillonAuSonDessine(benchmark::State& state) {
    const Tsimulateur vx2({"--rapide", "--signal", "sinus:440"});
    TWaveForm f;
    f.show();
    Recherche(f);
    std::chrono::steady_clock::time_point dernier;
    // The progress bar shows each decoded sample's index as it comes.
    QObject::connect(Controle<QProgressBar>(f, "Gauge"), &QProgressBar::valueChanged, [&](int n) {
        if (n == kPointsAcquisition - 1) dernier = std::chrono::steady_clock::now();
    });
    QToolButton* enregistrer = Controle<QToolButton>(f, "RecordBtn");
    TPaintBox* detail = Controle<TPaintBox>(f, "PaintBox");
    TPaintBox* bande = Controle<TPaintBox>(f, "PaintBoxAll");
    for (auto _ : state) {
        enregistrer->click();
        while (!Termine(f)) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        detail->repaint();
        bande->repaint();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - dernier).count());
    }
}
BENCHMARK(DernierEchantillonAuSonDessine)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv) {
    return ExecuteBancs(argc, argv);
}
