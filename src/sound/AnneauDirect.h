// The live mode's last frames, from the audio thread to the view: a ring that one thread
// writes and another reads, without a lock. Each frame holds the sound's raw value and its
// digitised value (8-bit samples as 0 to 255). The elements are atomics, so a read that the
// writer overtakes gives stale values, never undefined behaviour; the reader takes at most
// half the ring, which the writer would need a second and a half of 44100 Hz sound to reach.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

class TanneauDirect {
public:
    // Room for 2^bits frames, allocated here, before any stream starts.
    explicit TanneauDirect(int bits = 17);

    // Audio thread.
    void Ecrit(const std::int16_t* son, const std::int16_t* numerise, std::size_t trames) noexcept;
    void Ecrit(const std::uint8_t* son, const std::uint8_t* numerise, std::size_t trames) noexcept;

    // UI thread: copies the last frames written, at most `trames` and half the ring, oldest
    // first, and returns how many.
    std::size_t Derniers(std::size_t trames, std::int16_t* son, std::int16_t* numerise) const;
    // Frames written since the last Vide.
    std::int64_t Ecrites() const { return ecrites_.load(std::memory_order_acquire); }
    // Forgets what was written; only while no stream writes.
    void Vide() { ecrites_.store(0, std::memory_order_release); }

private:
    template <typename T>
    void EcritBloc(const T* son, const T* numerise, std::size_t trames) noexcept;

    std::size_t masque_;
    std::unique_ptr<std::atomic<std::int16_t>[]> son_;
    std::unique_ptr<std::atomic<std::int16_t>[]> numerise_;
    std::atomic<std::int64_t> ecrites_{0};
};
