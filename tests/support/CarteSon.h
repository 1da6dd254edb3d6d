// The tests' sound card: ALSA's file plugin, set up by the test main in HOME.
#pragma once

#include <cstdint>
#include <vector>

// What reached the device since the last stream was opened, as 16-bit samples: at most the
// first `maximum`, as a loop on this device, which does not keep real time, writes fast.
std::vector<std::int16_t> SortieCarte(std::size_t maximum = 1 << 20);
// How many samples reached the device, without reading them.
std::size_t TailleSortieCarte();
// The samples that were played: the output without the silence the stream adds around them.
std::vector<std::int16_t> SonJoue();
// What the next recording reads.
void EntreeCarte(const std::vector<std::uint8_t>& octets);
// Makes the default sound card one that goes away after `trames` frames at real pace, as a
// card pulled out does. Call before the process first uses the sound system. PortAudio
// logs every failed restart of a card that went away, so stderr goes to a file from then on.
void BrancheCarteFragile(long trames);
