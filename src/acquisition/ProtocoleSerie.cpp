#include "acquisition/ProtocoleSerie.h"

#include <QCoreApplication>

void TprotocoleSerie::Demande(TcollecteurReponse& reponse, const char* question, std::int32_t lignes) {
    reponse.Debut(lignes);
    port_.FlushInBuffer();
    EnvoieLigne(question);
}

void TprotocoleSerie::EnvoieLigne(const std::string& ligne) {
    port_.PutString(ligne + "\r");
}

void TprotocoleSerie::Envoie(const TetapePreparation& etape) {
    if (etape.vitesse != 0) port_.SetBaud(etape.vitesse);
    EnvoieLigne(etape.ligne);
}

Tresultat<> TprotocoleSerie::LanceLignes(const std::vector<std::string>& lignes) {
    if (Tresultat<> ouvert = port_.Ouvre(); !ouvert) return ouvert;
    port_.SetTracing(true);
    for (const std::string& ligne : lignes) EnvoieLigne(ligne);
    return {};
}

// A port that no longer opens is skipped: the program closes all the same.
void TprotocoleSerie::Ferme() {
    if (!port_.Ouvre()) return;
    EnvoieLigne(LigneFermeture());
}

QString TprotocoleSerie::Description() const {
    return QCoreApplication::translate("ProtocoleSerie", "Velta %1 sur le port %2 (%3)")
        .arg(Nom())
        .arg(port_.ComNumber())
        .arg(port_.Chemin());
}
