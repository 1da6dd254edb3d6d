// The only part of sound/ that calls the system about files: opening, reading and writing at
// a place, cutting, temporary names, renaming, removing, and what a name is. The reader, the
// writer, the road chooser and the conversion file go through it, so that another edition
// (the browser's) replaces this file alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "sound/Resultat.h"

// The system's text for an error number, as the messages show it.
std::string TexteErreur(int erreur);

// A file open on the system, closed when the object goes. Reads and writes return false
// with errno set, so that the caller says in its own words what failed.
class Tfichier {
public:
    Tfichier() = default;
    ~Tfichier();
    Tfichier(Tfichier&& autre) noexcept;
    Tfichier& operator=(Tfichier&& autre) noexcept;
    Tfichier(const Tfichier&) = delete;
    Tfichier& operator=(const Tfichier&) = delete;

    // A plain file for reading: a pipe, a folder or a device is refused without waiting on
    // it ("Ce n'est pas un fichier ..."); an opening that fails says "Problème d'ouverture : ...".
    static Tresultat<Tfichier> OuvreLecture(const std::string& nom);
    // An existing file for writing, never created here. Failure: the system's text.
    static Tresultat<Tfichier> OuvreEcriture(const std::string& nom);
    // A new file, refused (errno EEXIST) when the name is taken; -1 when another error.
    static Tfichier CreeExclusif(const std::string& nom, int& erreur);
    // A new file under a fresh hidden name beside `nom` (".NAME.xxxxxx"), with the usual
    // permissions; `provisoire` receives its name. Failure: the system's text.
    static Tresultat<Tfichier> CreeProvisoire(const std::string& nom, std::string& provisoire);

    bool Ouvert() const { return fd_ >= 0; }
    std::int64_t Taille() const { return taille_; }

    // Up to `n` bytes from `position` until the end of the file: the count read, or -1.
    std::int64_t LitA(std::int64_t position, void* dest, std::size_t n) const;
    // The whole block at `position`, resuming short writes (a full disk gives ENOSPC).
    bool EcritA(std::int64_t position, const void* p, std::size_t n);
    bool Tronque(std::int64_t taille);
    // Closes now; false when the system reports a failure (a late write error).
    bool Ferme();

private:
    explicit Tfichier(int fd) : fd_(fd) {}

    int fd_ = -1;
    std::int64_t taille_ = 0;
};

// Renames `de` over `vers` (one step, replacing a file there); false with errno set.
bool Renomme(const std::string& de, const std::string& vers);
void Supprime(const std::string& nom);

// The name a new file renamed over `nom` takes: the file a link points to (the link stays), or
// `nom` itself when nothing is there. Nothing when `nom` is a folder, a device, a pipe or a
// socket: a rename would put a plain file in its place.
std::optional<std::string> CibleRemplacement(const std::string& nom);
