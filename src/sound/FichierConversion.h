// The WAV file that an imported sound is decoded into: the canonical 44-byte header (one
// PCM format chunk, one data chunk) written with both sizes 0, the 16-bit samples as they
// come, and the sizes patched once the last sample is in.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "sound/Fichiers.h"
#include "sound/Resultat.h"

// The header for 16-bit samples as first written, both sizes 0: channels 1 for a mono
// stream, otherwise 2.
std::array<std::uint8_t, 44> EnTeteConversion(int canaux, std::uint32_t frequence);

class TfichierConversion {
public:
    TfichierConversion() = default;
    // Starts the file under a temporary name of its own in the folder of `nom` and writes
    // the header; a failure says "Impossible de créer le fichier "NOM". REASON".
    Tresultat<> Ouvre(const std::string& nom, int canaux, std::uint32_t frequence);
    // A file left unfinished (an error, a damaged source) is removed: no partial sound
    // may pass for a whole one, and a file already named `nom` stays as it was.
    ~TfichierConversion();
    TfichierConversion(const TfichierConversion&) = delete;
    TfichierConversion& operator=(const TfichierConversion&) = delete;

    // Fails ("Impossible d'écrire le fichier "NOM". REASON") when the write fails (a full
    // disk) or the data would outgrow 32-bit sizes.
    Tresultat<> Ajoute(const std::int16_t* echantillons, std::size_t n);
    std::uint32_t TailleDonnees() const { return tailleDonnees_; }

    // Patches the RIFF size (file size - 8) and the data size (file size - 44), closes, and
    // gives the file its name, replacing any file of that name.
    Tresultat<> Termine();

private:
    // The message for what failed, the name and the reason of the last system call.
    Techec Echoue(TtexteSource quoi, int erreur) const;
    Tresultat<> Vide();

    std::string nom_;
    std::string nomProvisoire_;
    Tfichier fichier_;
    bool termine_ = false;
    std::uint32_t tailleDonnees_ = 0;
    // Samples wait here, so that the disk sees a few large writes rather than one per block.
    std::vector<std::uint8_t> tampon_;
    std::uint32_t ecrits_ = 0;
};
