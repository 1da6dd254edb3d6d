// The sound card: from a click on "Ecouter" to the first sample handed to the device, and
// the processor time a play costs per second of sound.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <vector>

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QScrollBar>
#include <QToolButton>

#include "EnvironnementBanc.h"
#include "app/WaveForm.h"
#include "platform/Messages.h"

namespace {

// Ten seconds of a 16-bit mono tone at 44,100 Hz, a typical sound of a lesson.
QString FichierDixSecondes() {
    std::vector<std::int16_t> v(441000);
    for (std::size_t i = 0; i < v.size(); ++i) v[i] = static_cast<std::int16_t>(1000 + (i * 37) % 20000);
    return FichierWavBanc("dix-secondes.wav", v, 44100);
}

std::uintmax_t OctetsSortis() {
    std::error_code e;
    const auto n = std::filesystem::file_size(DossierBanc() / "OUT.raw", e);
    return e ? 0 : n;
}

void AttendFinDeLecture(TWaveForm& f) {
    while (!Controle<QToolButton>(f, "PlayBtn")->isEnabled())
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

// The device here does not keep real time, so the first samples reach it as soon as the
// program hands them over.
void ClicJusquAuPremierEchantillon(benchmark::State& state) {
    TWaveForm f;
    f.ChargeFichierWav(FichierDixSecondes());
    for (auto _ : state) {
        const auto debut = std::chrono::steady_clock::now();
        Controle<QToolButton>(f, "PlayBtn")->click();
        while (OctetsSortis() == 0) {
        }
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count());
        state.PauseTiming();
        AttendFinDeLecture(f);
        state.ResumeTiming();
    }
}
BENCHMARK(ClicJusquAuPremierEchantillon)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();

// The processor time of a whole play (reading, callbacks, the end) over the sound's length,
// plus the view following the play at every tick, as a share of one core at real-time pace.
void ProcesseurPendantLaLecture(benchmark::State& state) {
    TWaveForm f;
    f.show();
    f.ChargeFichierWav(FichierDixSecondes());
    QScrollBar* defilement = Controle<QScrollBar>(f, "ScrollBar");
    for (auto _ : state) {
        const double avant = TempsProcesseur();
        Controle<QToolButton>(f, "PlayBtn")->click();
        AttendFinDeLecture(f);
        const double lecture = TempsProcesseur() - avant;
        const double avantSuivi = TempsProcesseur();
        constexpr int kTops = 91;  // ten seconds of ticks at 110 ms
        for (int i = 0; i < kTops; ++i) {
            defilement->setValue((i * 4409) % defilement->maximum());
            QApplication::processEvents();
        }
        const double suivi = TempsProcesseur() - avantSuivi;
        state.counters["pour_cent_d_un_coeur"] = (lecture + suivi) / 10.0 * 100.0;
    }
}
BENCHMARK(ProcesseurPendantLaLecture)
    ->Iterations(1)
    ->Repetitions(7)
    ->ReportAggregatesOnly()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return ExecuteBancs(argc, argv);
}
