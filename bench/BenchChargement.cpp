// Loading a sound, recomputing its digitised version, and starting the window.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QProcess>

#include "EnvironnementBanc.h"
#include "app/WaveForm.h"
#include "platform/Messages.h"

namespace {

QString FichierPleineCapacite() {
    std::vector<std::int16_t> v(kCapaciteSon / 2);
    for (std::size_t i = 0; i < v.size(); ++i) v[i] = static_cast<std::int16_t>(i * 7919);
    return FichierWavBanc("pleine-capacite-16bits.wav", v, 44100);
}

void ChargeFichierWavPleineCapacite(benchmark::State& state) {
    const QString nom = FichierPleineCapacite();
    TWaveForm fenetre;
    for (auto _ : state) fenetre.ChargeFichierWav(nom);
}
BENCHMARK(ChargeFichierWavPleineCapacite)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();

void CalculeNumeriquePleineCapacite(benchmark::State& state) {
    TWaveForm fenetre;
    fenetre.ChargeFichierWav(FichierPleineCapacite());
    for (auto _ : state) fenetre.CalculeNumerique();
}
BENCHMARK(CalculeNumeriquePleineCapacite)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();

// A whole cold start, as the user sees it: a fresh process until its window is shown with a
// sound drawn, against a fresh process showing a bare Qt window in the same run; the ratio of
// their medians is the figure to watch. The bench's own thread only waits: the number of runs
// follows the wall clock.
void Demarrage(benchmark::State& state, const QStringList& arguments) {
    for (auto _ : state) {
        QProcess demarrage;
        demarrage.start(SAMPIX_DEMARRAGE, arguments);
        if (!demarrage.waitForFinished() || demarrage.exitCode() != 0)
            state.SkipWithError("démarrage en échec");
    }
}

void DemarrageJusquAFenetreAffichee(benchmark::State& state) {
    Demarrage(state, {QStringLiteral(SAMPIX_EXEMPLES "/accord.wav")});
}
BENCHMARK(DemarrageJusquAFenetreAffichee)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(15)
    ->ReportAggregatesOnly();

void DemarrageFenetreQtNue(benchmark::State& state) {
    Demarrage(state, {QStringLiteral("--nue")});
}
BENCHMARK(DemarrageFenetreQtNue)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(15)
    ->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv) {
    return ExecuteBancs(argc, argv);
}
