#include "platform/Ticks.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace {

std::int64_t MillisecondesActuelles() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

std::int64_t TicksActuels() {
    return MillisecondesActuelles() / kMillisecondesParTick;
}

TminuterieTicks::TminuterieTicks(std::int64_t ticks) : debut_(TicksActuels()), ticks_(ticks) {}

bool TminuterieTicks::Expiree() const {
    return TicksActuels() > debut_ + ticks_;
}

std::int64_t TminuterieTicks::Restant() const {
    return std::max<std::int64_t>(0, Echeance() - MillisecondesActuelles());
}

TattenteTicks::TattenteTicks() {
    minuteur_.setSingleShot(true);
    minuteur_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&minuteur_, &QTimer::timeout, [this] { Verifie(); });
}

void TattenteTicks::Attend(std::int64_t ticks, std::function<bool()> fini, std::function<void()> suite) {
    minuterie_ = TminuterieTicks(ticks);
    fini_ = std::move(fini);
    suite_ = std::move(suite);
    // Even a wait that is over already ends from the event loop.
    minuteur_.start(0);
}

void TattenteTicks::Reveille() {
    if (EnCours()) minuteur_.start(0);
}

// A timer may wake a little before the tick changes: the wait then goes on for what is left.
void TattenteTicks::Verifie() {
    if (!EnCours()) return;
    if (!(fini_ && fini_()) && !minuterie_.Expiree()) {
        minuteur_.start(static_cast<int>(std::max<std::int64_t>(1, minuterie_.Restant())));
        return;
    }
    const auto suite = std::exchange(suite_, {});
    fini_ = {};
    suite();
}
