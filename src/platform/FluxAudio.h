// Sound-card streams over PortAudio: the only part of the program that talks to it.
// The audio callbacks only copy samples between a buffer prepared on the UI thread and
// the device, and move an atomic count; they never allocate, lock or log.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/SignalAudio.h"
#include "sound/Resultat.h"

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
    TfluxSortie() = default;
    ~TfluxSortie();
    TfluxSortie(const TfluxSortie&) = delete;
    TfluxSortie& operator=(const TfluxSortie&) = delete;

    // Plays interleaved 16-bit samples on the default output device, stopping any play first.
    // Each pass through the samples ends with a signal numbered `numero`: tsPassage when a
    // loop goes on from the start without a gap, tsFin when the play is over. Returns the
    // reason when the device refuses.
    Tresultat<> Demarre(std::vector<std::int16_t> echantillons, int canaux, int frequence, bool boucle,
                        const TsignalAudio& signal, std::uint32_t numero);
    // Whether the play under way goes on from the start at its end.
    void SetBoucle(bool boucle) { boucle_.store(boucle, std::memory_order_release); }
    // Aborts a play and waits for the device (two seconds at most, for a card that went away);
    // no signal follows an aborted play.
    void Arrete();
    bool EnCours() const;
    // Frames handed to the device since the start, all passes together.
    std::int64_t TramesJouees() const { return trames_.load(std::memory_order_acquire); }

private:
    static int Rappel(const void*, void* sortie, unsigned long trames, const PaStreamCallbackTimeInfo*,
                      unsigned long, void* moi);
    static void RappelFin(void* moi);

    void* flux_ = nullptr;
    std::vector<std::int16_t> echantillons_;
    int canaux_ = 1;
    std::int64_t tramesTotal_ = 0;
    std::int64_t positionPassage_ = 0;  // audio thread only
    std::atomic<std::int64_t> trames_{0};
    std::atomic<bool> boucle_{false};
    std::atomic<bool> interrompu_{false};
    const TsignalAudio* signal_ = nullptr;
    std::uint32_t numero_ = 0;
};

class TfluxEntree {
public:
    TfluxEntree() = default;
    ~TfluxEntree();
    TfluxEntree(const TfluxEntree&) = delete;
    TfluxEntree& operator=(const TfluxEntree&) = delete;

    // Records mono samples into a buffer of `capacite` bytes allocated here, before the stream
    // starts. When it is full, recording stops growing and `signal` gets tsPlein.
    Tresultat<> Demarre(int peripherique, TformatCarte format, std::size_t capacite,
                        const TsignalAudio& signal);
    void Arrete();
    bool EnCours() const { return flux_ != nullptr; }
    // What was recorded, as PCM bytes (unsigned 8-bit or little-endian 16-bit).
    const std::uint8_t* Octets() const { return tampon_.data(); }
    std::size_t OctetsEnregistres() const { return remplis_.load(std::memory_order_acquire); }

private:
    static int Rappel(const void* entree, void*, unsigned long trames, const PaStreamCallbackTimeInfo*,
                      unsigned long, void* moi);

    void* flux_ = nullptr;
    std::vector<std::uint8_t> tampon_;
    std::size_t octetsParTrame_ = 2;
    std::atomic<std::size_t> remplis_{0};
    const TsignalAudio* signal_ = nullptr;
};

// The work done on each block of a full-duplex stream, on the audio thread: it must not
// allocate, lock or log. Input and output are mono, in the stream's format.
using TtraitementBloc = void (*)(void* contexte, const void* entree, void* sortie, unsigned long trames);

// A full-duplex stream: a mono input device and the default output, in one format, each
// block of input handed to a treatment that fills the block of output at once.
class TfluxDirect {
public:
    TfluxDirect() = default;
    ~TfluxDirect();
    TfluxDirect(const TfluxDirect&) = delete;
    TfluxDirect& operator=(const TfluxDirect&) = delete;

    // Blocks of `tramesParBloc` frames, with as little buffering as the devices accept for
    // them. Returns the reason when a device refuses.
    Tresultat<> Demarre(int peripherique, TformatCarte format, unsigned long tramesParBloc,
                        TtraitementBloc traitement, void* contexte);
    void Arrete();
    // False once stopped, and once the device has stopped the stream by itself.
    bool EnCours() const;
    // Input plus output latency of the running stream, in seconds, as the sound system reports it.
    double Latence() const;
    // Blocks the sound system flagged since the start: input lost, or output late.
    std::int64_t Incidents() const { return incidents_.load(std::memory_order_relaxed); }

private:
    static int Rappel(const void* entree, void* sortie, unsigned long trames, const PaStreamCallbackTimeInfo*,
                      unsigned long, void* moi);

    void* flux_ = nullptr;
    TtraitementBloc traitement_ = nullptr;
    void* contexte_ = nullptr;
    std::size_t octetsParTrame_ = 2;
    std::atomic<std::int64_t> incidents_{0};
};
