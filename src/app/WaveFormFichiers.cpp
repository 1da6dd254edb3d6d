// Opening and saving sound files: the Open and Save buttons, the reader and the writer.
#include <initializer_list>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QScrollBar>
#include <QSlider>
#include <QStringList>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include "app/Application.h"
#include "app/DialogueExtrait.h"
#include "app/NomSysteme.h"
#include "app/PaintBox.h"
#include "app/WaveForm.h"
#include "graph/Chaines.h"
#include "platform/Dialogues.h"
#include "platform/Dossiers.h"
#include "platform/Messages.h"
#include "sound/EcrivainWav.h"
#include "sound/EnveloppeWav.h"
#include "sound/LecteurWav.h"
#include "sound/NomsFichiers.h"
#include "sound/RouteFichier.h"
#include "sound/TempsExtrait.h"

namespace {

const QString kMarqueTronque = QStringLiteral("erTronque");
// Columns of the envelope the excerpt dialog shows; it stretches them to its width.
constexpr int kColonnesEnveloppe = 2048;

// The first filter offers every sound the program opens, then one filter per road; the
// extensions are given in both cases because the dialog matches them as written.
QString FiltreOuverture() {
    const auto motifs = [](auto garde) {
        QStringList m;
        for (const TextensionSon& e : kExtensionsSons)
            if (garde(e.route))
                m << QStringLiteral("*.%1").arg(e.extension)
                  << QStringLiteral("*.%1").arg(e.extension).toUpper();
        return m.join(' ');
    };
    return TWaveForm::tr(
               "Fichiers sons (%1);;Fichiers WAV (%2);;Fichiers MP3 (%3);;FLAC, Ogg, Opus, AIFF (%4);;"
               "Tous les fichiers (*)")
        .arg(motifs([](TrouteFichier) { return true; }),
             motifs([](TrouteFichier r) { return r == TrouteFichier::rWav; }),
             motifs([](TrouteFichier r) { return r == TrouteFichier::rMp3; }),
             motifs([](TrouteFichier r) { return r == TrouteFichier::rAutreFormat; }));
}

// The first local file among the dropped items.
QString FichierDepose(const QMimeData& donnees) {
    for (const QUrl& adresse : donnees.urls())
        if (adresse.isLocalFile()) return adresse.toLocalFile();
    return {};
}

}  // namespace

void TWaveForm::OpenFileBtnClick() {
    if (!EtatCommandes(seance).ouvrir) return;
    const QString nom =
        ChoisitFichier({this, FiltreOuverture(), QStringLiteral("wav"), false, DossierDialogues()});
    if (nom.isEmpty()) return;
    dossierFichiers = QFileInfo(nom).absolutePath();
    OuvreFichier(nom);
}

QString TWaveForm::DossierDialogues() const {
    if (!dossierFichiers.isEmpty() && QFileInfo(dossierFichiers).isDir()) return dossierFichiers;
    return DossierExemples();
}

// A file dropped on the window opens as the Open button would open it, once the drop is over:
// the excerpt dialog and the conversion must not run inside the drag source's wait.
void TWaveForm::dragEnterEvent(QDragEnterEvent* evenement) {
    if (seance.Peut(Tactivite::acConversion) && !FichierDepose(*evenement->mimeData()).isEmpty())
        evenement->acceptProposedAction();
}

void TWaveForm::dropEvent(QDropEvent* evenement) {
    const QString nom = FichierDepose(*evenement->mimeData());
    if (nom.isEmpty() || !seance.Peut(Tactivite::acConversion)) return;
    evenement->acceptProposedAction();
    QTimer::singleShot(0, this, [this, nom] { OuvreFichier(nom); });
}

// Opening waits while a recording, an acquisition, a search, a conversion or the live mode
// runs, and ends a play or the animation. A compressed file opens once its conversion is over.
void TWaveForm::OuvreFichier(const QString& FileName) {
    if (!seance.Peut(Tactivite::acConversion)) return;
    ArreteCeQuiTourne();
    const TchoixRoute choix = ChoisitRoute(NomSysteme(FileName));
    if (choix.route != TrouteFichier::rWav) {
        if (choix.route == TrouteFichier::rMp3 && !bassOK) {
            AfficheMessage(tr("Décodeur MP3 non trouvé (libmpg123)"));
            return;
        }
        ConvertitEnWav(FileName, choix.route,
                       [this, FileName](const QString& wavName) { OuvreWav(wavName, FileName); });
        return;
    }
    OuvreWav(FileName, FileName);
}

void TWaveForm::OuvreWav(const QString& wavName, const QString& choisi) {
    if (const auto debut = ChoisitDebut(wavName, choisi)) ChargeFichierWav(wavName, *debut);
}

// A sound longer than the record asks which part to load, naming the file the teacher chose;
// any other opens at its start. Nothing when the teacher cancels. A file the reader refuses is
// left for it to report.
std::optional<std::int64_t> TWaveForm::ChoisitDebut(const QString& wavName, const QString& choisi) {
    // A file refused here is refused again by the reader, which says why.
    const std::string nom = NomSysteme(wavName);
    const auto decrit = DecritFichierWav(nom);
    if (!decrit) return 0;
    const TdescriptionWav& d = decrit.Valeur();
    if (d.tramesPresentes <= TramesMax(d.format)) return 0;
    auto enveloppe = EnveloppeWav(nom, d, kColonnesEnveloppe);
    if (!enveloppe) return 0;
    return ChoisitExtrait(
        {this, choisi, std::move(enveloppe).Valeur(), d.tramesPresentes, TramesMax(d.format), d.FreqEch});
}

void TWaveForm::ChargeFichierWav(const QString& FileName, std::int64_t debut) {
    if (!QFileInfo::exists(FileName)) {
        AfficheMessage(tr("Fichier introuvable :\n%1").arg(FileName));
        return;
    }
    const auto lu = LitFichierWav(NomSysteme(FileName), seance.son, debut);
    if (!lu) {
        // Nothing was read: the sound on screen stays, and so does everything about it.
        AfficheMessage(tr("Impossible d'ouvrir le fichier\n%1\n\n%2")
                           .arg(FileName, QString::fromStdString(lu.Message())));
        return;
    }
    const bool tronque = lu.Valeur();
    // The path is kept as chosen: names are case-sensitive here.
    seance.nomFichier = FileName;
    MarqueTitre(tronque, debut);
    ArreteEcoute();
    MediaPlayer.FileName = seance.nomFichier;
    if (const auto ouvert = MediaPlayer.Open()) {
        seance.OuvreLectures();
        MetAJourCommandes();
    } else {
        RefuseFichier(FileName, QString::fromStdString(ouvert.Message()));
    }
    MetVuesAuNouveauSon();
}

// The caption says when the sound was cut to the record's capacity and, for an excerpt, from
// where; a mark left by the previous sound goes first.
void TWaveForm::MarqueTitre(bool tronque, std::int64_t debut) {
    const QString marqueExtrait = tr(" (extrait à partir de ");
    QString titre = windowTitle();
    if (const auto marque = titre.indexOf(marqueExtrait); marque >= 0) titre.truncate(marque);
    if (tronque && !titre.endsWith(kMarqueTronque)) titre += kMarqueTronque;
    if (debut > 0)
        titre += marqueExtrait +
                 QString::fromStdString(TexteTemps(debut, seance.son.FreqEch, LangueInterface())) + ')';
    setWindowTitle(titre);
}

// A sound read but that the player cannot open: the view goes blank and no frame is kept.
void TWaveForm::RefuseFichier(const QString& FileName, const QString& raison) {
    seance.nomFichier.clear();
    seance.son.NbrePoints = 0;
    MediaPlayer.SetNotify(false);
    MediaPlayer.Close();
    MediaPlayer.FileName.clear();
    AfficheMessage(tr("Impossible d'ouvrir le fichier\n%1\n\n%2").arg(FileName, raison));
}

void TWaveForm::MetVuesAuNouveauSon() {
    seance.vue.repere = 0;
    seance.vue.repereTemps = 0;
    RegleScrollBar();
    ScrollBar->setValue(0);  // a new sound is shown from its start
    NouveauSonLecon();
    CalculeNumerique();
    Selectionne(0, seance.son.NbrePoints - 1);
    VoieLabel->setText(QString::fromStdString(
        TexteVoieMontree(*seance.son.vecteurSon, seance.son.NbrePoints, LangueInterface())));
}

void TWaveForm::Selectionne(std::int32_t debut, std::int32_t fin) {
    seance.debutS = debut;
    seance.finS = fin;
    PaintBoxAll->Redessine();
}

void TWaveForm::SaveBtnClick() {
    if (!EtatCommandes(seance).sauver) return;
    const QString choisi = ChoisitFichier(
        {this, tr("Son numérisé WAV (*.wav *.WAV)"), QStringLiteral("wav"), true, DossierDialogues()});
    if (choisi.isEmpty()) return;
    dossierFichiers = QFileInfo(choisi).absolutePath();
    const QString nom = QString::fromStdString(NomFichierWav(choisi.toStdString()));
    // Written beside and renamed when whole: a save that fails (a full disk, a pulled stick)
    // leaves a file already there as it was, and no part of a file where there was none.
    SignaleEcriture(nom, EcritWavNeuf(NomSysteme(nom), *seance.son.vecteurSonSousEch, seance.son.NbrePoints,
                                      seance.son.FreqEch));
}

void TWaveForm::EcritFichierWav(const QString& FileName, const TvecteurSon& vecteur) {
    SignaleEcriture(FileName,
                    EcritWav(NomSysteme(FileName), vecteur, seance.son.NbrePoints, seance.son.FreqEch));
}

void TWaveForm::SignaleEcriture(const QString& FileName, const Tresultat<>& ecrit) {
    if (!ecrit) {
        AfficheMessage(tr("Impossible de sauver le fichier simulé\n%1\n(%2)")
                           .arg(FileName, QString::fromStdString(ecrit.Message())));
        return;
    }
    seance.OuvreLectures();
    MetAJourCommandes();
}
