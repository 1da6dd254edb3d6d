// The lesson's arithmetic at full capacity, without a window: the smoothing filter over the whole
// sound (for playing and saving it) and over what one detail view shows, the anti-aliasing filter
// that a change of step runs, and the digitiser with a law and the dither beside the plain one.
#include <cmath>

#include <benchmark/benchmark.h>

#include "sound/FiltreAntiRepliement.h"
#include "sound/Numerisation.h"
#include "sound/Reconstruction.h"

namespace {

// A chord filling the record in a layout: range(0) is the layout's ordinal.
std::unique_ptr<TvecteurSon> SonPleineCapacite(TformatWave f) {
    auto son = AlloueVecteurSon();
    son->formatWave = f;
    const int canaux = DescriptionFormat(f).echantillonsParTrame;
    const std::int64_t n = std::int64_t{TramesMax(f)} * canaux;
    for (std::int64_t k = 0; k < n; ++k) {
        const double t = static_cast<double>(k / canaux) / 44100;
        const double v = 0.4 * (std::sin(2 * M_PI * 220 * t) + std::sin(2 * M_PI * 3300 * t));
        if (EstHuitBits(f))
            son->setSon8(k, static_cast<std::uint8_t>(std::lround(128 + 127 * v)));
        else
            son->setSon16(k, static_cast<std::int16_t>(std::lround(32767 * v)));
    }
    return son;
}

// range(0): the layout; range(1): the step.
void ReconstructionTout(benchmark::State& state) {
    const auto f = static_cast<TformatWave>(state.range(0));
    const int pas = static_cast<int>(state.range(1));
    const auto son = SonPleineCapacite(f);
    auto sousEch = AlloueVecteurSon(), sortie = AlloueVecteurSon();
    sousEch->formatWave = f;
    NumeriseSon(*son, *sousEch, TramesMax(f), QuantumNumerisation(EstHuitBits(f) ? 8 : 16, 6), pas);
    Treconstruction r;
    for (auto _ : state) {
        r.CalculeTout(*sousEch, TramesMax(f), pas, *sortie);
        benchmark::DoNotOptimize(sortie->zone[0]);
    }
}
BENCHMARK(ReconstructionTout)
    ->ArgsProduct({{static_cast<int>(TformatWave::f8), static_cast<int>(TformatWave::f16),
                    static_cast<int>(TformatWave::f16stereo)},
                   {2, 5, 8}})
    ->ArgNames({"format", "pas"})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();

// What a detail view shows: range(0) frames (1000 to 4000 columns of one frame, or more frames
// a column when zoomed out), in the middle of a 16-bit mono sound, step 5.
void ReconstructionPlage(benchmark::State& state) {
    const auto f = TformatWave::f16;
    const auto son = SonPleineCapacite(f);
    auto sousEch = AlloueVecteurSon(), sortie = AlloueVecteurSon();
    sousEch->formatWave = f;
    NumeriseSon(*son, *sousEch, TramesMax(f), QuantumNumerisation(16, 6), 5);
    Treconstruction r;
    const auto trames = static_cast<std::int32_t>(state.range(0));
    const std::int32_t debut = TramesMax(f) / 2;
    for (auto _ : state) {
        r.Calcule(*sousEch, TramesMax(f), 5, debut, debut + trames - 1, *sortie);
        benchmark::DoNotOptimize(sortie->zone[2 * debut]);
    }
}
BENCHMARK(ReconstructionPlage)
    ->Arg(1000)
    ->Arg(4000)
    ->Arg(65536)
    ->ArgName("trames")
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();

// The anti-aliasing filter over the whole record, as a drag of the frequency bar runs it:
// range(0) the layout, range(1) the step.
void AntiRepliement(benchmark::State& state) {
    const auto f = static_cast<TformatWave>(state.range(0));
    const int pas = static_cast<int>(state.range(1));
    const auto son = SonPleineCapacite(f);
    auto filtre = AlloueVecteurSon();
    TfiltreAntiRepliement filtreur;
    for (auto _ : state) {
        filtreur.Applique(*son, TramesMax(f), pas, *filtre);
        benchmark::DoNotOptimize(filtre->zone[0]);
    }
}
BENCHMARK(AntiRepliement)
    ->ArgsProduct({{static_cast<int>(TformatWave::f16), static_cast<int>(TformatWave::f16stereo)}, {2, 5, 8}})
    ->ArgNames({"format", "pas"})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();

// A re-digitisation of the whole record, b changing between 3 and 4 at each one as a drag of
// the bits bar does: range(0) the law (0 uniform, 1 µ, 2 A), range(1) the dither, range(2) the step.
void Redigitalisation(benchmark::State& state) {
    const auto f = TformatWave::f16;
    const auto son = SonPleineCapacite(f);
    auto sousEch = AlloueVecteurSon();
    sousEch->formatWave = f;
    const ToptionsNumerisation options{static_cast<TloiQuantification>(state.range(0)), state.range(1) != 0};
    const int pas = static_cast<int>(state.range(2));
    TnumeriseurSon numeriseur;
    int b = 3;
    for (auto _ : state) {
        b = b == 3 ? 4 : 3;
        numeriseur.Numerise(*son, *sousEch, TramesMax(f), QuantumNumerisation(16, b), pas, options);
        benchmark::DoNotOptimize(sousEch->zone[0]);
    }
}
BENCHMARK(Redigitalisation)
    ->ArgsProduct({{0, 1, 2}, {0, 1}, {1, 5}})
    ->ArgNames({"loi", "dither", "pas"})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly();

}  // namespace

BENCHMARK_MAIN();
