// The fuzzer's bytes as a file the program opens by name, kept in memory and closed at the end.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

class TfichierEnMemoire {
public:
    TfichierEnMemoire(const std::uint8_t* donnees, std::size_t taille) : fd_(memfd_create("fuzz", 0)) {
        for (std::size_t fait = 0; fd_ >= 0 && fait < taille;) {
            const ssize_t n = write(fd_, donnees + fait, taille - fait);
            if (n <= 0) break;
            fait += static_cast<std::size_t>(n);
        }
    }
    ~TfichierEnMemoire() {
        if (fd_ >= 0) close(fd_);
    }
    TfichierEnMemoire(const TfichierEnMemoire&) = delete;
    TfichierEnMemoire& operator=(const TfichierEnMemoire&) = delete;

    bool Ouvert() const { return fd_ >= 0; }
    std::string Nom() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_;
};
