#include "platform/SignalAudio.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstring>

#include <QSocketNotifier>

namespace {

struct Message {
    std::uint32_t numero;
    TtypeSignal type;
};

}  // namespace

TsignalAudio::TsignalAudio() {
    int fds[2];
    if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0) return;
    lecture_ = fds[0];
    ecriture_ = fds[1];
    notificateur_ = std::make_unique<QSocketNotifier>(lecture_, QSocketNotifier::Read);
    QObject::connect(notificateur_.get(), &QSocketNotifier::activated, [this] { Lit(); });
}

TsignalAudio::~TsignalAudio() {
    notificateur_.reset();
    if (lecture_ >= 0) ::close(lecture_);
    if (ecriture_ >= 0) ::close(ecriture_);
}

void TsignalAudio::Emet(std::uint32_t numero, TtypeSignal type) const noexcept {
    const Message m{numero, type};
    // A message is far below the pipe's atomic size; a full pipe means the UI thread has
    // messages enough to read already.
    [[maybe_unused]] const ssize_t r = ::write(ecriture_, &m, sizeof m);
}

void TsignalAudio::Lit() {
    Message m;
    while (::read(lecture_, &m, sizeof m) == static_cast<ssize_t>(sizeof m))
        if (OnSignal) OnSignal(m.numero, m.type);
}
