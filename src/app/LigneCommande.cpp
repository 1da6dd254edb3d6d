#include "app/LigneCommande.h"
#include "app/BoiteCouleur.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/Application.h"
#include "app/FichierOptions.h"
#include "app/NomSysteme.h"
#include "app/OptionsLigneCommande.h"
#include "graph/Couleurs.h"
#include "graph/DessinSpectre.h"
#include "graph/ExportImage.h"
#include "graph/Vues.h"
#include "platform/ConversionSon.h"
#include "platform/DecodeurMp3.h"
#include "platform/Dossiers.h"
#include "sound/Debit.h"
#include "sound/EcrivainWav.h"
#include "sound/EnregistrementSon.h"
#include "sound/LecteurWav.h"
#include "sound/Numerisation.h"
#include "sound/RapportSignalBruit.h"
#include "sound/Reconstruction.h"
#include "sound/RouteFichier.h"
#include "sound/Spectre.h"

namespace {

enum TcodeSortie { kReussi = 0, kEchecFichier = 1, kEchecCommande = 2 };

// The views at the window's size once it opens, the spectrum at its window's.
constexpr QSize kApercu(1073, 50);
constexpr QSize kDetail(1073, 220);
constexpr QSize kSpectre(900, 500);

void Ecrit(std::FILE* flux, const QString& texte) {
    const QByteArray octets = (texte + '\n').toUtf8();
    std::fwrite(octets.constData(), 1, static_cast<std::size_t>(octets.size()), flux);
}

int Erreur(int code, const QString& texte) {
    Ecrit(stderr, QCoreApplication::translate("LigneCommande", "sampix : %1").arg(texte));
    return code;
}

// The colours (into `couleurs`) and the spectrum's axis that the window would use, from its settings
// file when there is one; nothing is created when there is none.
bool LitReglagesFenetre(TcouleursVues& couleurs) {
    bool logarithmique = false;
    const QString ini = FichierReglages();
    if (!QFileInfo::exists(ini) || !FichierOptionsUtilisable(ini)) return logarithmique;
    const TfichierOptions options(ini);
    options.LitCouleurs(couleurs.courbe, couleurs.bis, couleurs.niveau);
    options.LitCouleurErreur(couleurs.erreur);
    options.LitCouleurReconstruction(couleurs.reconstruction);
    options.LitEchelleSpectre(logarithmique);
    return logarithmique;
}

// Reads the sound into the record as the window opens it: a WAV file the reader takes as it
// is, any other sound decoded first into a folder of its own under the temporary folder,
// removed on return. An error gives the message to print.
Tresultat<> ChargeSon(const QString& entree, double debutSecondes, TenregistrementSon& son) {
    const std::string nom = NomSysteme(entree);
    const TchoixRoute choix = ChoisitRoute(nom);
    QTemporaryDir dossier;
    std::string wav = nom;
    if (choix.route != TrouteFichier::rWav) {
        if (choix.route == TrouteFichier::rMp3 && !DecodeurMp3Disponible())
            return Echec(QCoreApplication::translate("LigneCommande", "décodeur MP3 non trouvé (libmpg123)")
                             .toStdString());
        if (!dossier.isValid())
            return Echec(QCoreApplication::translate("LigneCommande",
                                                     "pas de dossier temporaire où décoder le son (%1)")
                             .arg(dossier.errorString())
                             .toStdString());
        const std::string decode = NomSysteme(dossier.filePath(QStringLiteral("son.wav")));
        const auto ecrit = ConvertitSon(choix.route, nom, {decode}, {});
        if (!ecrit) return Echec(ecrit.Message());
        if (!ecrit.Valeur()) return Echec(ecrit.Valeur().Message());
        wav = ecrit.Valeur().Valeur().fichier;
    }
    const auto decrit = DecritFichierWav(wav);
    if (!decrit) return Echec(decrit.Message());
    const TdescriptionWav& d = decrit.Valeur();
    const auto debut = std::llround(debutSecondes * d.FreqEch);
    if (debut > 0 && debut >= d.tramesPresentes)
        return Echec(
            QCoreApplication::translate("LigneCommande", "--debut %1 s est après la fin du son (%2 s)")
                .arg(debutSecondes)
                .arg(static_cast<double>(d.tramesPresentes) / d.FreqEch, 0, 'f', 1)
                .toStdString());
    const auto lu = LitFichierWav(wav, son, debut);
    if (!lu) return Echec(lu.Message());
    if (lu.Valeur())
        Ecrit(stderr, QCoreApplication::translate(
                          "LigneCommande",
                          "sampix : attention, %1 dépasse la capacité : seules %2 trames à partir "
                          "de la trame %3 sont prises")
                          .arg(entree)
                          .arg(son.NbrePoints)
                          .arg(debut));
    return {};
}

// Writes a digitised or reconstructed sound in the record's layout and rate, as a whole new file.
Tresultat<> EcritSon(const QString& nom, const TvecteurSon& vecteur, const TenregistrementSon& son) {
    if (const auto ecrit = EcritWavNeuf(NomSysteme(nom), vecteur, son.NbrePoints, son.FreqEch); !ecrit)
        return Echec(QCoreApplication::translate("LigneCommande", "impossible d'écrire %1 : %2")
                         .arg(nom, QString::fromStdString(ecrit.Message()))
                         .toStdString());
    return {};
}

}  // namespace

bool EstLigneDeCommande(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--", 2) == 0 || std::strcmp(argv[i], "-h") == 0) return true;
    return false;
}

int ExecuteLigneDeCommande(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("sampix"));
    // The same language as the window's, by the same rule.
    const auto traduction = InterfaceEnFrancais(QLocale::system()) ? nullptr : TraductionAnglaise();
    if (traduction) QCoreApplication::installTranslator(traduction.get());
    InstalleTraductionDuNoyau();

    const TligneLue lue = LitLigneDeCommande(QGuiApplication::arguments());
    if (!lue.refus.isEmpty()) return Erreur(kEchecCommande, lue.refus);
    if (!lue.aide.isEmpty()) {
        Ecrit(stdout, lue.aide);
        return kReussi;
    }
    const TdemandeLigne& d = lue.demande;

    TenregistrementSon son;
    if (const auto charge = ChargeSon(d.son, d.debutSecondes, son); !charge)
        return Erreur(kEchecFichier,
                      QCoreApplication::translate("LigneCommande", "impossible d'ouvrir %1 : %2")
                          .arg(d.son, QString::fromStdString(charge.Message())));
    TnumeriseurSon().Numerise(*son.vecteurSon, *son.vecteurSonSousEch, son.NbrePoints,
                              QuantumNumerisation(son.NBits, d.bits), d.pas, d.options);
    if (const auto ecrit = EcritSon(d.sortie, *son.vecteurSonSousEch, son); !ecrit)
        return Erreur(kEchecFichier, QString::fromStdString(ecrit.Message()));
    std::string rsbReconstruction;
    if (!d.reconstruction.isEmpty()) {
        const auto reconstruit = AlloueVecteurSon();
        reconstruit->formatWave = son.Format();
        Treconstruction().CalculeTout(*son.vecteurSonSousEch, son.NbrePoints, d.pas, *reconstruit);
        if (const auto ecrit = EcritSon(d.reconstruction, *reconstruit, son); !ecrit)
            return Erreur(kEchecFichier, QString::fromStdString(ecrit.Message()));
        rsbReconstruction = " ; " + TexteRapportReconstruction(RapportSignalBruitMesure(
                                        *son.vecteurSon, *reconstruit, son.NbrePoints));
    }

    TcouleursVues couleurs;
    const bool logarithmique = LitReglagesFenetre(couleurs);
    if (!d.image.isEmpty()) {
        const TimagesVues vues =
            DessineVuesOuverture(son, d.bits, d.pas, kApercu, kDetail,
                                 DeQColor(QGuiApplication::palette().color(QPalette::ToolTipBase)), couleurs);
        const QImage assemblee = AssembleVues(vues.apercu, vues.detail);
        if (const auto ecrit =
                EnregistreImage(d.image, assemblee.size(), QStringLiteral("Sampix : vues"),
                                [&](QPainter& peintre) { peintre.drawImage(0, 0, assemblee); });
            !ecrit)
            return Erreur(kEchecFichier, QString::fromStdString(ecrit.Message()));
    }
    if (!d.spectre.isEmpty()) {
        TanalyseurSpectre analyseur;
        TvueSpectre vue;
        vue.analogique =
            analyseur.Calcule(*son.vecteurSon, son.NbrePoints, 0, son.NbrePoints - 1, son.FreqEch);
        vue.numerique =
            analyseur.Calcule(*son.vecteurSonSousEch, son.NbrePoints, 0, son.NbrePoints - 1, son.FreqEch);
        vue.freqEch = son.FreqEch;
        vue.pas = d.pas;
        vue.logarithmique = logarithmique;
        vue.couleurAnalogique = couleurs.courbe;
        vue.couleurNumerique = couleurs.bis;
        const QRect zone(QPoint(0, 0), kSpectre);
        if (const auto ecrit =
                EnregistreImage(d.spectre, kSpectre, QStringLiteral("Sampix : spectre"),
                                [&](QPainter& peintre) { DessineSpectre(peintre, zone, vue); });
            !ecrit)
            return Erreur(kEchecFichier, QString::fromStdString(ecrit.Message()));
    }
    const auto rsb = RapportSignalBruitMesure(*son.vecteurSon, *son.vecteurSonSousEch, son.NbrePoints);
    // The first line starts as it always was, so that scripts that read the ratio go on.
    Ecrit(stdout, QString::fromStdString(TexteRapportSignalBruit(rsb, d.bits) + rsbReconstruction));
    Ecrit(stdout,
          QString::fromStdString(TexteDebit(son.FreqEch, d.pas, d.bits, son.Format(), son.NbrePoints)));
    return kReussi;
}
