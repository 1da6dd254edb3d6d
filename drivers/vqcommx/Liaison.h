// One link to a VQ2: its device, the two byte queues and the thread that moves bytes
// between them and the line. The queues are shared with the caller's threads under a lock.
#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

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

    void Envoie(const std::uint8_t* octets, std::size_t n);
    bool EnvoiVide();
    std::size_t EnAttente();
    std::size_t Prend(std::uint8_t* tampon, std::size_t n);
    void VideReception();

private:
    void Fil();

    int fd_ = -1;
    int reveil_[2] = {-1, -1};
    std::thread fil_;
    std::atomic<bool> enCours_{false};
    std::atomic<bool> arret_{false};
    std::mutex verrou_;
    std::deque<std::uint8_t> envoi_;
    std::deque<std::uint8_t> reception_;
};
