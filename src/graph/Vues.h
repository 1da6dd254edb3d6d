// The views' pictures as QImages, for the window's image export and the command line.
#pragma once

#include <QImage>
#include <QSize>

#include "graph/DessinVues.h"

struct TimagesVues {
    QImage apercu;
    QImage detail;
};

// DessineVuesOuverture's pictures, copied into images of Format_RGB32.
TimagesVues DessineVuesOuverture(const TenregistrementSon& son, int b, int pas, QSize apercu, QSize detail,
                                 TCouleur fondSelection, const TcouleursVues& couleurs,
                                 bool avecErreur = false);

// The strip above the detail view, as on screen, with the gap of the splitter between them.
QImage AssembleVues(const QImage& apercu, const QImage& detail);
