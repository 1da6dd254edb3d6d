#include "acquisition/ProtocoleVQ.h"

#include "acquisition/OrdresVelta.h"

void TprotocoleVQ::Sonde(TcollecteurReponse& reponse) {
    Demande(reponse, "YERR", 3);
}

bool TprotocoleVQ::Reconnait(const std::string& reponse) {
    return ReponseVQ(reponse);
}

// The reset needs four ticks, the speed change two, before the next line is understood.
std::vector<TetapePreparation> TprotocoleVQ::Preparation() const {
    return {{"YRESET", 4}, {"YBAUDS 6", 2}, {"YBIN", 0, kVitesseAcquisition}, {"YINTEGER"}, {"YCAL 0 0"}};
}

Tresultat<> TprotocoleVQ::Lance() {
    TordresAcquisition ordres;
    OrdresVQ(ordres);
    return LanceLignes({ordres.ordreProgrammeVQ, ordres.ordreLanceVQ, ordres.ordreResulVQ});
}

bool TprotocoleVQ::Arrete() {
    EnvoieLigne("YHALT");
    return true;
}
