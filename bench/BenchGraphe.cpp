// Drawing times of the two views on the sizes the window uses.
#include <cmath>
#include <cstring>

#include <benchmark/benchmark.h>

#include "graph/CanevasPixels.h"
#include "graph/GrapheSon.h"

namespace {

// A chord with some noise: every column of the overview has a real spread to find.
int Echantillon(std::int64_t i, double amplitude) {
    const double t = static_cast<double>(i);
    const double v =
        0.5 * std::sin(t * 0.031) + 0.3 * std::sin(t * 0.0047) + 0.1 * ((i * 7919) % 101) / 101.0;
    return static_cast<int>(v * amplitude);
}

// The longest sound, 2,097,152 frames of 8-bit, on the strip of a 1,073-pixel-wide window.
void BM_DrawAllSonLePlusLong(benchmark::State& etat) {
    auto son = AlloueVecteurSon();
    son->formatWave = TformatWave::f8;
    for (std::int32_t i = 0; i < kCapaciteSon; ++i)
        son->setSon8(i, static_cast<std::uint8_t>(128 + Echantillon(i, 120)));
    TimagePixels image(1073, 50, clBlanc);
    TCanevasPixels canevas(&image);
    TgrapheSon graphe(son.get(), son.get());
    graphe.Canvas = &canevas;
    graphe.NbreTot = kCapaciteSon;
    graphe.rectPB = TRect{0, 0, 1073, 50};
    graphe.LimiteCourbe = TRect{2, 0, 1071, 50};
    for (auto _ : etat) {
        graphe.DrawAll();
        benchmark::DoNotOptimize(image.pixels.data());
    }
}
BENCHMARK(BM_DrawAllSonLePlusLong)->Unit(benchmark::kMillisecond);

// A full detail view with both grids, both curves and both cursors.
void BM_DrawGVueComplete(benchmark::State& etat) {
    auto son = AlloueVecteurSon();
    auto sonBis = AlloueVecteurSon();
    son->formatWave = sonBis->formatWave = TformatWave::f16;
    const std::int32_t trames = 441000;
    for (std::int32_t i = 0; i < trames; ++i) {
        son->setSon16(i, static_cast<std::int16_t>(Echantillon(i, 30000)));
        const std::int32_t tenue = i - i % 4;  // held over a step of 4, kept on 4 bits
        sonBis->setSon16(
            i, static_cast<std::int16_t>((Echantillon(tenue, 30000) + 32768) / 4096 * 4096 - 32768));
    }
    TimagePixels image(1073, 250, clBlanc);
    TCanevasPixels canevas(&image);
    TgrapheSon graphe(son.get(), sonBis.get());
    graphe.Canvas = &canevas;
    graphe.NbreTot = trames;
    graphe.rectPB = graphe.LimiteCourbe = TRect{0, 0, 1073, 250};
    graphe.mondeY.SetMinMax(-32764, 32764);
    graphe.NbreBits = 4;
    graphe.NbreBitsInit = 16;
    graphe.pasFreq = 4;
    graphe.frequence = 44100;
    graphe.debut = 100000;
    graphe.repere = 100100;
    graphe.repereTemps = 100150;
    graphe.avecTemps = true;
    for (auto _ : etat) {
        graphe.DrawG();
        benchmark::DoNotOptimize(image.pixels.data());
    }
}
BENCHMARK(BM_DrawGVueComplete)->Unit(benchmark::kMillisecond);

// A click: the cursors erased and drawn again, with their read-outs.
void BM_TraceRepereClic(benchmark::State& etat) {
    auto son = AlloueVecteurSon();
    son->formatWave = TformatWave::f16;
    std::memset(son->zone, 0, kTailleZoneSon);
    TimagePixels image(1073, 250, clBlanc);
    TCanevasPixels canevas(&image);
    TgrapheSon graphe(son.get(), son.get());
    graphe.Canvas = &canevas;
    graphe.NbreTot = 100000;
    graphe.rectPB = graphe.LimiteCourbe = TRect{0, 0, 1073, 250};
    graphe.mondeY.SetMinMax(-32764, 32764);
    graphe.NbreBits = 8;
    graphe.NbreBitsInit = 16;
    graphe.frequence = 44100;
    graphe.repere = 100;
    graphe.repereTemps = 150;
    graphe.avecTemps = true;
    graphe.DrawG();
    for (auto _ : etat) {
        graphe.TraceRepere();
        graphe.TraceRepere();
        benchmark::DoNotOptimize(image.pixels.data());
    }
}
BENCHMARK(BM_TraceRepereClic)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
