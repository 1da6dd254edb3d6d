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

// Ten seconds of a 16-bit chord at 44,100 Hz.
QString FichierAccord() {
    std::vector<std::int16_t> v(441000);
    for (std::size_t i = 0; i < v.size(); ++i) {
        const double t = i / 44100.0;
        double s = 0;
        for (double f : {220.0, 277.0, 330.0}) s += std::sin(2 * M_PI * f * t);
        v[i] = static_cast<std::int16_t>(9000 * s);
    }
    return FichierWavBanc("accord-dix-secondes.wav", v, 44100);
}

// 3 bits and a step of 4: level lines and sampling lines are drawn too.
void ScrollBarChangeVueComplete(benchmark::State& state) {
    TWaveForm fenetre;
    fenetre.show();
    QApplication::processEvents();
    Controle<QSlider>(fenetre, "BitsTB")->setValue(3);
    Controle<QSlider>(fenetre, "FechTB")->setValue(5);
    fenetre.ChargeFichierWav(FichierAccord());
    QApplication::processEvents();
    if (fenetre.Seance().nomFichier.isEmpty()) state.SkipWithError("son non chargé");
    QScrollBar* defilement = Controle<QScrollBar>(fenetre, "ScrollBar");
    int position = 0;
    for (auto _ : state) {
        position = (position + 1000) % defilement->maximum();
        defilement->setValue(position);
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(ScrollBarChangeVueComplete)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv) {
    return ExecuteBancs(argc, argv);
}
