// Which part of a sound too long for the record to load: the whole sound's envelope with a
// band of the record's length that the teacher drags, and the band's start typed as "mm:ss,d".
// Replaceable like the file dialog, so that window tests never open a modal dialog.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QDialog>
#include <QString>

#include "sound/EnveloppeWav.h"

class QLabel;
class QLineEdit;
class QPushButton;

struct TdemandeExtrait {
    QWidget* parent;
    QString nomFichier;                        // named in the dialog's text
    std::vector<TcolonneEnveloppe> enveloppe;  // the whole sound
    std::int64_t tramesTotal;                  // frames of the whole sound
    std::int64_t tramesRecord;                 // frames the record can hold (< tramesTotal)
    std::uint32_t frequence;                   // Hz
};

// The first frame of the chosen excerpt, or nothing when the teacher cancels.
using TchoixExtrait = std::function<std::optional<std::int64_t>(const TdemandeExtrait&)>;

std::optional<std::int64_t> ChoisitExtrait(const TdemandeExtrait& demande);

TchoixExtrait RemplaceChoixExtrait(TchoixExtrait choix);

// The envelope stretched to the widget's width, and over it the band of the excerpt. A press
// in the band drags it; a press elsewhere centres it there, and the drag goes on from there.
// The band's start stays within [0, total - record], so the record is always full.
class TvueExtrait : public QWidget {
public:
    TvueExtrait(std::vector<TcolonneEnveloppe> enveloppe, std::int64_t tramesTotal, std::int64_t tramesRecord,
                QWidget* parent = nullptr);

    std::int64_t Debut() const { return debut_; }
    // Moves the band, clamped; OnDeplace is not called.
    void PlaceDebut(std::int64_t debut);
    // The band's columns, [left, right).
    std::pair<int, int> Bande() const;

    // The mouse moved the band to this start.
    std::function<void(std::int64_t)> OnDeplace;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;

private:
    std::int64_t TrameDuPixel(double x) const;
    int PixelDeTrame(std::int64_t trame) const;
    bool DansBande(double x) const;

    std::vector<TcolonneEnveloppe> enveloppe_;
    std::int64_t tramesTotal_;
    std::int64_t tramesRecord_;
    std::int64_t debut_ = 0;
    // While the mouse drags the band: the frames between the band's start and the mouse.
    std::optional<std::int64_t> prise_;
};

class TDialogueExtrait : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TDialogueExtrait)

public:
    explicit TDialogueExtrait(const TdemandeExtrait& demande);

    // The first frame of the excerpt the band shows.
    std::int64_t Debut() const;

    QLabel* LabelExplication;
    TvueExtrait* VueExtrait;
    QLabel* LabelDebut;
    QLineEdit* EditDebut;
    QLabel* LabelFin;
    QLabel* LabelDuree;
    QPushButton* BoutonOK;
    QPushButton* BoutonAnnuler;

private:
    void DebutTape();
    void DebutFini();
    void BandeDeplacee();
    void MarqueTexte(bool valide);
    void AfficheFin();

    std::int64_t tramesRecord_;
    std::uint32_t frequence_;
};
