// Sound-card streams over PortAudio: the only part of the program that talks to it.
// The audio callbacks only copy samples between a buffer prepared on the UI thread and
// the device, and move an atomic count; they never allocate, lock or log.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct PaStreamCallbackTimeInfo;

// Starts the sound system once, with the ALSA and JACK chatter silenced. False when it
// could not start; every stream then fails to open with a message.
bool SystemeAudioPret();

struct TformatCarte {
    std::uint32_t frequence;
    std::uint8_t bits;  // 8 (unsigned samples) or 16
    bool operator==(const TformatCarte&) const = default;
};

struct TperipheriqueEntree {
    int index;  // the sound system's own device number
    std::string nom;
};

// Input devices of the default host API, in its order.
std::vector<TperipheriqueEntree> PeripheriquesEntree();
// The system's default input device, or -1 when there is none.
int PeripheriqueEntreeParDefaut();
// Whether the device accepts a mono recording in that format.
bool FormatEntreeAccepte(int peripherique, TformatCarte format);

class TfluxSortie {
public:
    // Called once from the audio thread when the last sample has been handed to the device.
    using Tfin = std::function<void()>;

    TfluxSortie() = default;
    ~TfluxSortie();
    TfluxSortie(const TfluxSortie&) = delete;
    TfluxSortie& operator=(const TfluxSortie&) = delete;

    // Plays interleaved 16-bit samples on the default output device. Stops any play first.
    // Returns the reason when the device refuses.
    std::optional<std::string> Demarre(std::vector<std::int16_t> echantillons, int canaux, int frequence, Tfin fin);
    // Aborts a play and waits for the device; `fin` is not called for an aborted play.
    void Arrete();
    bool EnCours() const;
    std::int64_t TramesJouees() const { return trames_.load(std::memory_order_acquire); }

private:
    static int Rappel(const void*, void* sortie, unsigned long trames, const PaStreamCallbackTimeInfo*, unsigned long,
                      void* moi);
    static void RappelFin(void* moi);

    void* flux_ = nullptr;
    std::vector<std::int16_t> echantillons_;
    int canaux_ = 1;
    std::int64_t tramesTotal_ = 0;
    std::atomic<std::int64_t> trames_{0};
    std::atomic<bool> interrompu_{false};
    Tfin fin_;
};

class TfluxEntree {
public:
    // Called once from the audio thread when the buffer is full and recording stops growing.
    using Tplein = std::function<void()>;

    TfluxEntree() = default;
    ~TfluxEntree();
    TfluxEntree(const TfluxEntree&) = delete;
    TfluxEntree& operator=(const TfluxEntree&) = delete;

    // Records mono samples into a buffer of `capacite` bytes allocated here, before the stream starts.
    std::optional<std::string> Demarre(int peripherique, TformatCarte format, std::size_t capacite, Tplein plein);
    void Arrete();
    bool EnCours() const { return flux_ != nullptr; }
    // What was recorded, as PCM bytes (unsigned 8-bit or little-endian 16-bit).
    const std::uint8_t* Octets() const { return tampon_.data(); }
    std::size_t OctetsEnregistres() const { return remplis_.load(std::memory_order_acquire); }

private:
    static int Rappel(const void* entree, void*, unsigned long trames, const PaStreamCallbackTimeInfo*, unsigned long,
                      void* moi);

    void* flux_ = nullptr;
    std::vector<std::uint8_t> tampon_;
    std::size_t octetsParTrame_ = 2;
    std::atomic<std::size_t> remplis_{0};
    std::atomic<bool> pleinSignale_{false};
    Tplein plein_;
};
