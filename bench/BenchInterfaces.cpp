// The VELTA interfaces: a search that finds no port, the processor an acquisition costs at
// the line's real pace, and the time from the last sample to the sound drawn.
#include <chrono>
#include <cstdlib>

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QProcess>
#include <QStringList>
#include <QToolButton>

#include "EnvironnementBanc.h"
#include "acquisition/InterfaceVelta.h"
#include "app/PaintBox.h"
#include "app/WaveForm.h"

namespace {

// velta-sim as a VX2 on a pseudo-terminal, named port 1 for the program.
class Tsimulateur {
public:
    explicit Tsimulateur(const QStringList& options) {
        processus_.start(QStringLiteral(SAMPIX_VELTA_SIM), QStringList{"--modele", "vx2"} + options);
        processus_.waitForReadyRead(5000);
        setenv("SAMPIX_PORTS", processus_.readLine().trimmed().constData(), 1);
    }
    ~Tsimulateur() {
        unsetenv("SAMPIX_PORTS");
        processus_.terminate();
        processus_.waitForFinished(3000);
    }

private:
    QProcess processus_;
};

bool Termine(const TWaveForm& f) {
    return f.RecordBtn->isEnabled() && !f.StopBtn->isEnabled();
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
    for (auto _ : state) velta.ChercheInterface();
    unsetenv("SAMPIX_PORTS");
}
BENCHMARK(RechercheSansPort)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();

// One acquisition at 38400 bauds (about 5.7 s), the window drawing the progress bar.
void ProcesseurPendantUneAcquisition(benchmark::State& state) {
    const Tsimulateur vx2({"--signal", "chirp:100:3000"});
    TWaveForm f;
    f.show();
    f.VeltaBtnClick();
    for (auto _ : state) {
        const auto debut = std::chrono::steady_clock::now();
        const double avant = TempsProcesseur();
        f.RecordBtn->click();
        while (!Termine(f)) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double duree = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
        state.counters["pour_cent_d_un_coeur"] = (TempsProcesseur() - avant) / duree * 100.0;
        state.counters["duree_s"] = duree;
    }
}
BENCHMARK(ProcesseurPendantUneAcquisition)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly();

// From the moment the last sample is decoded to the end of the paint that shows the new sound:
// the record file written, read back, digitised, and both views drawn.
void DernierEchantillonAuSonDessine(benchmark::State& state) {
    const Tsimulateur vx2({"--rapide", "--signal", "sinus:440"});
    TWaveForm f;
    f.show();
    f.VeltaBtnClick();
    std::chrono::steady_clock::time_point dernier;
    const auto progression = f.velta.OnProgression;
    f.velta.OnProgression = [&](std::int32_t n) {
        if (n == kPointsAcquisition - 1) dernier = std::chrono::steady_clock::now();
        progression(n);
    };
    for (auto _ : state) {
        f.RecordBtn->click();
        while (!Termine(f)) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        f.PaintBox->repaint();
        f.PaintBoxAll->repaint();
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
