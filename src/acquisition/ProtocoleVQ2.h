// The VQ2 through its driver library: the link opened by the probe, W commands, and the
// acquisition's bytes brought by the result thread of TVQ2.
#pragma once

#include "acquisition/ProtocoleVelta.h"
#include "acquisition/VQ2.h"

class TprotocoleVQ2 final : public TprotocoleVelta {
public:
    explicit TprotocoleVQ2(TVQ2& vq2) : vq2_(vq2) {}

    Tentree Entree() const override { return Tentree::eVQ2; }
    void Sonde(TcollecteurReponse& reponse) override;
    bool Reconnait(const std::string& reponse) override;
    std::vector<TetapePreparation> Preparation() const override;
    void Envoie(const TetapePreparation& etape) override;
    Tresultat<> Lance() override;
    std::uint8_t Octet() override { return vq2_.getChar(); }
    bool Arrete() override;
    void Ferme() override {}
    QString Description() const override;

private:
    TVQ2& vq2_;
};
