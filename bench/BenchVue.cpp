// A step of the scroll bar in the shown window: the detail view redrawn and the strip's
// window band drawn off and on again, as every tick of a play's follow-up does.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <vector>

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QScrollBar>
#include <QSlider>

#include "EnvironnementBanc.h"
#include "app/WaveForm.h"
#include "platform/Messages.h"

namespace {

std::filesystem::path gHome;

// Ten seconds of a 16-bit chord at 44,100 Hz.
QString FichierAccord() {
    const auto chemin = gHome / "accord-dix-secondes.wav";
    const std::uint32_t trames = 441000, d = trames * 2;
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
    for (std::uint32_t i = 0; i < trames; ++i) {
        const double t = i / 44100.0;
        double s = 0;
        for (double f : {220.0, 277.0, 330.0}) s += std::sin(2 * M_PI * f * t);
        ajoute(static_cast<std::uint16_t>(static_cast<std::int16_t>(9000 * s)), 2);
    }
    std::ofstream(chemin, std::ios::binary).write(reinterpret_cast<const char*>(v.data()), v.size());
    return QString::fromStdString(chemin.string());
}

// 3 bits and a step of 4: level lines and sampling lines are drawn too.
void ScrollBarChangeVueComplete(benchmark::State& state) {
    TWaveForm fenetre;
    fenetre.show();
    QApplication::processEvents();
    fenetre.BitsTB->setValue(3);
    fenetre.FechTB->setValue(5);
    fenetre.ChargeFichierWav(FichierAccord());
    QApplication::processEvents();
    if (fenetre.nomFichier.isEmpty()) state.SkipWithError("son non chargé");
    int position = 0;
    for (auto _ : state) {
        position = (position + 1000) % fenetre.ScrollBar->maximum();
        fenetre.ScrollBar->setValue(position);
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(ScrollBarChangeVueComplete)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv) {
    gHome = PrepareEnvironnementBanc();
    QApplication app(argc, argv);
    RemplaceAfficheurMessage([](const QString&) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
