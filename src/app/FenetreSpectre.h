// The spectrum window "Spectre": the magnitude spectra of the sound and of the digitised sound
// over the play selection, redrawn as the track bars and the selection change. The frequency
// axis is linear or logarithmic (a choice kept in the settings file); the plot can be
// exported as PNG or SVG. One per main window, kept between uses.
#pragma once

#include <cstdint>

#include <QCoreApplication>
#include <QWidget>

#include "graph/DessinSpectre.h"
#include "graph/ModeleVue.h"
#include "sound/EnregistrementSon.h"
#include "sound/Spectre.h"

class QCheckBox;
class QPushButton;

// The plot itself, drawn by the same code as the exported pictures and the command line's.
class TgrapheSpectre : public QWidget {
public:
    TgrapheSpectre(const TcouleursVues& couleurs, QWidget* parent = nullptr);
    TvueSpectre vue;
    const TcouleursVues& couleurs;  // the main window's, read at every paint like its views

protected:
    void paintEvent(QPaintEvent* evenement) override;
};

class TFenetreSpectre : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TFenetreSpectre)

public:
    // The colours are borrowed from the main window, which outlives this one.
    TFenetreSpectre(const TcouleursVues& couleurs, QWidget* parent = nullptr);

    // What to show: frames debutS..finS of the sound (borrowed: it is the main window's) and
    // of its digitised version at step pas. `generation` changes with every sound loaded, so
    // that the sound's own spectrum is computed again only when the sound or the selection
    // changes. Computed at once while the window is shown, otherwise when it is next shown.
    void MetAJour(const TenregistrementSon& son, std::int32_t debutS, std::int32_t finS, int pas,
                  std::uint64_t generation);

    bool Logarithmique() const;
    void SetLogarithmique(bool logarithmique);
    // "Exporter l'image…": the plot as it is, to a PNG or SVG file chosen by the user.
    void ExporterBtnClick();

    TgrapheSpectre* Graphe;
    QCheckBox* LogCB;
    QPushButton* ExporterBtn;

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void Calcule();

    const TenregistrementSon* son_ = nullptr;
    std::int32_t debutS_ = 0;
    std::int32_t finS_ = -1;
    std::uint64_t generation_ = 0;
    bool aCalculer_ = false;
    // What the sound's spectrum was last computed for.
    struct Tcle {
        std::uint64_t generation;
        std::int32_t debut, fin;
        bool operator==(const Tcle&) const = default;
    };
    Tcle cleAnalogique_{0, 0, -1};
    bool analogiqueCalcule_ = false;
    TanalyseurSpectre analyseur_;
};
