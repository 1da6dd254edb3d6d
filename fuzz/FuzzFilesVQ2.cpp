// Any sequence of calls on the VQ2 driver's byte queues, checked against a plain model: the
// bytes come out in order, none is made up, and a full receive queue drops the oldest. The
// queue's bound is made small here, so that reaching it costs a few arrivals, not a megabyte.
#include <cstdint>
#include <deque>
#include <vector>

#include "FilesOctets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    constexpr std::size_t kBorne = 1 << 12;
    TfilesOctets files(kBorne);
    std::deque<std::uint8_t> envoi, reception;
    std::vector<std::uint8_t> tampon(1 << 10);
    std::uint8_t compteur = 0;
    for (std::size_t i = 0, operations = 0; i + 2 < taille && operations < 64; i += 3, ++operations) {
        const std::size_t n = (donnees[i + 1] | (donnees[i + 2] << 8)) % tampon.size();
        std::vector<std::uint8_t> bloc(n);
        for (auto& o : bloc) o = compteur++;
        switch (donnees[i] % 7) {
            case 0:
                files.AjouteEnvoi(bloc.data(), n);
                envoi.insert(envoi.end(), bloc.begin(), bloc.end());
                break;
            case 1: {
                const std::size_t c = files.CopieEnvoi(tampon.data(), n);
                if (c != std::min(n, envoi.size())) __builtin_trap();
                for (std::size_t k = 0; k < c; ++k)
                    if (tampon[k] != envoi[k]) __builtin_trap();
                files.RetireEnvoi(c);
                envoi.erase(envoi.begin(), envoi.begin() + static_cast<std::ptrdiff_t>(c));
                break;
            }
            case 2:
                // Large arrivals, to reach the receive queue's bound.
                for (int k = 0; k < 1 + donnees[i + 1] % 8; ++k) {
                    files.AjouteReception(bloc.data(), n);
                    reception.insert(reception.end(), bloc.begin(), bloc.end());
                }
                if (reception.size() > kBorne)
                    reception.erase(reception.begin(), reception.end() - static_cast<std::ptrdiff_t>(kBorne));
                break;
            case 3: {
                const std::size_t c = files.Prend(tampon.data(), n);
                if (c != std::min(n, reception.size())) __builtin_trap();
                for (std::size_t k = 0; k < c; ++k)
                    if (tampon[k] != reception[k]) __builtin_trap();
                reception.erase(reception.begin(), reception.begin() + static_cast<std::ptrdiff_t>(c));
                break;
            }
            case 4:
                files.VideReception();
                reception.clear();
                break;
            case 5:
                files.VideTout();
                envoi.clear();
                reception.clear();
                break;
            default:
                break;
        }
        if (files.EnAttente() != reception.size() || files.EnvoiVide() != envoi.empty()) __builtin_trap();
    }
    return 0;
}
