// Word from the audio thread to the UI thread without allocating or locking: the audio
// callback writes a small message into a pipe, which the UI thread's event loop watches.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

class QSocketNotifier;

enum class TtypeSignal : std::uint8_t { tsPassage, tsFin, tsPlein };

class TsignalAudio {
public:
    TsignalAudio();
    ~TsignalAudio();
    TsignalAudio(const TsignalAudio&) = delete;
    TsignalAudio& operator=(const TsignalAudio&) = delete;

    // Safe to call from the audio callback: one write of a few bytes, never blocking.
    void Emet(std::uint32_t numero, TtypeSignal type) const noexcept;

    // Runs on the UI thread for each message, in order.
    std::function<void(std::uint32_t numero, TtypeSignal type)> OnSignal;

private:
    void Lit();

    int lecture_ = -1;
    int ecriture_ = -1;
    std::unique_ptr<QSocketNotifier> notificateur_;
};
