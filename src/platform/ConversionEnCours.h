// One conversion at a time on a worker thread, for the window: the decoding runs away from the
// UI thread, and its progress and its result come back to the thread that made this object as
// queued calls, so that the window only ever sees them between two of its own events.
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include <QObject>

#include "platform/ConversionSon.h"

// Where the worker stands: before its first block, after a block, and once the conversion has
// returned, before its result is sent.
enum class TetapeConversion { avantPremierBloc, apresBloc, avantResultat };
// The tests hold the worker at a step (on the worker's thread) to click meanwhile. Returns the
// previous one; an empty one holds nothing.
using TarretConversion = std::function<void(TetapeConversion)>;
TarretConversion RemplaceArretConversion(TarretConversion arret);

class TconversionEnCours {
public:
    // On the thread that made this object.
    using Tprogression = std::function<void(int pourcentage)>;
    using Tfin = std::function<void(Tresultat<TsonConverti> resultat)>;

    TconversionEnCours() = default;
    // A conversion still running is cancelled, and its thread ended, before this object goes.
    ~TconversionEnCours();
    TconversionEnCours(const TconversionEnCours&) = delete;
    TconversionEnCours& operator=(const TconversionEnCours&) = delete;

    // Converts `source` by the naming rule. `progression` comes at most every 50 ms, the first
    // after the first block; `fin` once, last. False, and nothing starts, while one runs.
    bool Lance(TrouteFichier route, const std::string& source, Tprogression progression, Tfin fin);
    // True when the conversion will end without leaving a file (its result is still sent);
    // false when none runs or its file is already being put in place.
    bool Annule();
    // From Lance until `fin` has been called.
    bool EnCours() const { return enCours_; }

private:
    void Travaille(TrouteFichier route, const std::string& source);

    QObject recepteur_;  // the queued calls land on it: gone with it when this object goes
    std::unique_ptr<Tannulation> annulation_;
    Tprogression progression_;
    Tfin fin_;
    bool enCours_ = false;
    std::thread fil_;
};
