// The samples an acquisition sends: a waveform computed at 11025 Hz, or a WAV file's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

inline constexpr double kFrequenceInstrument = 11025.0;

// "sinus:F[:A]", "carre:F[:A]", "triangle:F[:A]", "chirp:F1:F2[:A]" (F in Hz, A the peak
// value, 20000 by default) or "wav:FILE". Throws std::invalid_argument with the reason.
std::vector<std::int16_t> FabriqueSignal(const std::string& description, std::size_t points);
