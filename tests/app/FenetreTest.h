// A main window under test, with messages and file choices captured instead of shown.
#pragma once

#include <memory>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QSlider>
#include <QSplitter>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "app/FenetreAide.h"
#include "app/FenetreSpectre.h"
#include "app/PaintBox.h"
#include "app/WaveForm.h"
#include "platform/DecodeurMp3.h"
#include "platform/Dialogues.h"
#include "platform/Messages.h"

// The size most tests' pixel positions were written for: the window as it opened before it
// took its size from the screen, the strip 50 pixels tall.
enum class TtailleFenetre { essais, demarrage };

class FenetreTest {
public:
    explicit FenetreTest(TtailleFenetre taille = TtailleFenetre::essais) {
        ancienAfficheur_ = RemplaceAfficheurMessage([this](const QString& t) { messages.append(t); });
        ancienChoix_ = RemplaceChoixFichier([this](const TdemandeFichier& d) {
            demandes.append(d);
            return choix;
        });
        fenetre = std::make_unique<TWaveForm>();
        if (taille == TtailleFenetre::demarrage) return;
        fenetre->resize(1073, 350);
        Splitter1()->setSizes({50, 300});
    }
    ~FenetreTest() {
        fenetre.reset();
        RemplaceAfficheurMessage(ancienAfficheur_);
        RemplaceChoixFichier(ancienChoix_);
    }
    TWaveForm* operator->() { return fenetre.get(); }
    TWaveForm& operator*() { return *fenetre; }

    // The window's controls and timers, found by their object names (null until made, for the
    // spectrum and help windows).
    QToolBar* ToolBar1() const { return Controle<QToolBar>("ToolBar1"); }
    QToolButton* OpenFileBtn() const { return Controle<QToolButton>("OpenFileBtn"); }
    QToolButton* AnnuleBtn() const { return Controle<QToolButton>("AnnuleBtn"); }
    QToolButton* VeltaBtn() const { return Controle<QToolButton>("VeltaBtn"); }
    QToolButton* VolumeBtn() const { return Controle<QToolButton>("VolumeBtn"); }
    QToolButton* RecordBtn() const { return Controle<QToolButton>("RecordBtn"); }
    QToolButton* StopBtn() const { return Controle<QToolButton>("StopBtn"); }
    QToolButton* PlayBtn() const { return Controle<QToolButton>("PlayBtn"); }
    QToolButton* PlaySousEchBtn() const { return Controle<QToolButton>("PlaySousEchBtn"); }
    QToolButton* SaveBtn() const { return Controle<QToolButton>("SaveBtn"); }
    QToolButton* StopPlayBtn() const { return Controle<QToolButton>("StopPlayBtn"); }
    QCheckBox* BoucleCB() const { return Controle<QCheckBox>("BoucleCB"); }
    QToolButton* AnimBtn() const { return Controle<QToolButton>("AnimBtn"); }
    QToolButton* AideBtn() const { return Controle<QToolButton>("AideBtn"); }
    QToolButton* OptionsBtn() const { return Controle<QToolButton>("OptionsBtn"); }
    QToolButton* ToolButton2() const { return Controle<QToolButton>("ToolButton2"); }
    QToolButton* ExitBtn() const { return Controle<QToolButton>("ExitBtn"); }
    QLineEdit* EditDecimal() const { return Controle<QLineEdit>("EditDecimal"); }
    QLineEdit* EditBinaire() const { return Controle<QLineEdit>("EditBinaire"); }
    QSlider* BitsTB() const { return Controle<QSlider>("BitsTB"); }
    QLabel* LabelBits() const { return Controle<QLabel>("LabelBits"); }
    QLabel* LabelBits0() const { return Controle<QLabel>("LabelBits0"); }
    QSlider* FechTB() const { return Controle<QSlider>("FechTB"); }
    QLabel* LabelFreq() const { return Controle<QLabel>("LabelFreq"); }
    QLabel* LabelFreq0() const { return Controle<QLabel>("LabelFreq0"); }
    QLabel* LabelRSB() const { return Controle<QLabel>("LabelRSB"); }
    QToolButton* ErreurBtn() const { return Controle<QToolButton>("ErreurBtn"); }
    QToolButton* SpectreBtn() const { return Controle<QToolButton>("SpectreBtn"); }
    QToolButton* ExporteImageBtn() const { return Controle<QToolButton>("ExporteImageBtn"); }
    QCheckBox* FiltreCB() const { return Controle<QCheckBox>("FiltreCB"); }
    QComboBox* LoiCB() const { return Controle<QComboBox>("LoiCB"); }
    QCheckBox* DitherCB() const { return Controle<QCheckBox>("DitherCB"); }
    QCheckBox* ReconstructionCB() const { return Controle<QCheckBox>("ReconstructionCB"); }
    QToolButton* ReconstructionBtn() const { return Controle<QToolButton>("ReconstructionBtn"); }
    QLabel* LabelRSBReconstruction() const { return Controle<QLabel>("LabelRSBReconstruction"); }
    QComboBox* WaveInCB() const { return Controle<QComboBox>("WaveInCB"); }
    QToolButton* DirectBtn() const { return Controle<QToolButton>("DirectBtn"); }
    QCheckBox* OriginalCB() const { return Controle<QCheckBox>("OriginalCB"); }
    QSlider* GainDirectTB() const { return Controle<QSlider>("GainDirectTB"); }
    QTimer* TimerDirect() const { return Controle<QTimer>("TimerDirect"); }
    TPaintBox* PaintBoxAll() const { return Controle<TPaintBox>("PaintBoxAll"); }
    QSplitter* Splitter1() const { return Controle<QSplitter>("Splitter1"); }
    QProgressBar* Gauge() const { return Controle<QProgressBar>("Gauge"); }
    TPaintBox* PaintBox() const { return Controle<TPaintBox>("PaintBox"); }
    QScrollBar* ScrollBar() const { return Controle<QScrollBar>("ScrollBar"); }
    QLabel* Label1() const { return Controle<QLabel>("Label1"); }
    QCheckBox* tempsCB() const { return Controle<QCheckBox>("tempsCB"); }
    QLabel* Temps() const { return Controle<QLabel>("Temps"); }
    QLabel* StopLabel() const { return Controle<QLabel>("StopLabel"); }
    QLabel* VoieLabel() const { return Controle<QLabel>("VoieLabel"); }
    QLabel* LabelDebit() const { return Controle<QLabel>("LabelDebit"); }
    QTimer* Timer1() const { return Controle<QTimer>("Timer1"); }
    QTimer* Timer2() const { return Controle<QTimer>("Timer2"); }
    TFenetreAide* FenetreAide() const { return Controle<TFenetreAide>("FenetreAide"); }
    TFenetreSpectre* FenetreSpectre() const { return Controle<TFenetreSpectre>("FenetreSpectre"); }

    // Annuler shows through its action in the tool bar; its widget follows at the next layout.
    bool AnnuleMontre() const {
        for (QAction* a : ToolBar1()->actions())
            if (ToolBar1()->widgetForAction(a) == AnnuleBtn()) return a->isVisible();
        return false;
    }

    // Runs the event loop until the conversion under way, if any, has ended in the window.
    bool AttendsConversion() const {
        return QTest::qWaitFor([this] { return fenetre->Seance().Activite() != Tactivite::acConversion; },
                               60000);
    }

    std::unique_ptr<TWaveForm> fenetre;
    QStringList messages;
    QList<TdemandeFichier> demandes;
    QString choix;  // what the next file dialog answers

private:
    template <class T>
    T* Controle(const char* nom) const {
        return fenetre->findChild<T*>(QLatin1StringView(nom));
    }

    TafficheurMessage ancienAfficheur_;
    TchoixFichier ancienChoix_;
};

// For its lifetime the MP3 decoder is missing, as on a machine without libmpg123; a window
// made meanwhile finds none.
class DecodeurMp3Absent {
public:
    DecodeurMp3Absent() : ancienne_(RemplaceDisponibiliteMp3([] { return false; })) {}
    ~DecodeurMp3Absent() { RemplaceDisponibiliteMp3(ancienne_); }
    DecodeurMp3Absent(const DecodeurMp3Absent&) = delete;
    DecodeurMp3Absent& operator=(const DecodeurMp3Absent&) = delete;

private:
    TdisponibiliteMp3 ancienne_;
};
