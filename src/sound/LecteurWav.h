// The WAV reader: loads a PCM WAV file into the sound record.
#pragma once

#include <stdexcept>
#include <string>

#include "sound/EnregistrementSon.h"

// Why a file was refused; the message is plain French, ready to show to the user.
class EWavError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the header fields at their fixed offsets, finds the first "data" tag from
// offset 36 on before the RIFF size, and reads at most the record's capacity of samples.
// Returns true when the data chunk was longer than the capacity and was cut.
// Throws EWavError when the file is refused; the record then holds no frame
// (NbrePoints = 0), so nothing downstream can read past the capacity with a stale count.
bool LitFichierWav(const std::string& nom, TenregistrementSon& rec);
