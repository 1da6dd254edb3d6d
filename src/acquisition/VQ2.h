// The VQ2 interface through its driver library: the link, the text commands, the version
// reply, and a result thread that pulls an acquisition's bytes out of the library into a
// receive store and announces each batch with an event to the object that acquires.
//
// Hand-over without locks: the result thread alone writes the store and then raises its
// count (release); the UI thread reads only bytes that the count covers (acquire), and only
// as many as the events announced. The stop flag goes the other way.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

#include <QEvent>
#include <QObject>

#include "platform/PiloteVQ2.h"

// The two events the acquiring object receives from the result thread.
inline constexpr QEvent::Type WM_DONNEES_VQ2 = static_cast<QEvent::Type>(1040);
inline constexpr QEvent::Type WM_FIN_VQ2 = static_cast<QEvent::Type>(1041);

class TevenementVQ2 : public QEvent {
public:
    TevenementVQ2(QEvent::Type type, std::int32_t octets) : QEvent(type), wParam(octets) {}
    const std::int32_t wParam;  // bytes just stored (WM_DONNEES_VQ2), 0 otherwise
};

inline constexpr std::int32_t kTailleDataGet = 512;
inline constexpr std::int32_t kTailleFdata = 60001;

class TVQ2 {
public:
    // `destinataire` receives the result thread's events; it outlives the object.
    TVQ2(const TpointsEntreeVQ2& pilote, QObject* destinataire);
    ~TVQ2();
    TVQ2(const TVQ2&) = delete;
    TVQ2& operator=(const TVQ2&) = delete;

    // Opens "VeltaVQ2-0", else "VeltaVQ2-1", at the link's speed, and starts the library's
    // link thread; true once the link is open and that thread runs.
    bool Open();
    // Stops the result thread and closes the link.
    void Close();
    // The version reply, read once and then kept; "VQ II non branchée ?" with no link.
    std::string Version();
    // Sends one command line (a carriage return is added).
    void output(const std::string& commande);
    // The next byte of the store, or 0 when none is left.
    std::uint8_t getChar();
    // Starts the result thread for nbre bytes, unless one still runs.
    void LanceThreadZresul(std::int32_t nbre);
    // Stops the result thread; with arret, an incomplete transfer is also stopped at the
    // interface ("WPE").
    void StopThreadZresul(bool arret);
    // Drains what the library has received.
    void FlushInBuffer();

    bool TransfertComplet() const { return Fnbre.load(std::memory_order_acquire) >= FnbreResul; }
    // The library's link thread still runs (false once the device is gone).
    bool LienActif() const;

private:
    void ExecuteZresul();
    bool FilEnCours() const { return filEnCours_.load(std::memory_order_acquire); }
    std::int32_t Lit(std::uint8_t* tampon);

    const TpointsEntreeVQ2& f_;
    std::uint32_t FhandleVQ2 = 0;
    std::thread FThreadResul;
    std::atomic<bool> filEnCours_{false};
    QObject* destinataire_;
    std::string Fversion;
    std::array<std::uint8_t, kTailleDataGet> DataGet{};  // the UI thread's transfer buffer
    std::atomic<std::int32_t> Fnbre{0};
    std::int32_t Findex = 0;
    std::int32_t FnbreResul = 0;
    std::atomic<bool> Fstop{false};
    std::array<std::uint8_t, kTailleFdata> Fdata{};
};
