// What the program knows of each VELTA model, behind one interface: how to ask whether it is
// there, how to prepare it, how to start and stop an acquisition, what to send when the
// program closes, and how to name it. The waits between these steps are TinterfaceVelta's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <QString>

#include "acquisition/CollecteurReponse.h"
#include "sound/Resultat.h"

// Where the sounds come from: the sound card, or the model of interface found.
enum class Tentree : std::uint8_t { eSon = 0, eVQ = 1, eVX2 = 2, eVQ2 = 3 };

// One line of a preparation: the line speed is set to `vitesse` first (when not 0), and the
// next line waits `ticks` ticks after this one.
struct TetapePreparation {
    std::string ligne;
    std::int64_t ticks = 0;
    int vitesse = 0;
};

class TprotocoleVelta {
public:
    virtual ~TprotocoleVelta() = default;
    virtual Tentree Entree() const = 0;

    // Probe: asks the interface who it is. The reply gathers in `reponse`, complete once its
    // finDeChaine is set (at once for a driver that answers before it returns).
    virtual void Sonde(TcollecteurReponse& reponse) = 0;
    // Whether the reply names this model; a refusal lets go of what the probe opened.
    virtual bool Reconnait(const std::string& reponse) = 0;

    // Prepare: the lines that set the interface up for acquisitions, in order.
    virtual std::vector<TetapePreparation> Preparation() const = 0;
    virtual void Envoie(const TetapePreparation& etape) = 0;

    // Start: opens what an acquisition needs and sends the lines that program and start it.
    virtual Tresultat<> Lance() = 0;
    // The next byte of an acquisition, or 0 when none waits.
    virtual std::uint8_t Octet() = 0;
    // Stop: ends an acquisition under way; true when the serial line must then be drained
    // until it is quiet.
    virtual bool Arrete() = 0;
    // Close: what the program sends when it closes, so that the next search finds the
    // interface at its first speed.
    virtual void Ferme() = 0;
    // Describe: the model and what serves it, in words.
    virtual QString Description() const = 0;
};
