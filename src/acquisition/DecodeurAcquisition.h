// Turns the bytes of an acquisition into samples: little-endian pairs counted from the
// first byte after the start, stored as they come, no header, no framing.
#pragma once

#include <array>
#include <cstdint>

#include "acquisition/OrdresVelta.h"

// Where the two bytes of the current pair are put together.
struct TpseudoWord {
    std::array<std::uint8_t, 2> octets{};
    std::int16_t entier() const {
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(octets[0] | (octets[1] << 8)));
    }
};

class TdecodeurAcquisition {
public:
    // A new acquisition waits for its first byte.
    void Demarre();
    // Takes one byte; true when it completed a sample. A sample past the last is not stored.
    bool LitOctet(std::uint8_t octet);
    bool Complete() const { return NbreCourant >= kPointsAcquisition; }
    // Whether the samples received make a sound worth keeping.
    bool AGarder() const { return NbreCourant > kSeuilAcquisition; }
    // The samples received, as 16-bit little-endian pairs.
    const std::uint8_t* Octets() const { return octets_.data(); }

    bool attente = false;
    std::uint8_t indexOctet = 0;
    std::int32_t NbreCourant = 0;
    TpseudoWord ValeurMot;

private:
    std::array<std::uint8_t, 2 * kPointsAcquisition> octets_{};
};
