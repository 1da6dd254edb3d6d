#include "acquisition/DecodeurAcquisition.h"

void TdecodeurAcquisition::Demarre() {
    indexOctet = 0;
    NbreCourant = 0;
    attente = true;
}

bool TdecodeurAcquisition::LitOctet(std::uint8_t octet) {
    ValeurMot.octets[indexOctet] = octet;
    if (indexOctet == 0) {
        indexOctet = 1;
        return false;
    }
    indexOctet = 0;
    if (Complete()) return false;
    const auto mot = static_cast<std::uint16_t>(ValeurMot.entier());
    octets_[2 * NbreCourant] = static_cast<std::uint8_t>(mot & 0xFF);
    octets_[2 * NbreCourant + 1] = static_cast<std::uint8_t>(mot >> 8);
    ++NbreCourant;
    return true;
}
