#include "acquisition/ProtocoleVX2.h"

#include "acquisition/OrdresVelta.h"

void TprotocoleVX2::Sonde(TcollecteurReponse& reponse) {
    Demande(reponse, "WVERSION", 1);
}

bool TprotocoleVX2::Reconnait(const std::string& reponse) {
    return ReponseVX2(reponse);
}

// The reset and the speed change each need three ticks before the next line is understood.
std::vector<TetapePreparation> TprotocoleVX2::Preparation() const {
    return {{"WRESET", 3}, {"WBAUDS 2", 3}, {"WBIN", 0, kVitesseAcquisition}};
}

Tresultat<> TprotocoleVX2::Lance() {
    TordresAcquisition ordres;
    OrdresW(ordres);
    return LanceLignes({ordres.ordreProgramme, ordres.ordreLance});
}

bool TprotocoleVX2::Arrete() {
    EnvoieLigne("WPE");
    return true;
}
