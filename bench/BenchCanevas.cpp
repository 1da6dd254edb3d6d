// The views drawn at 1,920 pixels wide with the pixel canvas, against the former canvas
// (QPainter on a QImage) in the same run: the detail view and the overview
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

TsonsVue Vecteurs() {
    return {Sons().son.get(), Sons().numerise.get()};
}

// A window-sized detail view with both grids, both curves and both cursors.
TmodeleVue Modele() {
    TmodeleVue m;
    m.largeur = kLargeur;
    m.hauteur = kHauteurDetail;
    m.trames = Sons().trames;
    m.bits = 4;
    m.bitsSon = 16;
    m.pas = 4;
    m.frequence = 44100;
    m.debut = 500000;
    m.repere = 500100;
    m.repereTemps = 500150;
    m.avecTemps = true;
    return m;
}

void BM_DrawGPixels(benchmark::State& etat) {
    TimagePixels image(kLargeur, kHauteurDetail, clBlanc);
    TCanevasPixels canevas(&image);
    const TmodeleVue m = Modele();
    for (auto _ : etat) {
        DessineDetail(m, Vecteurs(), canevas, kLargeur, kHauteurDetail);
        benchmark::DoNotOptimize(image.pixels.data());
    }
}

// One painter per view, as the former graph opened one for each drawing.
void BM_DrawGQPainter(benchmark::State& etat) {
    QImage image(kLargeur, kHauteurDetail, QImage::Format_RGB32);
    image.fill(Qt::white);
    TCanevasQPainter canevas(&image);
    const TmodeleVue m = Modele();
    for (auto _ : etat) {
        TCanevasQPainter::Session session(canevas);
        DessineDetail(m, Vecteurs(), canevas, kLargeur, kHauteurDetail);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_DrawAllPixels(benchmark::State& etat) {
    TimagePixels image(kLargeur, kHauteurApercu, clBlanc);
    TCanevasPixels canevas(&image);
    const TmodeleVue m = Modele();
    for (auto _ : etat) {
        DessineApercu(m, Vecteurs(), canevas, kLargeur, kHauteurApercu);
        benchmark::DoNotOptimize(image.pixels.data());
    }
}

void BM_DrawAllQPainter(benchmark::State& etat) {
    QImage image(kLargeur, kHauteurApercu, QImage::Format_RGB32);
    image.fill(Qt::white);
    TCanevasQPainter canevas(&image);
    const TmodeleVue m = Modele();
    for (auto _ : etat) {
        TCanevasQPainter::Session session(canevas);
        DessineApercu(m, Vecteurs(), canevas, kLargeur, kHauteurApercu);
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
