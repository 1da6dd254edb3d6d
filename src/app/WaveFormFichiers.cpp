// Opening and saving sound files: the Open and Save buttons, the reader and the writer.
#include <initializer_list>

#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QSlider>
#include <QStringList>
#include <QToolButton>

#include "app/NomSysteme.h"
#include "app/PaintBox.h"
#include "app/WaveForm.h"
#include "platform/Dialogues.h"
#include "platform/Messages.h"
#include "sound/EcrivainWav.h"
#include "sound/LecteurWav.h"
#include "sound/NomsFichiers.h"

namespace {

const char* const kMarqueTronque = "erTronque";

// The first filter offers every sound the program opens; the extensions are given in both
// cases because the dialog matches them as written.
QString FiltreOuverture() {
    const auto motifs = [](std::initializer_list<const char*> extensions) {
        QStringList m;
        for (const char* e : extensions)
            m << QStringLiteral("*.%1").arg(e) << QStringLiteral("*.%1").arg(e).toUpper();
        return m.join(' ');
    };
    return QStringLiteral(
               "Fichiers sons (%1);;Fichiers WAV (%2);;Fichiers MP3 (%3);;FLAC, Ogg, Opus, AIFF (%4);;"
               "Tous les fichiers (*)")
        .arg(motifs({"wav", "mp3", "flac", "ogg", "oga", "opus", "aif", "aiff", "aifc"}), motifs({"wav"}),
             motifs({"mp3"}), motifs({"flac", "ogg", "oga", "opus", "aif", "aiff", "aifc"}));
}

}  // namespace

void TWaveForm::OpenFileBtnClick() {
    const QString nom = ChoisitFichier({this, FiltreOuverture(), QStringLiteral("wav"), false});
    if (!nom.isEmpty()) OuvreFichier(nom);
}

void TWaveForm::OuvreFichier(const QString& FileName) {
    const TchoixRoute choix = ChoisitRoute(NomSysteme(FileName));
    switch (choix.route) {
        case TrouteFichier::rWav:
            ChargeFichierWav(FileName);
            return;
        case TrouteFichier::rNomWav:
            AfficheMessage(
                QStringLiteral("Impossible d'ouvrir le fichier\n%1\n\nSon nom finit par .wav, mais il "
                               "contient un son %2 : donnez-lui l'extension de ce format pour que "
                               "Sampix le convertisse.")
                    .arg(FileName, QString::fromStdString(choix.contenu)));
            return;
        case TrouteFichier::rMp3:
            if (!bassOK) {
                AfficheMessage(QStringLiteral("Décodeur MP3 non trouvé (libmpg123)"));
                return;
            }
            break;
        case TrouteFichier::rAutreFormat:
            break;
    }
    const QString wavName = ConvertitEnWav(FileName, choix.route);
    if (!wavName.isEmpty()) ChargeFichierWav(wavName);
}

void TWaveForm::ChargeFichierWav(const QString& FileName) {
    // The path is kept as chosen: names are case-sensitive here.
    nomFichier = FileName;
    if (!QFileInfo::exists(FileName)) {
        nomFichier.clear();
        AfficheMessage(QStringLiteral("Fichier introuvable :\n%1").arg(FileName));
        return;
    }
    try {
        if (LitFichierWav(NomSysteme(FileName), son) && !windowTitle().endsWith(kMarqueTronque))
            setWindowTitle(windowTitle() + kMarqueTronque);
        ArreteEcoute();
        MediaPlayer.FileName = nomFichier;
        MediaPlayer.Open();
        for (QWidget* w : {static_cast<QWidget*>(PlayBtn), static_cast<QWidget*>(AnimBtn),
                           static_cast<QWidget*>(PlaySousEchBtn), static_cast<QWidget*>(BitsTB),
                           static_cast<QWidget*>(FechTB)})
            w->setEnabled(true);
        StopPlayBtn->setEnabled(false);
    } catch (const EWavError& e) {
        RefuseFichier(FileName, QString::fromStdString(e.what()));
    } catch (const ELecteurErreur& e) {
        RefuseFichier(FileName, QString::fromStdString(e.what()));
    }
    MetVuesAuNouveauSon();
}

// One message naming the file and the reason; the view goes blank and no frame is kept,
// so nothing later reads the vectors with a count from another layout.
void TWaveForm::RefuseFichier(const QString& FileName, const QString& raison) {
    nomFichier.clear();
    son.NbrePoints = 0;
    MediaPlayer.SetNotify(false);
    MediaPlayer.Close();
    MediaPlayer.FileName.clear();
    AfficheMessage(QStringLiteral("Impossible d'ouvrir le fichier\n%1\n\n%2").arg(FileName, raison));
}

void TWaveForm::MetVuesAuNouveauSon() {
    graphe->repere = 0;
    graphe->repereTemps = 0;
    graphe->NbreTot = son.NbrePoints;
    grapheAll->NbreTot = son.NbrePoints;
    RegleScrollBar();
    ScrollBar->setValue(0);  // a new sound is shown from its start
    CalculeNumerique();
    debutS = 0;
    finS = son.NbrePoints - 1;
    PaintBoxAll->Redessine();
    NouveauSonLecon();
}

void TWaveForm::SaveBtnClick() {
    const QString choisi = ChoisitFichier({this, QString(), QStringLiteral("sav"), true});
    if (choisi.isEmpty()) return;
    const QString nom = QString::fromStdString(ChangeExtension(choisi.toStdString(), ".WAV"));
    // Written beside and renamed when whole: a save that fails (a full disk, a pulled stick)
    // leaves a file already there as it was, and no part of a file where there was none.
    SignaleEcriture(nom, EcritWavNeuf(NomSysteme(nom), *son.vecteurSonSousEch, son.NbrePoints, son.FreqEch));
}

void TWaveForm::EcritFichierWav(const QString& FileName, const TvecteurSon& vecteur) {
    SignaleEcriture(FileName, EcritWav(NomSysteme(FileName), vecteur, son.NbrePoints, son.FreqEch));
}

void TWaveForm::SignaleEcriture(const QString& FileName, const std::optional<std::string>& echec) {
    if (echec) {
        AfficheMessage(QStringLiteral("Impossible de sauver le fichier simulé\n%1\n(%2)")
                           .arg(FileName, QString::fromStdString(*echec)));
        return;
    }
    PlaySousEchBtn->setEnabled(true);
    PlayBtn->setEnabled(true);
    AnimBtn->setEnabled(true);
}
