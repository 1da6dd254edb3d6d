// The VQ on a serial port: Y commands, a three-line error reply that names it, 38400 bauds
// once prepared, integers in binary.
#pragma once

#include "acquisition/ProtocoleSerie.h"

class TprotocoleVQ final : public TprotocoleSerie {
public:
    using TprotocoleSerie::TprotocoleSerie;

    Tentree Entree() const override { return Tentree::eVQ; }
    void Sonde(TcollecteurReponse& reponse) override;
    bool Reconnait(const std::string& reponse) override;
    std::vector<TetapePreparation> Preparation() const override;
    Tresultat<> Lance() override;
    bool Arrete() override;

private:
    const char* Nom() const override { return "VQ"; }
    const char* LigneFermeture() const override { return "YBAUDS 4"; }
};
