// The serial layer's clock: ticks of 55 ms, timers counted in ticks, and the two kinds of
// delay (one that keeps the window alive, one that does not).
#pragma once

#include <cstdint>
#include <functional>

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

private:
    std::int64_t debut_;
    std::int64_t ticks_;
};

// Processes window events until `fini` answers true, the timer expires or `abandon` (when
// given) answers true. It sleeps while nothing happens instead of spinning.
void AttendEnTraitant(const TminuterieTicks& minuterie, const std::function<bool()>& fini,
                      const std::function<bool()>& abandon = {});

// Delays N ticks while processing window events; `abandon` ends the delay early.
void DelaiEnTraitant(std::int64_t ticks, const std::function<bool()>& abandon = {});

// Delays N ticks without processing anything.
void DelaiSansTraiter(std::int64_t ticks);
