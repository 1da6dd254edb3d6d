// Start-up and shutdown of the main window, its resizing and its activation.
#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QProgressBar>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>

#include "app/Application.h"
#include "app/NomSysteme.h"
#include "app/PaintBox.h"
#include "app/PlacementFenetre.h"
#include "app/WaveForm.h"
#include "platform/DecodeurMp3.h"
#include "platform/Dossiers.h"
#include "platform/Messages.h"
#include "platform/PiloteVQ2.h"
#include "sound/EcrivainWav.h"

TWaveForm::TWaveForm(QWidget* parent) : QWidget(parent) {
    CreeControles();
    setAcceptDrops(true);
    FormCreate();
}

void TWaveForm::FormCreate() {
    // The documents folder is made for the teacher's own sounds; the program keeps nothing there.
    DossierDocuments();
    appDataDir = DossierDonnees();
    nomFichierIni = FichierReglages();
    velta.VoieSerie.TraceName = appDataDir + "Sampix.TRC";
    velta.OnFinRecherche = [this](const Tresultat<>& resultat) { FinRecherche(resultat); };
    velta.OnFinArret = [this] { FinArretInterface(); };
    velta.OnProgression = [this](std::int32_t n) { Gauge->setValue(n); };
    velta.OnFinAcquisition = [this] { FinAcquisition(); };
    velta.OnCoupure = [this](const QString& raison) { CoupureInterface(raison); };
    if (const TpiloteVQ2* pilote = PiloteVQ2(); pilote != nullptr && pilote->vq2OK())
        velta.BranchePilote(pilote->Points());
    seance.son.FixeFormat(NbitsCarte == 8 ? TformatWave::f8 : TformatWave::f16);
    // The duration label writes its figures as the interface does.
    seance.vue.separateurDecimal = Selon(LangueInterface(), ",", ".");
    PrepareVues();
    seance.nomFichierRecord = appDataDir + "sampixRecord.wav";
    seance.nomFichierSousEch = appDataDir + "sampixSousEch.wav";
    seance.nomFichierErreur = appDataDir + "sampixErreur.wav";
    seance.nomFichierReconstruction = appDataDir + "sampixReconstruction.wav";
    seance.nomFichier.clear();
    if (QFileInfo::exists(nomFichierIni)) LitOptions();
    PlaceAuDemarrage();
    bassOK = DecodeurMp3Disponible();
    // The writer only overwrites existing files, so both working files must exist. A failure
    // is shown and the window still opens: files can still be opened and played.
    for (const QString& nom : {seance.nomFichierSousEch, seance.nomFichierRecord})
        if (const auto cree = CreeFichierSiAbsent(NomSysteme(nom)); !cree) {
            AfficheMessage(QString::fromStdString(cree.Message()));
            break;
        }
    ListeEntreesSon();
    MetAJourCommandes();
}

void TWaveForm::PlaceAuDemarrage() {
    const QScreen* principal = QGuiApplication::primaryScreen();
    if (principal == nullptr) return;
    QList<QRect> ecrans;
    for (const QScreen* ecran : QGuiApplication::screens()) ecrans.append(ecran->availableGeometry());
    const QRect place = PlacementFenetre(fenetreSauvee, ecrans, principal->availableGeometry(), sizeHint());
    resize(place.size());
    move(place.topLeft());
    if (apercuSauve) Splitter1->setSizes({*apercuSauve, place.height()});
}

// The settings are saved first; the graphs go before the vectors they borrow. The VQ2 link
// and its result thread end with the interface object, before main() lets the driver go.
TWaveForm::~TWaveForm() {
    EcritOptions();
}

void TWaveForm::FormClose() {
    if (EnDirect()) ArreteDirect();
    ArreteEcoute();
    FermeEnregistrement();
    velta.FermeInterface();
}

// A search or an interface's stop runs on from the event loop: a closing cuts it short, and the
// window closes once it has ended. An acquisition is stopped that way first, and what it
// brought is given up. A conversion is cancelled, and the window closes once its worker has ended.
void TWaveForm::closeEvent(QCloseEvent* evenement) {
    if (conversion.EnCours()) {
        conversion.Annule();
        fermetureApresConversion = true;
        evenement->ignore();
        return;
    }
    if (seance.Activite() == Tactivite::acAcquisition) StopBtnClick();
    if (velta.Occupe()) {
        velta.Abandonne();
        fermetureDemandee = true;
        evenement->ignore();
        return;
    }
    FormClose();
    evenement->accept();
}

void TWaveForm::ExitBtnClick() {
    close();
}

void TWaveForm::FormResize() {
    ScrollBar->setPageStep(std::max(PaintBox->width(), 1));
}

void TWaveForm::resizeEvent(QResizeEvent* evenement) {
    QWidget::resizeEvent(evenement);
    FormResize();
}

// The player lets go of the sound device while one of the program's own dialogs (options,
// about box, a message box, a file dialog) has the focus, and takes it back afterwards. The help window,
// which stays open beside the main window, and other applications leave a play alone.
void TWaveForm::changeEvent(QEvent* evenement) {
    QWidget::changeEvent(evenement);
    if (evenement->type() != QEvent::ActivationChange) return;
    if (isActiveWindow())
        FormActivate();
    else if (qobject_cast<QDialog*>(QApplication::activeWindow()) != nullptr)
        FormDeactivate();
}

void TWaveForm::FormDeactivate() {
    MediaPlayer.Close();
}

void TWaveForm::FormActivate() {
    ReprendLecteur();
}
