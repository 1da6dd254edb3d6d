// Pictures for a handout or a slide: PNG or SVG, chosen by the file's extension.
#pragma once

#include <functional>

#include <QPainter>
#include <QSize>
#include <QString>

#include "sound/Resultat.h"

enum class TformatImage { fiPng, fiSvg, fiInconnu };

// ".png" or ".svg", in any case.
TformatImage FormatImage(const QString& nom);

// Draws a picture of `taille` with `dessin` and writes it to `nom`: on an image for PNG, on
// Qt's SVG generator for SVG (vector strokes and text, images embedded). The file is written
// beside its name and renamed when complete, so that a failure leaves no half-written file and
// an existing file as it was. A failure gives the reason, in French.
Tresultat<> EnregistreImage(const QString& nom, QSize taille, const QString& titre,
                            const std::function<void(QPainter&)>& dessin);
