// Watches a sound stream from the UI thread. A sound card pulled out in the middle of a
// stream gets no word from the sound system: its callbacks just stop. A stream whose frame
// count has not moved for two seconds is taken as gone.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

#include <QTimer>

class TveilleFlux {
public:
    TveilleFlux();

    // What the stream has moved so far (frames or bytes); read on every check.
    std::function<std::int64_t()> Progression;
    // Told once, on the UI thread, when the stream has stood still too long.
    std::function<void()> OnMuet;

    void Demarre();
    void Arrete();

private:
    void Verifie();

    QTimer minuterie_;
    std::int64_t derniere_ = 0;
    std::chrono::steady_clock::time_point depuis_;
};
