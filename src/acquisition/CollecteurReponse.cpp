#include "acquisition/CollecteurReponse.h"

void TcollecteurReponse::Debut(std::int32_t lignes) {
    ChaineLue.clear();
    NlignesLues = 0;
    NlignesAlire = lignes;
    finDeChaine = false;
}

void TcollecteurReponse::Ajoute(std::uint8_t octet) {
    if (octet >= 32)
        ChaineLue += static_cast<char>(octet);
    else if (octet == 13)
        ++NlignesLues;
    finDeChaine = NlignesLues >= NlignesAlire;
}

bool ReponseVX2(const std::string& chaine) {
    return chaine.find("VX2") != std::string::npos;
}

bool ReponseVQ(const std::string& chaine) {
    return chaine.find("VELTA") != std::string::npos && chaine.find("VQ") != std::string::npos;
}

bool ReponseVQ2(const std::string& chaine) {
    return chaine.find("VQ2") != std::string::npos;
}
