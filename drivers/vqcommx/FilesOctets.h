// The two byte queues of a link: what waits to be sent and what was received, shared under
// one lock by the link thread and the program's threads.
#pragma once

#include <cstdint>
#include <deque>
#include <mutex>

class TfilesOctets {
public:
    // A program that stops reading loses the oldest received bytes past this, never memory.
    static constexpr std::size_t kReceptionMax = 1 << 20;

    explicit TfilesOctets(std::size_t receptionMax = kReceptionMax) : receptionMax_(receptionMax) {}

    void AjouteEnvoi(const std::uint8_t* octets, std::size_t n);
    bool EnvoiVide();
    // Copies at most n bytes to send, without removing them; RetireEnvoi removes them once sent.
    std::size_t CopieEnvoi(std::uint8_t* tampon, std::size_t n);
    void RetireEnvoi(std::size_t n);

    void AjouteReception(const std::uint8_t* octets, std::size_t n);
    std::size_t EnAttente();
    std::size_t Prend(std::uint8_t* tampon, std::size_t n);
    void VideReception();
    void VideTout();

private:
    const std::size_t receptionMax_;
    std::mutex verrou_;
    std::deque<std::uint8_t> envoi_;
    std::deque<std::uint8_t> reception_;
};
