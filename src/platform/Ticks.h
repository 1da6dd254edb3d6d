// The serial layer's clock: ticks of 55 ms, timers counted in ticks, and a wait of so many
// ticks as one step of a state machine (a timer, never a nested event loop).
#pragma once

#include <cstdint>
#include <functional>

#include <QTimer>

inline constexpr std::int64_t kMillisecondesParTick = 55;

// Milliseconds of the steady clock divided by 55.
std::int64_t TicksActuels();

// A timer of N ticks has expired once the tick count exceeds its start by more than N,
// that is after N x 55 to (N + 1) x 55 ms.
class TminuterieTicks {
public:
    explicit TminuterieTicks(std::int64_t ticks);
    bool Expiree() const;
    // Milliseconds of the steady clock at which the timer expires.
    std::int64_t Echeance() const { return (debut_ + ticks_ + 1) * kMillisecondesParTick; }
    // Milliseconds left until then (0 once expired).
    std::int64_t Restant() const;

private:
    std::int64_t debut_;
    std::int64_t ticks_;
};

// One wait at a time: it ends when its tick timer expires or when `fini` answers true, checked
// at the deadline and whenever Reveille says it may have changed. `suite` then runs from the
// event loop, never inside the call that started the wait or woke it.
class TattenteTicks {
public:
    TattenteTicks();
    // Replaces a wait under way, whose `suite` then never runs.
    void Attend(std::int64_t ticks, std::function<bool()> fini, std::function<void()> suite);
    void Reveille();
    bool EnCours() const { return static_cast<bool>(suite_); }

private:
    void Verifie();

    QTimer minuteur_;
    TminuterieTicks minuterie_{0};
    std::function<bool()> fini_;
    std::function<void()> suite_;
};
