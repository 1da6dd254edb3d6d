#include "app/OptionsLigneCommande.h"

#include <cmath>
#include <filesystem>
#include <optional>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include "app/NomSysteme.h"
#include "graph/ExportImage.h"

namespace {

// An option's whole number from 1 to 8, as the track bars give.
std::optional<int> Reglage(const QCommandLineParser& p, const QString& nom, int defaut) {
    if (!p.isSet(nom)) return defaut;
    bool ok = false;
    const int v = p.value(nom).toInt(&ok);
    if (!ok || v < 1 || v > 8) return std::nullopt;
    return v;
}

// The start of the excerpt in seconds: a number, 0 or more.
std::optional<double> Debut(const QCommandLineParser& p, const QString& nom) {
    if (!p.isSet(nom)) return 0.0;
    bool ok = false;
    const double v = p.value(nom).toDouble(&ok);
    if (!ok || !(v >= 0) || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<TloiQuantification> Loi(const QCommandLineParser& p, const QString& nom) {
    if (!p.isSet(nom)) return TloiQuantification::uniforme;
    const QString v = p.value(nom);
    if (v == QLatin1String("uniforme")) return TloiQuantification::uniforme;
    if (v == QLatin1String("mu")) return TloiQuantification::mu;
    if (v == QLatin1String("a")) return TloiQuantification::a;
    return std::nullopt;
}

// Qt's own headings come in English without its translations: they take the interface's language.
QString EntetesTraduits(QString texte) {
    return texte
        .replace(QLatin1String("Usage:"),
                 QCoreApplication::translate("OptionsLigneCommande", "Utilisation :"))
        .replace(QLatin1String("Options:"), QCoreApplication::translate("OptionsLigneCommande", "Options :"))
        .replace(QLatin1String("Arguments:"),
                 QCoreApplication::translate("OptionsLigneCommande", "Arguments :"));
}

bool MemeFichier(const QString& a, const QString& b) {
    std::error_code e;
    if (std::filesystem::equivalent(NomSysteme(a), NomSysteme(b), e)) return true;
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

TligneLue Refus(const QString& message) {
    TligneLue lue;
    lue.refus = message;
    return lue;
}

}  // namespace

TligneLue LitLigneDeCommande(const QStringList& arguments) {
    QCommandLineParser p;
    p.setApplicationDescription(QCoreApplication::translate(
        "OptionsLigneCommande",
        "Sampix sans fenêtre : numérise un son sur B bits avec un pas d'échantillonnage S,\n"
        "écrit le son numérisé et, si on les demande, le son reconstruit et les images des vues et du\n"
        "spectre (PNG ou SVG), puis affiche deux lignes :\n"
        "  le RSB mesuré et le RSB théorique (suivis du RSB de la reconstruction quand on la demande),\n"
        "  le débit et la taille du son numérisé.\n"
        "Un son qui n'est pas un WAV que Sampix lit tel quel (MP3, FLAC, Ogg, Opus, AIFF, WAV 24 bits...)\n"
        "est décodé dans un dossier temporaire, effacé ensuite : rien n'est écrit à côté du son."));
    const QCommandLineOption aide({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("OptionsLigneCommande", "Affiche cette aide."));
    const QCommandLineOption bits(
        QStringLiteral("bits"),
        QCoreApplication::translate("OptionsLigneCommande", "Bits gardés, de 1 à 8 (8 par défaut)."),
        QStringLiteral("B"));
    const QCommandLineOption pas(
        QStringLiteral("pas"),
        QCoreApplication::translate("OptionsLigneCommande",
                                    "Pas d'échantillonnage : une valeur sur S, de 1 à 8 (1 par défaut)."),
        QStringLiteral("S"));
    const QCommandLineOption quantification(
        QStringLiteral("quantification"),
        QCoreApplication::translate(
            "OptionsLigneCommande",
            "Loi de quantification : uniforme (par défaut), mu (loi µ) ou a (loi A) ; "
            "à 8 bits, les lois µ et A sont celles du téléphone (G.711)."),
        QStringLiteral("LOI"));
    const QCommandLineOption dither(
        QStringLiteral("dither"),
        QCoreApplication::translate(
            "OptionsLigneCommande",
            "Ajoute avant la quantification un bruit triangulaire de ±1 pas de quantification "
            "(dither), le même à chaque fois."));
    const QCommandLineOption debut(
        QStringLiteral("debut"),
        QCoreApplication::translate("OptionsLigneCommande",
                                    "Pour un son plus long que ce que Sampix garde : début de "
                                    "l'extrait, en secondes (0 par défaut)."),
        QStringLiteral("SECONDES"));
    const QCommandLineOption sortie(
        QStringLiteral("sortie"),
        QCoreApplication::translate("OptionsLigneCommande",
                                    "Le son numérisé, fichier WAV à écrire (obligatoire)."),
        QStringLiteral("OUT.wav"));
    const QCommandLineOption reconstruction(
        QStringLiteral("reconstruction"),
        QCoreApplication::translate(
            "OptionsLigneCommande",
            "Le son reconstruit (le son numérisé lissé par le filtre de reconstruction), "
            "fichier WAV à écrire."),
        QStringLiteral("RECONSTRUIT.wav"));
    const QCommandLineOption image(
        QStringLiteral("image"),
        QCoreApplication::translate("OptionsLigneCommande",
                                    "Image des deux vues à l'ouverture du son (.png ou .svg)."),
        QStringLiteral("VUE.png"));
    const QCommandLineOption spectre(
        QStringLiteral("spectre"),
        QCoreApplication::translate("OptionsLigneCommande",
                                    "Image du spectre de tout le son et du son numérisé (.png ou .svg)."),
        QStringLiteral("SPECTRE.png"));
    p.addOption(aide);
    for (const auto* o :
         {&bits, &pas, &quantification, &dither, &debut, &sortie, &reconstruction, &image, &spectre})
        p.addOption(*o);
    p.addPositionalArgument(
        QStringLiteral("SON"),
        QCoreApplication::translate("OptionsLigneCommande",
                                    "Le son à numériser : WAV, MP3, FLAC, Ogg Vorbis, Opus ou AIFF."));

    if (!p.parse(arguments)) {
        if (!p.unknownOptionNames().isEmpty()) {
            QStringList noms;
            for (const QString& nom : p.unknownOptionNames()) noms << (nom.size() > 1 ? "--" : "-") + nom;
            return Refus(QCoreApplication::translate("OptionsLigneCommande",
                                                     "option inconnue : %1 (voir sampix --help)")
                             .arg(noms.join(", ")));
        }
        return Refus(QCoreApplication::translate("OptionsLigneCommande", "ligne de commande incorrecte (%1)")
                         .arg(p.errorText()));
    }
    TligneLue lue;
    if (p.isSet(aide)) {
        lue.aide = EntetesTraduits(p.helpText()).trimmed();
        return lue;
    }

    TdemandeLigne& d = lue.demande;
    const auto b = Reglage(p, bits.names().first(), 8);
    if (!b)
        return Refus(QCoreApplication::translate("OptionsLigneCommande",
                                                 "--bits attend un nombre de 1 à 8, pas « %1 »")
                         .arg(p.value(bits)));
    d.bits = *b;
    const auto s = Reglage(p, pas.names().first(), 1);
    if (!s)
        return Refus(
            QCoreApplication::translate("OptionsLigneCommande", "--pas attend un nombre de 1 à 8, pas « %1 »")
                .arg(p.value(pas)));
    d.pas = *s;
    const auto loi = Loi(p, quantification.names().first());
    if (!loi)
        return Refus(QCoreApplication::translate("OptionsLigneCommande",
                                                 "--quantification attend uniforme, mu ou a, pas « %1 »")
                         .arg(p.value(quantification)));
    d.options = {*loi, p.isSet(dither)};
    const auto secondes = Debut(p, debut.names().first());
    if (!secondes)
        return Refus(QCoreApplication::translate("OptionsLigneCommande",
                                                 "--debut attend un nombre de secondes positif, pas « %1 »")
                         .arg(p.value(debut)));
    d.debutSecondes = *secondes;
    if (!p.isSet(sortie) || p.value(sortie).isEmpty())
        return Refus(
            QCoreApplication::translate("OptionsLigneCommande", "--sortie manque : le fichier WAV à écrire"));
    if (p.isSet(reconstruction) && p.value(reconstruction).isEmpty())
        return Refus(QCoreApplication::translate("OptionsLigneCommande",
                                                 "--reconstruction attend le nom du fichier WAV à écrire"));
    if (p.positionalArguments().size() != 1)
        return Refus(QCoreApplication::translate(
            "OptionsLigneCommande", "il faut un et un seul son à numériser (voir sampix --help)"));
    d.son = p.positionalArguments().first();
    d.sortie = p.value(sortie);
    d.reconstruction = p.value(reconstruction);
    QStringList fichiers{d.son, d.sortie};
    if (!d.reconstruction.isEmpty()) fichiers << d.reconstruction;
    for (const auto* o : {&image, &spectre}) {
        if (!p.isSet(*o)) continue;
        if (FormatImage(p.value(*o)) == TformatImage::fiInconnu)
            return Refus(QCoreApplication::translate("OptionsLigneCommande",
                                                     "--%1 : le nom doit finir par .png ou .svg (%2)")
                             .arg(o->names().first(), p.value(*o)));
        fichiers << p.value(*o);
    }
    d.image = p.value(image);
    d.spectre = p.value(spectre);
    for (int i = 0; i < fichiers.size(); ++i)
        for (int j = i + 1; j < fichiers.size(); ++j)
            if (MemeFichier(fichiers[i], fichiers[j]))
                return Refus(
                    QCoreApplication::translate(
                        "OptionsLigneCommande",
                        "%1 servirait deux fois : le son et les fichiers écrits doivent être distincts")
                        .arg(fichiers[j]));
    return lue;
}
