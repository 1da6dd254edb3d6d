// The tests' sound card: ALSA's file plugin, set up by the test main in HOME.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

// What reached the device since the last stream was opened, as 16-bit samples: at most the
// first `maximum`, as a loop on this device, which does not keep real time, writes fast.
std::vector<std::int16_t> SortieCarte(std::size_t maximum = 1 << 20);
// How many samples reached the device, without reading them.
std::size_t TailleSortieCarte();
// The samples that were played: the output without the silence the stream adds around them.
std::vector<std::int16_t> SonJoue();
// What the next recording reads.
void EntreeCarte(const std::vector<std::uint8_t>& octets);
// Makes the default sound card one that goes away after `trames` frames at real pace, as a
// card pulled out does. Call before the process first uses the sound system. PortAudio
// logs every failed restart of a card that went away, so stderr goes to a file from then on.
void BrancheCarteFragile(long trames);

// What the device played since the last stream was opened, as bytes.
std::vector<std::uint8_t> OctetsSortieCarte();

// A capture input that keeps real time: IN.raw becomes a FIFO that a thread fills, each chunk
// of 4096 bytes when its time has come. The device reads the FIFO as it comes; its reads take
// whole blocks only because a chunk holds whole blocks of any power-of-two size up to 4096 bytes.
// The FIFO stays open after the last chunk, so the device then waits: Ferme lets it go on.
class TentreeTempsReel {
public:
    TentreeTempsReel(std::vector<std::uint8_t> octets, std::uint32_t octetsParSeconde);
    ~TentreeTempsReel();
    TentreeTempsReel(const TentreeTempsReel&) = delete;
    TentreeTempsReel& operator=(const TentreeTempsReel&) = delete;

    // Stops feeding now, as a device that has gone, and closes the FIFO after `delai`.
    void Coupe(std::chrono::milliseconds delai);
    // Closes the FIFO: the device's reads then return at once, with nothing new.
    void Ferme();

private:
    void Alimente();

    std::vector<std::uint8_t> octets_;
    std::uint32_t octetsParSeconde_;
    int fd_ = -1;
    std::mutex verrou_;
    std::condition_variable reveil_;
    bool coupe_ = false;
    bool ferme_ = false;
    std::chrono::milliseconds delaiFermeture_{0};
    std::thread fil_;
};

// The input "seize", whose 16-bit samples reach the program in the format it asks for. It
// may drop frames, so tests give it one value throughout: kValeurSeize, which an unsigned
// 8-bit recording holds as kValeurSeizeHuitBits (a signed one would hold 0xED).
int EntreeSeize();
inline constexpr std::int16_t kValeurSeize = -0x1234;
inline constexpr std::uint8_t kValeurSeizeHuitBits = 0x6D;
// The channels and rate that the last recording on "seize" asked for.
std::pair<int, std::uint32_t> FormatDemandeSeize();
