// The lesson's additions: a track-bar change at full capacity with the noise ratio and an open
// spectrum window brought up to date and painted, and the command line from start to exit.
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <vector>

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QProcess>
#include <QSlider>
#include <QToolButton>

#include "EnvironnementBanc.h"
#include "app/FenetreSpectre.h"
#include "app/WaveForm.h"
#include "sound/EcrivainWav.h"

namespace {

// A chord filling the record: 2^20 frames of 16-bit mono at 44,100 Hz (23.8 s).
QString FichierPleineCapacite() {
    std::vector<std::int16_t> v(kCapaciteSon / 2);
    for (std::size_t i = 0; i < v.size(); ++i) {
        const double t = i / 44100.0;
        v[i] =
            static_cast<std::int16_t>(9000 * (std::sin(2 * M_PI * 220 * t) + std::sin(2 * M_PI * 3300 * t)));
    }
    return FichierWavBanc("lecon-pleine-capacite.wav", v, 44100);
}

// range(0): spectrum window open; range(1): anti-aliasing filter on; range(2): reconstruction
// shown. Each iteration moves the bits bar one step, as a user's drag does. The time is the
// bar's change up to the views painted; what waits for the views (the reconstruction's ratio,
// the spectrum) runs next and is counted apart ("suite_ms", per change).
void ChangementBarrePleineCapacite(benchmark::State& state) {
    TWaveForm fenetre;
    fenetre.show();
    fenetre.ChargeFichierWav(FichierPleineCapacite());
    if (fenetre.Seance().nomFichier.isEmpty()) state.SkipWithError("son non chargé");
    Controle<QSlider>(fenetre, "FechTB")->setValue(5);
    if (state.range(0)) Controle<QToolButton>(fenetre, "SpectreBtn")->click();
    if (state.range(1)) Controle<QCheckBox>(fenetre, "FiltreCB")->setChecked(true);
    if (state.range(2)) Controle<QCheckBox>(fenetre, "ReconstructionCB")->setChecked(true);
    QApplication::processEvents();
    auto* vue = Controle<QWidget>(fenetre, "PaintBox");
    auto* apercu = Controle<QWidget>(fenetre, "PaintBoxAll");
    int b = 3;
    std::chrono::duration<double, std::milli> suite{0};
    for (auto _ : state) {
        b = b == 3 ? 4 : 3;
        Controle<QSlider>(fenetre, "BitsTB")->setValue(b);
        vue->repaint();
        apercu->repaint();
        state.PauseTiming();
        const auto debut = std::chrono::steady_clock::now();
        QApplication::processEvents();
        suite += std::chrono::steady_clock::now() - debut;
        state.ResumeTiming();
    }
    state.counters["suite_ms"] = benchmark::Counter(suite.count(), benchmark::Counter::kAvgIterations);
}
BENCHMARK(ChangementBarrePleineCapacite)
    ->ArgsProduct({{0, 1}, {0, 1}, {0, 1}})
    ->ArgNames({"spectre", "filtre", "reconstruction"})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();

// range(0): the law (0 uniform, 1 µ, 2 A); range(1): dither on; range(2): the step s. A bits
// bar change up to the views painted, then what follows, as above.
void ChangementBarreLoiDither(benchmark::State& state) {
    TWaveForm fenetre;
    fenetre.show();
    fenetre.ChargeFichierWav(FichierPleineCapacite());
    if (fenetre.Seance().nomFichier.isEmpty()) state.SkipWithError("son non chargé");
    Controle<QSlider>(fenetre, "FechTB")->setValue(9 - static_cast<int>(state.range(2)));
    Controle<QComboBox>(fenetre, "LoiCB")->setCurrentIndex(static_cast<int>(state.range(0)));
    Controle<QCheckBox>(fenetre, "DitherCB")->setChecked(state.range(1) != 0);
    QApplication::processEvents();
    auto* vue = Controle<QWidget>(fenetre, "PaintBox");
    int b = 3;
    for (auto _ : state) {
        b = b == 3 ? 4 : 3;
        Controle<QSlider>(fenetre, "BitsTB")->setValue(b);
        vue->repaint();
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(ChangementBarreLoiDither)
    ->ArgsProduct({{0, 1, 2}, {0, 1}, {1, 4}})
    ->ArgNames({"loi", "dither", "pas"})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();

// 12 s of 16-bit stereo at 44,100 Hz: a little more than the record holds (11.9 s), as a
// teacher's recording of a few phrases would be.
QString FichierDouzeSecondesStereo() {
    const auto chemin = DossierBanc() / "douze-secondes-stereo.wav";
    const std::int32_t trames = 12 * 44100;
    std::vector<std::int16_t> v(2 * static_cast<std::size_t>(trames));
    for (std::int32_t i = 0; i < trames; ++i) {
        v[2 * i] = static_cast<std::int16_t>(12000 * std::sin(2 * M_PI * 440 * i / 44100.0));
        v[2 * i + 1] = static_cast<std::int16_t>(12000 * std::sin(2 * M_PI * 660 * i / 44100.0));
    }
    const std::vector<std::uint8_t> tete = EnTeteWav(TformatWave::f16stereo, trames, 44100);
    std::ofstream f(chemin, std::ios::binary);
    f.write(reinterpret_cast<const char*>(tete.data()), static_cast<std::streamsize>(tete.size()));
    f.write(reinterpret_cast<const char*>(v.data()), static_cast<std::streamsize>(2 * v.size()));
    return QString::fromStdString(chemin.string());
}

// range(0): with both pictures (views PNG, spectrum PNG), or the sound alone.
void LigneDeCommandeDouzeSecondesStereo(benchmark::State& state) {
    const QString entree = FichierDouzeSecondesStereo();
    const QString dossier = QString::fromStdString(DossierBanc().string());
    QStringList arguments{"--bits", "3", "--pas", "4", "--sortie", dossier + "/cli.wav"};
    if (state.range(0))
        arguments << "--image" << dossier + "/cli-vue.png"
                  << "--spectre" << dossier + "/cli-spectre.png";
    arguments << entree;
    for (auto _ : state) {
        QProcess sampix;
        sampix.start(SAMPIX_EXECUTABLE, arguments);
        if (!sampix.waitForFinished() || sampix.exitCode() != 0)
            state.SkipWithError("ligne de commande en échec");
    }
}
BENCHMARK(LigneDeCommandeDouzeSecondesStereo)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("images")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv) {
    return ExecuteBancs(argc, argv);
}
