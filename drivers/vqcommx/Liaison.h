// One link to a VQ2: its device, its two byte queues and the thread that moves bytes
// between them and the line.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

#include "FilesOctets.h"

class Tliaison {
public:
    Tliaison() = default;
    ~Tliaison() { Ferme(); }
    Tliaison(const Tliaison&) = delete;
    Tliaison& operator=(const Tliaison&) = delete;

    // Opens the device raw, 8 data bits, no parity, at 9600 bauds; false on failure.
    bool Ouvre(const std::string& chemin);
    void Ferme();
    bool Ouverte() const { return fd_ >= 0; }
    bool FixeVitesse(int bauds);

    bool LanceFil();
    void ArreteFil();
    bool FilEnCours() const { return enCours_.load(std::memory_order_acquire); }

    // Queues bytes to send and wakes the link thread.
    void Envoie(const std::uint8_t* octets, std::size_t n);
    TfilesOctets files;

private:
    void Fil();

    int fd_ = -1;
    int reveil_[2] = {-1, -1};
    std::thread fil_;
    std::atomic<bool> enCours_{false};
    std::atomic<bool> arret_{false};
};
