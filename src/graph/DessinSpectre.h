// The spectrum plot: the magnitude spectra of the sound and of the digitised sound in dB,
// over a frequency axis in Hz, linear or logarithmic, with the new Nyquist frequency
// FreqEch / (2·s) marked by a vertical line and its value. Drawn with a QPainter on any
// device (the spectrum window, an image, an SVG file), so that all of them show the same.
#pragma once

#include <QPainter>
#include <QRect>
#include <QString>

#include "graph/Couleurs.h"
#include "sound/Spectre.h"

struct TvueSpectre {
    Tspectre analogique;
    Tspectre numerique;
    std::uint32_t freqEch = 0;
    int pas = 1;
    bool logarithmique = false;
    TCouleur couleurAnalogique = 0x808080;
    TCouleur couleurNumerique = 0x0000FF;
};

// Where a frequency falls on the plot's horizontal axis: linear from 0 Hz, or logarithmic from
// 20 Hz (the lowest sound one hears), up to FreqEch / 2.
class TaxeFrequence {
public:
    TaxeFrequence(double frequenceMax, bool logarithmique, int gauche, int droite);
    double X(double frequence) const;
    double Minimum() const { return minimum_; }
    double Maximum() const { return maximum_; }

private:
    double minimum_, maximum_;
    bool log_;
    int gauche_, droite_;
};

// The part of `zone` that holds the curves, inside the axes' labels and the legend.
QRect ZoneCourbesSpectre(const QRect& zone);

// Levels shown, in dB: a full-scale sine reads 0.
inline constexpr double kSpectreDbMin = -120;
inline constexpr double kSpectreDbMax = 0;

void DessineSpectre(QPainter& peintre, const QRect& zone, const TvueSpectre& vue);

// A frequency in Hz with up to two decimals and the interface's decimal separator: "2756,25" in
// French, "2756.25" in English, "11025".
QString TexteFrequence(double frequence);
