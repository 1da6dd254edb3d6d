// The WAV reader: loads a PCM WAV file into the sound record.
#pragma once

#include <cstdint>
#include <string>

#include "sound/EnregistrementSon.h"
#include "sound/Resultat.h"

// What the header says and where the samples are.
struct TdescriptionWav {
    TformatWave format = TformatWave::f8;
    std::uint32_t FreqEch = 0;
    std::uint8_t NBits = 0;
    std::uint8_t Nvoies = 0;
    std::int64_t debutDonnees = 0;     // offset of the first sample byte
    std::uint32_t tailleAnnoncee = 0;  // the data chunk's own size
    std::int64_t tramesPresentes = 0;  // whole frames of that chunk that the file holds
};

// Reads the header fields at their fixed offsets and finds the data chunk: the first "data"
// tag from offset 36 on before the RIFF size, unless the chunk list is well formed and its
// data chunk lies further (a "data" inside a comment is not the sound). A file whose chunk
// list is broken keeps the byte scan. A refused file gives the reason, in French.
Tresultat<TdescriptionWav> DecritFichierWav(const std::string& nom);

// Reads at most the record's capacity of samples, from frame `debut` of the data chunk on.
// Gives true when the data chunk was longer than the capacity and was cut, or the reason
// the file is refused; the record is then left as it was, since nothing is written into it
// before the whole read has succeeded.
Tresultat<bool> LitFichierWav(const std::string& nom, TenregistrementSon& rec, std::int64_t debut = 0);
