// The views drawn at 1,920 pixels wide with the pixel canvas, against the former canvas
// (QPainter on a QImage) in the same run: the detail view (DrawG) and the overview (DrawAll)
// of the longest 16-bit sound, 2,097,152 bytes of a chord with noise.
#include <cmath>
#include <cstdlib>
#include <memory>

#include <benchmark/benchmark.h>
#include <QGuiApplication>
#include <QImage>

#include "CanevasQPainter.h"
#include "graph/CanevasPixels.h"
#include "graph/DessinVues.h"
#include "graph/GrapheSon.h"

namespace {

constexpr int kLargeur = 1920;
constexpr int kHauteurDetail = 250;
constexpr int kHauteurApercu = 50;

int Echantillon(std::int64_t i) {
    const double t = static_cast<double>(i);
    const double v =
        0.5 * std::sin(t * 0.031) + 0.3 * std::sin(t * 0.0047) + 0.1 * ((i * 7919) % 101) / 101.0;
    return static_cast<int>(v * 30000);
}

// The sound and its version held over 4 frames and kept on 4 bits.
struct Tsons {
    std::unique_ptr<TvecteurSon> son = AlloueVecteurSon();
    std::unique_ptr<TvecteurSon> numerise = AlloueVecteurSon();
    std::int32_t trames = kCapaciteSon / 2;

    Tsons() {
        son->formatWave = numerise->formatWave = TformatWave::f16;
        for (std::int32_t i = 0; i < trames; ++i) {
            son->setSon16(i, static_cast<std::int16_t>(Echantillon(i)));
            const int tenue = Echantillon(i - i % 4);
            numerise->setSon16(i, static_cast<std::int16_t>((tenue + 32768) / 4096 * 4096 - 32768));
        }
    }
};

const Tsons& Sons() {
    static const Tsons sons;
    return sons;
}

// A window-sized detail view with both grids, both curves and both cursors.
TgrapheSon Detail(TCanevas& canevas) {
    const Tsons& s = Sons();
    TgrapheSon g(s.son.get(), s.numerise.get());
    g.Canvas = &canevas;
    g.NbreTot = s.trames;
    g.NbreBits = 4;
    g.pasFreq = 4;
    g.mondeY.SetMinMax(-32764, 32764);
    PrepareDetail(g, kLargeur, kHauteurDetail, 16, 44100);
    g.debut = 500000;
    g.repere = 500100;
    g.repereTemps = 500150;
    g.avecTemps = true;
    return g;
}

TgrapheSon Apercu(TCanevas& canevas) {
    const Tsons& s = Sons();
    TgrapheSon g(s.numerise.get(), s.son.get());
    g.Canvas = &canevas;
    g.NbreTot = s.trames;
    PrepareApercu(g, kLargeur, kHauteurApercu);
    return g;
}

void BM_DrawGPixels(benchmark::State& etat) {
    TimagePixels image(kLargeur, kHauteurDetail, clBlanc);
    TCanevasPixels canevas(&image);
    TgrapheSon g = Detail(canevas);
    for (auto _ : etat) {
        g.DrawG();
        benchmark::DoNotOptimize(image.pixels.data());
    }
}

// One painter per view, as the former graph opened one for each drawing.
void BM_DrawGQPainter(benchmark::State& etat) {
    QImage image(kLargeur, kHauteurDetail, QImage::Format_RGB32);
    image.fill(Qt::white);
    TCanevasQPainter canevas(&image);
    TgrapheSon g = Detail(canevas);
    for (auto _ : etat) {
        TCanevasQPainter::Session session(canevas);
        g.DrawG();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_DrawAllPixels(benchmark::State& etat) {
    TimagePixels image(kLargeur, kHauteurApercu, clBlanc);
    TCanevasPixels canevas(&image);
    TgrapheSon g = Apercu(canevas);
    for (auto _ : etat) {
        g.DrawAll();
        benchmark::DoNotOptimize(image.pixels.data());
    }
}

void BM_DrawAllQPainter(benchmark::State& etat) {
    QImage image(kLargeur, kHauteurApercu, QImage::Format_RGB32);
    image.fill(Qt::white);
    TCanevasQPainter canevas(&image);
    TgrapheSon g = Apercu(canevas);
    for (auto _ : etat) {
        TCanevasQPainter::Session session(canevas);
        g.DrawAll();
        benchmark::DoNotOptimize(image.constBits());
    }
}

BENCHMARK(BM_DrawGPixels)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawGQPainter)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawAllPixels)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawAllQPainter)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
