#include "FilesOctets.h"

#include <algorithm>

void TfilesOctets::AjouteEnvoi(const std::uint8_t* octets, std::size_t n) {
    const std::lock_guard<std::mutex> garde(verrou_);
    envoi_.insert(envoi_.end(), octets, octets + n);
}

bool TfilesOctets::EnvoiVide() {
    const std::lock_guard<std::mutex> garde(verrou_);
    return envoi_.empty();
}

std::size_t TfilesOctets::CopieEnvoi(std::uint8_t* tampon, std::size_t n) {
    const std::lock_guard<std::mutex> garde(verrou_);
    n = std::min(n, envoi_.size());
    std::copy_n(envoi_.begin(), n, tampon);
    return n;
}

void TfilesOctets::RetireEnvoi(std::size_t n) {
    const std::lock_guard<std::mutex> garde(verrou_);
    envoi_.erase(envoi_.begin(), envoi_.begin() + static_cast<std::ptrdiff_t>(std::min(n, envoi_.size())));
}

void TfilesOctets::AjouteReception(const std::uint8_t* octets, std::size_t n) {
    const std::lock_guard<std::mutex> garde(verrou_);
    reception_.insert(reception_.end(), octets, octets + n);
    if (reception_.size() > receptionMax_)
        reception_.erase(reception_.begin(),
                         reception_.begin() + static_cast<std::ptrdiff_t>(reception_.size() - receptionMax_));
}

std::size_t TfilesOctets::EnAttente() {
    const std::lock_guard<std::mutex> garde(verrou_);
    return reception_.size();
}

std::size_t TfilesOctets::Prend(std::uint8_t* tampon, std::size_t n) {
    const std::lock_guard<std::mutex> garde(verrou_);
    n = std::min(n, reception_.size());
    std::copy_n(reception_.begin(), n, tampon);
    reception_.erase(reception_.begin(), reception_.begin() + static_cast<std::ptrdiff_t>(n));
    return n;
}

void TfilesOctets::VideReception() {
    const std::lock_guard<std::mutex> garde(verrou_);
    reception_.clear();
}

void TfilesOctets::VideTout() {
    const std::lock_guard<std::mutex> garde(verrou_);
    envoi_.clear();
    reception_.clear();
}
