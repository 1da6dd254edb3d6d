// The text of an interface's reply to a probe, and what it says about the model.
#pragma once

#include <cstdint>
#include <string>

class TcollecteurReponse {
public:
    // Starts a new reply of the given number of lines.
    void Debut(std::int32_t lignes);
    // Printable bytes (128 to 255 included) are kept, a carriage return ends a line, any
    // other byte is dropped.
    void Ajoute(std::uint8_t octet);

    std::string ChaineLue;
    std::int32_t NlignesLues = 0;
    std::int32_t NlignesAlire = 0;
    bool finDeChaine = false;
};

// The verdicts of the probes on a reply's text (exact, case-sensitive substrings).
bool ReponseVX2(const std::string& chaine);
bool ReponseVQ(const std::string& chaine);
bool ReponseVQ2(const std::string& chaine);
