#include "platform/Ticks.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

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

void AttendEnTraitant(const TminuterieTicks& minuterie, const std::function<bool()>& fini,
                      const std::function<bool()>& abandon) {
    // A timer at the deadline wakes the wait when no other event comes.
    QTimer reveil;
    reveil.setSingleShot(true);
    reveil.setTimerType(Qt::PreciseTimer);
    while (!(fini && fini()) && !minuterie.Expiree() && !(abandon && abandon())) {
        if (!reveil.isActive())
            reveil.start(
                static_cast<int>(std::max<std::int64_t>(1, minuterie.Echeance() - MillisecondesActuelles())));
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}

void DelaiEnTraitant(std::int64_t ticks, const std::function<bool()>& abandon) {
    AttendEnTraitant(TminuterieTicks(ticks), {}, abandon);
}

void DelaiSansTraiter(std::int64_t ticks) {
    const TminuterieTicks minuterie(ticks);
    std::this_thread::sleep_until(
        std::chrono::steady_clock::time_point(std::chrono::milliseconds(minuterie.Echeance())));
}
