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

std::filesystem::path FichierPleineCapacite() {
    const auto chemin = std::filesystem::temp_directory_path() / "sampix-bench-16bits.wav";
    const std::uint32_t d = kCapaciteSon;
    std::vector<std::uint8_t> v;
    auto ajoute = [&v](std::uint32_t x, int octets) {
        for (int i = 0; i < octets; ++i) v.push_back((x >> (8 * i)) & 0xFF);
    };
    v.insert(v.end(), {'R', 'I', 'F', 'F'});
    ajoute(36 + d, 4);
    v.insert(v.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    ajoute(16, 4), ajoute(1, 2), ajoute(1, 2), ajoute(44100, 4), ajoute(88200, 4), ajoute(2, 2),
        ajoute(16, 2);
    v.insert(v.end(), {'d', 'a', 't', 'a'});
    ajoute(d, 4);
    for (std::uint32_t i = 0; i < d / 2; ++i) ajoute(static_cast<std::uint16_t>(i * 7919), 2);
    std::ofstream(chemin, std::ios::binary).write(reinterpret_cast<const char*>(v.data()), v.size());
    return chemin;
}

void ChargeFichierWavPleineCapacite(benchmark::State& state) {
    const QString nom = QString::fromStdString(FichierPleineCapacite().string());
    TWaveForm fenetre;
    for (auto _ : state) fenetre.ChargeFichierWav(nom);
}
BENCHMARK(ChargeFichierWavPleineCapacite)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();

void CalculeNumeriquePleineCapacite(benchmark::State& state) {
    TWaveForm fenetre;
    fenetre.ChargeFichierWav(QString::fromStdString(FichierPleineCapacite().string()));
    for (auto _ : state) fenetre.CalculeNumerique();
}
BENCHMARK(CalculeNumeriquePleineCapacite)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();

// A whole cold start, as the user sees it: a fresh process until its window is shown.
void DemarrageJusquAFenetreAffichee(benchmark::State& state) {
    for (auto _ : state) {
        QProcess demarrage;
        demarrage.start(SAMPIX_DEMARRAGE, {});
        if (!demarrage.waitForFinished() || demarrage.exitCode() != 0)
            state.SkipWithError("démarrage en échec");
    }
}
BENCHMARK(DemarrageJusquAFenetreAffichee)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv) {
    PrepareEnvironnementBanc();
    QApplication app(argc, argv);
    RemplaceAfficheurMessage([](const QString&) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
