// The WAV writer: saves a sample vector as a PCM WAV file in one of two header layouts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sound/Resultat.h"
#include "sound/VecteurSon.h"

// The header the writer puts before the samples: layout B (58 bytes, 18-byte format chunk
// and a fact chunk) for 16-bit stereo, layout A (canonical 44 bytes) for the others.
std::vector<std::uint8_t> EnTeteWav(TformatWave format, std::int32_t nbrePoints, std::uint32_t freqEch);

// Writes the vector's first nbrePoints frames over an existing file, which is never
// created here, and cuts the file to what was written. A failure gives the system's reason
// (the file cannot be opened for writing, or a write or the cut failed); a file whose writing
// failed is left holding the four bytes "RIFF", never a header without its samples.
Tresultat<> EcritWav(const std::string& nom, const TvecteurSon& vecteur, std::int32_t nbrePoints,
                     std::uint32_t freqEch);

// Writes a whole new file under `nom`: into a temporary file beside it, renamed over `nom`
// once complete, so that a failure leaves no half-written file and any file of that name as
// it was. The bytes are those EcritWav writes.
Tresultat<> EcritWavNeuf(const std::string& nom, const TvecteurSon& vecteur, std::int32_t nbrePoints,
                         std::uint32_t freqEch);

// The same for samples held elsewhere than in a sample vector (a recording).
Tresultat<> EcritWavOctets(const std::string& nom, TformatWave format, const std::uint8_t* octets,
                           std::int32_t nbrePoints, std::uint32_t freqEch);

// Creates a missing working file holding the four bytes "RIFF"; an existing file is left
// untouched. A failure says "Impossible de créer le fichier NAME : reason".
Tresultat<> CreeFichierSiAbsent(const std::string& nom);
