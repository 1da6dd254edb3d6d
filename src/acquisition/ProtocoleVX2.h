// The VX2 on a serial port: W commands, a one-line version reply, 38400 bauds once prepared.
#pragma once

#include "acquisition/ProtocoleSerie.h"

class TprotocoleVX2 final : public TprotocoleSerie {
public:
    using TprotocoleSerie::TprotocoleSerie;

    Tentree Entree() const override { return Tentree::eVX2; }
    void Sonde(TcollecteurReponse& reponse) override;
    bool Reconnait(const std::string& reponse) override;
    std::vector<TetapePreparation> Preparation() const override;
    Tresultat<> Lance() override;
    bool Arrete() override;

private:
    const char* Nom() const override { return "VX2"; }
    const char* LigneFermeture() const override { return "WBAUDS 0"; }
};
