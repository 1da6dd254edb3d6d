#include "graph/ImageQt.h"

namespace {

qsizetype OctetsParLigne(const TimagePixels& image) {
    return static_cast<qsizetype>(image.largeur) * sizeof(std::uint32_t);
}

}  // namespace

QImage EnveloppeImage(TimagePixels& image) {
    return QImage(reinterpret_cast<uchar*>(image.pixels.data()), image.largeur, image.hauteur,
                  OctetsParLigne(image), QImage::Format_RGB32);
}

QImage CopieImage(const TimagePixels& image) {
    return QImage(reinterpret_cast<const uchar*>(image.pixels.data()), image.largeur, image.hauteur,
                  OctetsParLigne(image), QImage::Format_RGB32)
        .copy();
}

TCouleur CouleurPixel(const QImage& image, int x, int y) {
    if (!image.valid(x, y)) return 0;
    const QRgb p = image.pixel(x, y);
    return static_cast<TCouleur>(qRed(p)) | static_cast<TCouleur>(qGreen(p)) << 8 |
           static_cast<TCouleur>(qBlue(p)) << 16;
}
