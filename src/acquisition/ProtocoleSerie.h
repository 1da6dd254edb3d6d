// What the models on a serial port share: the probe's question at the search's speed, the
// lines sent with their carriage return, the closing line, and the description.
#pragma once

#include "acquisition/ProtocoleVelta.h"
#include "platform/PortSerie.h"

class TprotocoleSerie : public TprotocoleVelta {
public:
    explicit TprotocoleSerie(TPortSerie& port) : port_(port) {}

    void Envoie(const TetapePreparation& etape) override;
    std::uint8_t Octet() override { return port_.GetChar(); }
    void Ferme() override;
    QString Description() const override;

protected:
    // Sends `question` and expects a reply of so many lines.
    void Demande(TcollecteurReponse& reponse, const char* question, std::int32_t lignes);
    // Opens the port for an acquisition, traced, and sends its lines.
    Tresultat<> LanceLignes(const std::vector<std::string>& lignes);
    void EnvoieLigne(const std::string& ligne);

    virtual const char* Nom() const = 0;
    virtual const char* LigneFermeture() const = 0;

    TPortSerie& port_;
};
