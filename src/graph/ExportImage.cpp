#include "graph/ExportImage.h"

#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>
#include <QSvgGenerator>

TformatImage FormatImage(const QString& nom) {
    if (nom.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) return TformatImage::fiPng;
    if (nom.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) return TformatImage::fiSvg;
    return TformatImage::fiInconnu;
}

namespace {

Techec EchecImage(const QString& message) {
    return Echec(message.toStdString());
}

}  // namespace

Tresultat<> EnregistreImage(const QString& nom, QSize taille, const QString& titre,
                            const std::function<void(QPainter&)>& dessin) {
    const TformatImage format = FormatImage(nom);
    if (format == TformatImage::fiInconnu)
        return EchecImage(
            QCoreApplication::translate("ExportImage",
                                        "format d'image inconnu (le nom doit finir par .png ou .svg) : %1")
                .arg(nom));
    QSaveFile fichier(nom);
    if (!fichier.open(QIODevice::WriteOnly))
        return EchecImage(QCoreApplication::translate("ExportImage", "impossible d'écrire %1 (%2)")
                              .arg(nom, fichier.errorString()));
    if (format == TformatImage::fiPng) {
        QImage image(taille, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter peintre(&image);
            dessin(peintre);
        }
        QImageWriter ecrivain(&fichier, "png");
        if (!ecrivain.write(image)) {
            fichier.cancelWriting();
            return EchecImage(QCoreApplication::translate("ExportImage", "impossible d'écrire %1 (%2)")
                                  .arg(nom, ecrivain.errorString()));
        }
    } else {
        QSvgGenerator svg;
        svg.setOutputDevice(&fichier);
        svg.setSize(taille);
        svg.setViewBox(QRect(QPoint(0, 0), taille));
        svg.setTitle(titre);
        svg.setDescription(QStringLiteral("Sampix"));
        QPainter peintre(&svg);
        dessin(peintre);
    }
    if (!fichier.commit())
        return EchecImage(QCoreApplication::translate("ExportImage", "impossible d'écrire %1 (%2)")
                              .arg(nom, fichier.errorString()));
    return {};
}
