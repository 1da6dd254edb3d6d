// The main window: owns the widgets, the sound record, the graphs and the handlers.
// Handlers stay thin: they read the widgets, call window-free code and write back.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QRect>
#include <QString>
#include <QWidget>

#include "acquisition/InterfaceVelta.h"
#include "app/FichierOptions.h"
#include "app/Seance.h"
#include "graph/CurseurTemps.h"
#include "graph/LecturesRepere.h"
#include "graph/ModeleVue.h"
#include "platform/ConversionEnCours.h"
#include "platform/Enregistreur.h"
#include "platform/LecteurAudio.h"
#include "sound/ChaineDirect.h"
#include "sound/EnregistrementSon.h"
#include "sound/FiltreAntiRepliement.h"
#include "sound/Numerisation.h"
#include "sound/ReconstructionSuivie.h"
#include "sound/Resultat.h"
#include "sound/RouteFichier.h"

class QCheckBox;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QScrollBar;
class QSlider;
class QSplitter;
class QTimer;
class QToolBar;
class QToolButton;
class QVBoxLayout;
class TFenetreAide;
class TFenetreSpectre;
class TPaintBox;

inline const QString kTitreFenetre =
    QString::fromUtf8(QT_TRANSLATE_NOOP("TWaveForm", "Tracson janvier 2014 version Dedariv et carte son"));
inline const QString kTitreApplication =
    QString::fromUtf8(QT_TRANSLATE_NOOP("TWaveForm", "Tracson pour VX2 VQ"));

// The strip's bands in its columns (the play selection, the detail view's window) and the
// edge being dragged.
struct TbandesBande {
    std::int32_t debutPB;
    std::int32_t finPB;
    std::int32_t debutSelect;
    TcurseurTemps curseurT;
};

// The input device chosen and the format it records.
struct TentreeSon {
    std::int32_t deviceID;
    std::uint32_t FreqEchCarte;
    std::uint8_t NbitsCarte;
};

// The settings file and the program's folders.
struct TdossiersFenetre {
    QString nomFichierIni;
    QString appDataDir;
};

class TWaveForm : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TWaveForm)

public:
    explicit TWaveForm(QWidget* parent = nullptr);
    ~TWaveForm() override;

    // Opens a file as the Open button does once a name is chosen (also "sampix FILE").
    void OuvreFichier(const QString& FileName);

    void OpenFileBtnClick();
    void SaveBtnClick();
    void ExitBtnClick();
    void BitsCBChange();
    // Reads a WAV file from frame `debut` on; a refused file is reported and the sound on
    // screen stays.
    void ChargeFichierWav(const QString& FileName, std::int64_t debut = 0);
    // Starts decoding a compressed file (the MP3 or the other road) on a worker thread into a
    // WAV file named and placed by the conversion's naming rule, showing the progress in the
    // caption; false when another activity runs. Once it is written, `suite` gets its name on
    // the UI thread; a failure is shown instead, a cancelled conversion ends without a word.
    using TsuiteConversion = std::function<void(const QString& wavName)>;
    bool ConvertitEnWav(const QString& source, TrouteFichier route, TsuiteConversion suite);
    // Annuler (Escape): the conversion ends leaving no file.
    void AnnuleBtnClick();
    void EcritFichierWav(const QString& FileName, const TvecteurSon& vecteur);
    void CalculeNumerique();
    // Sets the play selection, in frames, and redraws the strip's band: the whole sound on a load.
    void Selectionne(std::int32_t debut, std::int32_t fin);
    void ArreteEcoute();

    // Playback of the analog sound (PlayBtn) or the digitised one (PlaySousEchBtn).
    void PlayBtnClick(QToolButton* sender);
    void StopPlayBtnClick();
    void MediaPlayerNotify(TnotificationLecteur notification);
    void Timer1Timer();
    std::int32_t PositionLecteur(std::int32_t n);

    // The two views: paints, scrolling, the play selection on the strip, the cursors.
    void PaintBoxPaint();
    void PaintBoxAllPaint();
    void ScrollBarChange();
    void PaintBoxAllMouseDown(int X);
    void PaintBoxAllMouseMove(int X);
    void PaintBoxAllMouseUp(int X);
    void PaintBoxMouseUp(Qt::KeyboardModifiers Shift, int X);
    void tempsCBClick();
    void FormKeyDown(int Key, Qt::KeyboardModifiers Shift);
    void DessineSelection();
    void DessineFenetre();

    // The sampling animation.
    void AnimBtnClick();
    void Timer2Timer();
    void ArreteAnimation();

    // Sound-card recording and the input survey.
    void RecordBtnClick();
    void StopBtnClick();
    void LanceAcqSon();
    void LanceAcqInterface();
    void SauveEnregistrement();
    void FermeEnregistrement();
    void ListeEntreesSon();
    void WaveInCBChange(int index);

    // The VELTA interfaces: the search and its end, the end of an acquisition, Stop and its
    // end, and a lost line.
    void VeltaBtnClick();
    void FinRecherche(const Tresultat<>& resultat);
    void FinAcquisition();
    void StopInterface();
    void FinArretInterface();
    void CoupureInterface(const QString& raison);

    // Colours, options and the commands that lead outside the sound work.
    void LitOptions();
    void EcritOptions();
    void OptionsBtnClick();
    void AideBtnClick();
    void ToolButton2Click();
    void VolumeBtnClick();

    // For the lesson: hearing the error, the noise ratio, the spectrum, the anti-aliasing
    // filter, pictures of the views (WaveFormLecon.cpp).
    void ErreurBtnClick();
    // The error signal of the digitised sound on screen, written to its working file; false
    // (and the user told) when it cannot be.
    bool EcritSignalErreur();
    // A working file the player plays (the error, the reconstruction), made if absent and
    // written from `vecteur`; false, and `echec` shown with the reason, when it cannot be.
    bool EcritSonTravail(const QString& nom, const TvecteurSon& vecteur, const QString& echec);
    void SpectreBtnClick();
    void ExporteImageBtnClick();
    void FiltreCBClick();
    // The sound the sampling step holds: the sound itself, or its filtered version.
    const TvecteurSon& SourceNumerisation(int pas);
    // The noise ratio and an open spectrum window follow the digitised sound and the selection.
    void MetAJourLecon();
    void MetAJourSpectre();
    // A new sound (or none) is in the record.
    void NouveauSonLecon();

    // The converter's choices (WaveFormConvertisseur.cpp): the quantiser's law and the dither,
    // and the reconstruction, drawn over the frames shown, played and measured on the whole sound.
    void OptionsNumerisationChange();
    void ReconstructionCBClick();
    void ReconstructionBtnClick();
    // The whole reconstruction, written to its working file; false (and the user told) when it
    // cannot be.
    bool EcritReconstruction();
    // The reconstruction over the frames of the view `m`, when it shows it.
    TvecteurSon* ReconstructionVue(const TmodeleVue& m);
    // What waits until the views are drawn: the reconstruction's ratio and the spectrum.
    void MetAJourRapports();

    // Live mode (WaveFormDirect.cpp): the microphone digitised and heard at once.
    void DirectBtnClick();
    void LanceDirect();
    void ArreteDirect();
    void ReglageDirect();
    void TimerDirectTimer();

    // Sets every command from the session's state.
    void MetAJourCommandes();
    bool EnDirect() const { return seance.Activite() == Tactivite::acDirect; }

    // Read-only views of what no widget shows, for the tests and the benches; the widgets and
    // timers are found by their object names, which are their field names.
    const Tseance& Seance() const { return seance; }
    const TLecteurAudio& Lecteur() const { return MediaPlayer; }
    // The views' model: the window's own part completed from the sound, the widgets and, in
    // live mode, the input device. Every drawing of the views starts from it.
    TmodeleVue ModeleFenetre() const;
    TsonsVue SonsVue() const;
    const TinterfaceVelta& Interface() const { return velta; }
    TbandesBande Bande() const { return {debutPB, finPB, debutSelect, curseurT}; }
    TentreeSon EntreeSon() const { return {deviceID, FreqEchCarte, NbitsCarte}; }
    TdossiersFenetre Dossiers() const { return {nomFichierIni, appDataDir}; }
    bool DecodeurMp3() const { return bassOK; }
    const TchaineDirect* ChaineDirect() const { return chaineDirect.get(); }
    const TfluxDirect& FluxDirect() const { return fluxDirect; }

protected:
    void closeEvent(QCloseEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void changeEvent(QEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void dragEnterEvent(QDragEnterEvent* evenement) override;
    void dropEvent(QDropEvent* evenement) override;

private:
    void CreeControles();
    void CreeRaccourcis();
    void CreeControlesLecon();
    void CreeControlesConvertisseur(QToolBar* barre, QVBoxLayout* cases);
    void CreeControlesDirect();
    void EtatDirect(bool actif);
    void ReprendLecteur();
    void DessineVuesDirect(std::size_t nouvelles);
    void FormCreate();
    void FormClose();
    void FormResize();
    void FormActivate();
    void FormDeactivate();
    void RefuseFichier(const QString& FileName, const QString& raison);
    std::optional<std::int64_t> ChoisitDebut(const QString& wavName, const QString& choisi);
    // Opens a WAV file, asking which part of a long one, under the name the teacher chose.
    void OuvreWav(const QString& wavName, const QString& choisi);
    void FinConversion(const QString& source, const QString& titreAvant,
                       const Tresultat<TsonConverti>& resultat, const TsuiteConversion& suite);
    void MarqueTitre(bool tronque, std::int64_t debut);
    QString DossierDialogues() const;
    void SignaleEcriture(const QString& FileName, const Tresultat<>& ecrit);
    void FinLecture();
    int PeripheriqueChoisi() const;
    // Before another activity starts: the animation stops where it is, a play ends at once.
    void ArreteCeQuiTourne();
    void LanceLecture();
    void FinDecompte();
    void EnregistrementPlein();
    void EnregistrementCoupe();
    void RetablitSonPrecedent();
    void EnregistreEtOuvre(TformatWave disposition, const std::uint8_t* octets, std::int32_t trames,
                           std::uint32_t frequence);
    void MetVuesAuNouveauSon();
    void PrepareVues();
    void RegleScrollBar();
    void PlaceFenetre();
    // The window's size and place at start, and the strip's height: as saved, or the first
    // placement on the screen.
    void PlaceAuDemarrage();
    void AfficheLectures(const TlecturesRepere& lectures);

    // Controls, in screen order.
    QToolBar* ToolBar1;
    QToolButton* OpenFileBtn;
    QToolButton* AnnuleBtn;
    QAction* actionAnnule;
    QToolButton* VeltaBtn;
    QToolButton* VolumeBtn;
    QToolButton* RecordBtn;
    QToolButton* StopBtn;
    QToolButton* PlayBtn;
    QToolButton* PlaySousEchBtn;
    QToolButton* SaveBtn;
    QToolButton* StopPlayBtn;
    QCheckBox* BoucleCB;
    QToolButton* AnimBtn;
    QToolButton* AideBtn;
    QToolButton* OptionsBtn;
    QToolButton* ToolButton2;
    QToolButton* ExitBtn;
    QWidget* ToolBar2;
    QLineEdit* EditDecimal;
    QLineEdit* EditBinaire;
    QSlider* BitsTB;
    QLabel* LabelBits;
    QLabel* LabelBits0;
    QSlider* FechTB;
    QLabel* LabelFreq;
    QLabel* LabelFreq0;
    QLabel* LabelRSB;
    QLabel* LabelRSBReconstruction;
    QLabel* LabelDebit;  // the digitised sound's bit rate and size
    QToolButton* ErreurBtn;
    QToolButton* SpectreBtn;
    QToolButton* ExporteImageBtn;
    QCheckBox* FiltreCB;
    QComboBox* LoiCB;
    QCheckBox* DitherCB;
    QCheckBox* ReconstructionCB;
    QToolButton* ReconstructionBtn;
    QTimer* TimerRapports;
    QComboBox* WaveInCB;
    QToolButton* DirectBtn;
    QCheckBox* OriginalCB;
    QSlider* GainDirectTB;
    QTimer* TimerDirect;
    TPaintBox* PaintBoxAll;
    QSplitter* Splitter1;
    QProgressBar* Gauge;
    TPaintBox* PaintBox;
    QScrollBar* ScrollBar;
    QLabel* Label1;
    QCheckBox* tempsCB;
    QLabel* Temps;
    QLabel* StopLabel;
    QLabel* VoieLabel;  // which channel of a stereo sound is shown
    TLecteurAudio MediaPlayer;
    QTimer* Timer1;
    QTimer* Timer2;

    // The sound, its files, the play selection and what the program is doing; every
    // command's state follows from it (MetAJourCommandes).
    Tseance seance;

    // The settings file and the program's folders.
    QString nomFichierIni;
    QString dossierFichiers;  // where the open and save dialogs last were
    QString appDataDir;
    std::optional<QRect> fenetreSauvee;  // the window's place and size, and the strip's height, as read
    std::optional<int> apercuSauve;
    std::uint32_t FreqEchCarte = 0;
    std::uint8_t NbitsCarte = 16;
    std::int32_t deviceID = 0;
    bool bassOK = false;

    // Recording: the device, when it started, and the countdown after Stop.
    TEnregistreur Enregistreur{kCapaciteSon};
    std::chrono::steady_clock::time_point startRecord;
    std::int32_t compteur = 0;
    std::int32_t compteurMax = 0;
    // What the survey found: each input device and the recording format it offers.
    std::vector<TperipheriqueEntree> entreesSon;
    std::vector<std::optional<TformatCarte>> formatsEntrees;

    // The measurement interface, its serial port and VQ2 driver object, and the input source
    // it decides (Entree).
    // What the last search that found nothing tried, for Velta's hint.
    QString indicationVelta;
    TinterfaceVelta velta;
    bool fermetureDemandee = false;  // the window was closed during a search or a stop

    // The compressed file being decoded, and a closing that waits for its worker to end.
    TconversionEnCours conversion;
    bool fermetureApresConversion = false;

    // Animation steps drawn so far, and the frames in the view when it started.
    std::int32_t NbreAnim = 0;
    std::int32_t NbreMax = 0;

    // The bands on the strip, in its columns: the play selection and the detail view's window.
    std::int32_t debutPB = 0;
    std::int32_t finPB = 0;
    std::int32_t debutSelect = 0;
    std::int32_t finSelect = 0;
    TcurseurTemps curseurT = TcurseurTemps::curNormal;
    std::int32_t Xdeplace = 0;

    TFenetreAide* FenetreAide = nullptr;  // made at the first call for help

    // The lesson's additions: the error signal, the filter, the spectrum window (made when
    // first asked for) and its axis choice, and a count of the sounds loaded.
    std::unique_ptr<TvecteurSon> vecteurErreur;
    std::unique_ptr<TvecteurSon> vecteurFiltre;
    TfiltreAntiRepliement filtre;
    TFenetreSpectre* FenetreSpectre = nullptr;
    bool spectreLogarithmique = false;
    // The language the options dialog forces, kept for the next start.
    TlangueInterface langueInterface = TlangueInterface::systeme;
    // The digitiser under the converter's options, and the reconstruction computed so far;
    // the filtered sound, good for the sound and the step it was computed for.
    TnumeriseurSon numeriseur;
    ToptionsNumerisation optionsCalculees;  // those of the digitised sound in the record
    TreconstructionSuivie reconstruction;
    std::optional<std::pair<std::uint64_t, int>> filtreCalcule;
    std::uint64_t generationSon = 0;

    // Live mode: the chain the audio thread runs (made at the first start, and outliving the
    // stream), the stream, the frames drawn, and what the window gives back at the end.
    std::unique_ptr<TchaineDirect> chaineDirect;
    TfluxDirect fluxDirect;
    std::int64_t tramesDirectVues = 0;
    std::chrono::steady_clock::time_point dernierBlocDirect;
    std::vector<std::int16_t> vueSonDirect;
    std::vector<std::int16_t> vueNumeriseDirect;
    std::pair<QString, QString> labelsAvantDirect;

    // The lesson's buttons that the live mode hides: those that work on the whole loaded sound.
    std::vector<QAction*> actionsHorsDirect;
    QAction* actionOriginal = nullptr;
    QAction* actionGain = nullptr;
};
