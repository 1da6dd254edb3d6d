#include "app/LigneCommande.h"
#include "app/BoiteCouleur.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>

#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include "app/FichierOptions.h"
#include "app/NomSysteme.h"
#include "graph/Couleurs.h"
#include "graph/DessinSpectre.h"
#include "graph/ExportImage.h"
#include "graph/Vues.h"
#include "platform/ConversionSon.h"
#include "platform/DecodeurMp3.h"
#include "platform/Dossiers.h"
#include "sound/EcrivainWav.h"
#include "sound/EnregistrementSon.h"
#include "sound/LecteurWav.h"
#include "sound/Numerisation.h"
#include "sound/RapportSignalBruit.h"
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
    Ecrit(stderr, QStringLiteral("sampix : ") + texte);
    return code;
}

// An option's whole number from 1 to 8, as the track bars give.
std::optional<int> Reglage(const QCommandLineParser& p, const QString& nom, int defaut) {
    if (!p.isSet(nom)) return defaut;
    bool ok = false;
    const int v = p.value(nom).toInt(&ok);
    if (!ok || v < 1 || v > 8) return std::nullopt;
    return v;
}

// Qt's own headings come in English without its translations.
QString AideEnFrancais(QString texte) {
    return texte.replace(QLatin1String("Usage:"), QLatin1String("Utilisation :"))
        .replace(QLatin1String("Options:"), QLatin1String("Options :"))
        .replace(QLatin1String("Arguments:"), QLatin1String("Arguments :"));
}

bool MemeFichier(const QString& a, const QString& b) {
    std::error_code e;
    if (std::filesystem::equivalent(NomSysteme(a), NomSysteme(b), e)) return true;
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
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

// The start of the excerpt in seconds: a number, 0 or more.
std::optional<double> Debut(const QCommandLineParser& p, const QString& nom) {
    if (!p.isSet(nom)) return 0.0;
    bool ok = false;
    const double v = p.value(nom).toDouble(&ok);
    if (!ok || !(v >= 0) || !std::isfinite(v)) return std::nullopt;
    return v;
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
            return Echec("décodeur MP3 non trouvé (libmpg123)");
        if (!dossier.isValid())
            return Echec(QStringLiteral("pas de dossier temporaire où décoder le son (%1)")
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
        return Echec(QStringLiteral("--debut %1 s est après la fin du son (%2 s)")
                         .arg(debutSecondes)
                         .arg(static_cast<double>(d.tramesPresentes) / d.FreqEch, 0, 'f', 1)
                         .toStdString());
    const auto lu = LitFichierWav(wav, son, debut);
    if (!lu) return Echec(lu.Message());
    if (lu.Valeur())
        Ecrit(stderr, QStringLiteral("sampix : attention, %1 dépasse la capacité : seules %2 trames à partir "
                                     "de la trame %3 sont prises")
                          .arg(entree)
                          .arg(son.NbrePoints)
                          .arg(debut));
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

    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Sampix sans fenêtre : numérise un son sur B bits avec un pas d'échantillonnage S,\n"
        "écrit le son numérisé et, si on les demande, les images des vues et du spectre (PNG ou SVG),\n"
        "puis affiche sur une ligne le RSB mesuré et le RSB théorique.\n"
        "Un son qui n'est pas un WAV que Sampix lit tel quel (MP3, FLAC, Ogg, Opus, AIFF, WAV 24 bits...)\n"
        "est décodé dans un dossier temporaire, effacé ensuite : rien n'est écrit à côté du son."));
    const QCommandLineOption aide({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Affiche cette aide."));
    const QCommandLineOption bits(
        QStringLiteral("bits"), QStringLiteral("Bits gardés, de 1 à 8 (8 par défaut)."), QStringLiteral("B"));
    const QCommandLineOption pas(
        QStringLiteral("pas"),
        QStringLiteral("Pas d'échantillonnage : une valeur sur S, de 1 à 8 (1 par défaut)."),
        QStringLiteral("S"));
    const QCommandLineOption sortie(QStringLiteral("sortie"),
                                    QStringLiteral("Le son numérisé, fichier WAV à écrire (obligatoire)."),
                                    QStringLiteral("OUT.wav"));
    const QCommandLineOption image(QStringLiteral("image"),
                                   QStringLiteral("Image des deux vues à l'ouverture du son (.png ou .svg)."),
                                   QStringLiteral("VUE.png"));
    const QCommandLineOption spectre(
        QStringLiteral("spectre"),
        QStringLiteral("Image du spectre de tout le son et du son numérisé (.png ou .svg)."),
        QStringLiteral("SPECTRE.png"));
    const QCommandLineOption debut(QStringLiteral("debut"),
                                   QStringLiteral("Pour un son plus long que ce que Sampix garde : début de "
                                                  "l'extrait, en secondes (0 par défaut)."),
                                   QStringLiteral("SECONDES"));
    p.addOption(aide);
    for (const auto* o : {&bits, &pas, &debut, &sortie, &image, &spectre}) p.addOption(*o);
    p.addPositionalArgument(QStringLiteral("SON"),
                            QStringLiteral("Le son à numériser : WAV, MP3, FLAC, Ogg Vorbis, Opus ou AIFF."));

    if (!p.parse(QGuiApplication::arguments())) {
        if (!p.unknownOptionNames().isEmpty()) {
            QStringList noms;
            for (const QString& nom : p.unknownOptionNames()) noms << (nom.size() > 1 ? "--" : "-") + nom;
            return Erreur(kEchecCommande,
                          QStringLiteral("option inconnue : %1 (voir sampix --help)").arg(noms.join(", ")));
        }
        return Erreur(kEchecCommande, QStringLiteral("ligne de commande incorrecte (%1)").arg(p.errorText()));
    }
    if (p.isSet(aide)) {
        Ecrit(stdout, AideEnFrancais(p.helpText()).trimmed());
        return kReussi;
    }

    // Everything is checked before anything is read or written.
    const auto b = Reglage(p, bits.names().first(), 8);
    if (!b)
        return Erreur(kEchecCommande,
                      QStringLiteral("--bits attend un nombre de 1 à 8, pas « %1 »").arg(p.value(bits)));
    const auto s = Reglage(p, pas.names().first(), 1);
    if (!s)
        return Erreur(kEchecCommande,
                      QStringLiteral("--pas attend un nombre de 1 à 8, pas « %1 »").arg(p.value(pas)));
    const auto secondes = Debut(p, debut.names().first());
    if (!secondes)
        return Erreur(
            kEchecCommande,
            QStringLiteral("--debut attend un nombre de secondes positif, pas « %1 »").arg(p.value(debut)));
    if (!p.isSet(sortie) || p.value(sortie).isEmpty())
        return Erreur(kEchecCommande, QStringLiteral("--sortie manque : le fichier WAV à écrire"));
    if (p.positionalArguments().size() != 1)
        return Erreur(kEchecCommande,
                      QStringLiteral("il faut un et un seul son à numériser (voir sampix --help)"));
    const QString entree = p.positionalArguments().first();
    QStringList fichiers{entree, p.value(sortie)};
    for (const auto* o : {&image, &spectre}) {
        if (!p.isSet(*o)) continue;
        if (FormatImage(p.value(*o)) == TformatImage::fiInconnu)
            return Erreur(kEchecCommande, QStringLiteral("--%1 : le nom doit finir par .png ou .svg (%2)")
                                              .arg(o->names().first(), p.value(*o)));
        fichiers << p.value(*o);
    }
    for (int i = 0; i < fichiers.size(); ++i)
        for (int j = i + 1; j < fichiers.size(); ++j)
            if (MemeFichier(fichiers[i], fichiers[j]))
                return Erreur(
                    kEchecCommande,
                    QStringLiteral(
                        "%1 servirait deux fois : le son et les fichiers écrits doivent être distincts")
                        .arg(fichiers[j]));

    TenregistrementSon son;
    if (const auto charge = ChargeSon(entree, *secondes, son); !charge)
        return Erreur(kEchecFichier, QStringLiteral("impossible d'ouvrir %1 : %2")
                                         .arg(entree, QString::fromStdString(charge.Message())));
    NumeriseSon(*son.vecteurSon, *son.vecteurSonSousEch, son.NbrePoints, QuantumNumerisation(son.NBits, *b),
                *s);
    if (const auto ecrit =
            EcritWavNeuf(NomSysteme(p.value(sortie)), *son.vecteurSonSousEch, son.NbrePoints, son.FreqEch);
        !ecrit)
        return Erreur(kEchecFichier, QStringLiteral("impossible d'écrire %1 : %2")
                                         .arg(p.value(sortie), QString::fromStdString(ecrit.Message())));

    TcouleursVues couleurs;
    const bool logarithmique = LitReglagesFenetre(couleurs);
    if (p.isSet(image)) {
        const TimagesVues vues =
            DessineVuesOuverture(son, *b, *s, kApercu, kDetail,
                                 DeQColor(QGuiApplication::palette().color(QPalette::ToolTipBase)), couleurs);
        const QImage assemblee = AssembleVues(vues.apercu, vues.detail);
        if (const auto ecrit =
                EnregistreImage(p.value(image), assemblee.size(), QStringLiteral("Sampix : vues"),
                                [&](QPainter& peintre) { peintre.drawImage(0, 0, assemblee); });
            !ecrit)
            return Erreur(kEchecFichier, QString::fromStdString(ecrit.Message()));
    }
    if (p.isSet(spectre)) {
        TanalyseurSpectre analyseur;
        TvueSpectre vue;
        vue.analogique =
            analyseur.Calcule(*son.vecteurSon, son.NbrePoints, 0, son.NbrePoints - 1, son.FreqEch);
        vue.numerique =
            analyseur.Calcule(*son.vecteurSonSousEch, son.NbrePoints, 0, son.NbrePoints - 1, son.FreqEch);
        vue.freqEch = son.FreqEch;
        vue.pas = *s;
        vue.logarithmique = logarithmique;
        vue.couleurAnalogique = couleurs.courbe;
        vue.couleurNumerique = couleurs.bis;
        const QRect zone(QPoint(0, 0), kSpectre);
        if (const auto ecrit =
                EnregistreImage(p.value(spectre), kSpectre, QStringLiteral("Sampix : spectre"),
                                [&](QPainter& peintre) { DessineSpectre(peintre, zone, vue); });
            !ecrit)
            return Erreur(kEchecFichier, QString::fromStdString(ecrit.Message()));
    }
    const auto rsb = RapportSignalBruitMesure(*son.vecteurSon, *son.vecteurSonSousEch, son.NbrePoints);
    Ecrit(stdout, QString::fromStdString(TexteRapportSignalBruit(rsb, *b)));
    return kReussi;
}
