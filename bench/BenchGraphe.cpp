// Drawing times of the two views on the sizes the window uses.
#include <cmath>
#include <cstring>

#include <benchmark/benchmark.h>

#include "graph/CanevasPixels.h"
#include "graph/DessinVues.h"

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
    TmodeleVue m;
    m.trames = kCapaciteSon;
    for (auto _ : etat) {
        DessineApercu(m, {son.get(), son.get()}, canevas, 1073, 50);
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
    TmodeleVue m;
    m.trames = trames;
    m.bits = 4;
    m.bitsSon = 16;
    m.pas = 4;
    m.frequence = 44100;
    m.debut = 100000;
    m.repere = 100100;
    m.repereTemps = 100150;
    m.avecTemps = true;
    for (auto _ : etat) {
        DessineDetail(m, {son.get(), sonBis.get()}, canevas, 1073, 250);
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
    TmodeleVue m;
    m.trames = 100000;
    m.bits = 8;
    m.bitsSon = 16;
    m.frequence = 44100;
    m.repere = 100;
    m.repereTemps = 150;
    m.avecTemps = true;
    const TsonsVue sons{son.get(), son.get()};
    DessineDetail(m, sons, canevas, 1073, 250);
    for (auto _ : etat) {
        benchmark::DoNotOptimize(DessineReperes(m, sons, canevas, 1073, 250));
        benchmark::DoNotOptimize(DessineReperes(m, sons, canevas, 1073, 250));
        benchmark::DoNotOptimize(image.pixels.data());
    }
}
BENCHMARK(BM_TraceRepereClic)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
