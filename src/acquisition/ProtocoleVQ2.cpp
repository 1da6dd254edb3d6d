#include "acquisition/ProtocoleVQ2.h"

#include <QCoreApplication>

#include "acquisition/OrdresVelta.h"

// The driver answers before it returns: the link's opening and the version's reading make
// their own short waits, which are the driver's protocol.
void TprotocoleVQ2::Sonde(TcollecteurReponse& reponse) {
    reponse.Debut(1);
    if (vq2_.Open()) reponse.ChaineLue = vq2_.Version();
    reponse.finDeChaine = true;
}

bool TprotocoleVQ2::Reconnait(const std::string& reponse) {
    if (ReponseVQ2(reponse)) return true;
    vq2_.Close();
    return false;
}

std::vector<TetapePreparation> TprotocoleVQ2::Preparation() const {
    return {{"WRESET", 3}};
}

void TprotocoleVQ2::Envoie(const TetapePreparation& etape) {
    vq2_.output(etape.ligne);
}

Tresultat<> TprotocoleVQ2::Lance() {
    TordresAcquisition ordres;
    OrdresW(ordres);
    vq2_.output(ordres.ordreProgramme);
    vq2_.output(ordres.ordreLance);
    vq2_.LanceThreadZresul(2 * kPointsAcquisition);
    return {};
}

// Nothing to drain: stopping the result thread empties what the library still holds.
bool TprotocoleVQ2::Arrete() {
    vq2_.output("WPE");
    vq2_.StopThreadZresul(true);
    return false;
}

QString TprotocoleVQ2::Description() const {
    return QCoreApplication::translate("ProtocoleVQ2", "Velta VQ2 par son pilote (%1)")
        .arg(kNomBibliothequeVQ2);
}
