#include "acquisition/InterfaceVelta.h"

#include <QCoreApplication>

#include "platform/NumerotationPorts.h"
#include "platform/Ticks.h"

namespace {

constexpr std::int64_t kTicksReponse = 18;
// A line that never goes quiet after a stop is given up after about two seconds.
constexpr std::int64_t kTicksVidangeMax = 36;

// Marks a search or a stop under way for as long as it runs, also when it throws.
class Toccupation {
public:
    Toccupation(bool& occupe, bool& abandon) : occupe_(occupe) {
        occupe_ = true;
        abandon = false;
    }
    ~Toccupation() { occupe_ = false; }
    Toccupation(const Toccupation&) = delete;
    Toccupation& operator=(const Toccupation&) = delete;

private:
    bool& occupe_;
};

}  // namespace

TinterfaceVelta::TinterfaceVelta() {
    VoieSerie.OnCoupure = [this](const QString& raison) { Coupure(raison); };
}

void TinterfaceVelta::ChercheInterface() {
    const Toccupation occupation(occupe_, abandon_);
    VoieSerie.SetBaud(kVitesseSonde);
    VoieSerie.OnTriggerAvail = [this](TPortSerie* CP, std::uint16_t Count) { TriggerAvailAsc(CP, Count); };
    const TnumerotationPorts numerotation = TnumerotationPorts::Actuelle();
    for (int n = 1; n <= kPortsCherches && !Abandon(); ++n) {
        if (!numerotation.PortExiste(n)) continue;
        VoieSerie.SetComNumber(n, numerotation);
        VoieSerie.SetOpen(true);
        TesteVX2();
        if (entree != Tentree::eVX2 && !Abandon()) TesteVQ();
        if (entree != Tentree::eSon) break;
        VoieSerie.SetOpen(false);
    }
    if (InterfaceVQ2 != nullptr && entree == Tentree::eSon && !Abandon()) TesteVQ2();
    // A search given up (the window is closing) leaves no half-prepared interface behind.
    if (Abandon()) entree = Tentree::eSon;
    if (entree == Tentree::eVQ)
        PrepareVQ();
    else if (entree == Tentree::eVX2)
        PrepareVX2();
    else if (entree == Tentree::eVQ2)
        PrepareVQ2();
    VoieSerie.SetOpen(false);
}

void TinterfaceVelta::Sonde(const char* commande, std::int32_t lignes) {
    collecteur.Debut(lignes);
    VoieSerie.FlushInBuffer();
    VoieSerie.PutString(commande);
    AttendEnTraitant(
        TminuterieTicks(kTicksReponse), [this] { return collecteur.finDeChaine; },
        [this] { return Abandon(); });
}

void TinterfaceVelta::TesteVX2() {
    Sonde("WVERSION\r", 1);
    if (ReponseVX2(collecteur.ChaineLue)) entree = Tentree::eVX2;
}

void TinterfaceVelta::TesteVQ() {
    Sonde("YERR\r", 3);
    if (ReponseVQ(collecteur.ChaineLue)) entree = Tentree::eVQ;
}

void TinterfaceVelta::TesteVQ2() {
    if (!InterfaceVQ2->Open()) return;
    collecteur.ChaineLue = InterfaceVQ2->Version();
    if (ReponseVQ2(collecteur.ChaineLue))
        entree = Tentree::eVQ2;
    else
        InterfaceVQ2->Close();
}

void TinterfaceVelta::TriggerAvailAsc(TPortSerie* CP, std::uint16_t Count) {
    for (std::uint16_t i = 0; i < Count && CP->CharReady(); ++i) collecteur.Ajoute(CP->GetChar());
}

void TinterfaceVelta::PrepareVQ() {
    OrdresVQ(ordres);
    const auto abandon = [this] { return Abandon(); };
    VoieSerie.PutString("YRESET\r");
    DelaiEnTraitant(4, abandon);
    VoieSerie.PutString("YBAUDS 6\r");
    DelaiEnTraitant(2, abandon);
    VoieSerie.SetBaud(kVitesseAcquisition);
    VoieSerie.PutString("YBIN\r");
    VoieSerie.PutString("YINTEGER\r");
    VoieSerie.PutString("YCAL 0 0\r");
}

void TinterfaceVelta::PrepareVX2() {
    // From here on what the interface sends is read and dropped, as no acquisition waits.
    VoieSerie.OnTriggerAvail = [this](TPortSerie* CP, std::uint16_t Count) { TriggerAvailBin(CP, Count); };
    const auto abandon = [this] { return Abandon(); };
    VoieSerie.PutString("WRESET\r");
    DelaiEnTraitant(3, abandon);
    VoieSerie.PutString("WBAUDS 2\r");
    DelaiEnTraitant(3, abandon);
    VoieSerie.SetBaud(kVitesseAcquisition);
    VoieSerie.PutString("WBIN\r");
    OrdresW(ordres);
}

void TinterfaceVelta::PrepareVQ2() {
    InterfaceVQ2->output("WRESET");
    DelaiEnTraitant(3, [this] { return Abandon(); });
    OrdresW(ordres);
}

void TinterfaceVelta::LanceAcquisition() {
    if (entree == Tentree::eVX2)
        LanceAcqVX2();
    else if (entree == Tentree::eVQ)
        LanceAcqVQ();
    else if (entree == Tentree::eVQ2)
        LanceAcqVQ2();
}

// The sound's layout is not touched here: the sound on screen stays whole until an
// acquisition worth keeping replaces it.
void TinterfaceVelta::DemarreAcquisition() {
    decodeur.attente = false;
    stopEnCours = false;
    if (entree != Tentree::eVQ2)
        VoieSerie.OnTriggerAvail = [this](TPortSerie* CP, std::uint16_t Count) {
            TriggerAvailBin(CP, Count);
        };
    decodeur.Demarre();
    if (OnProgression) OnProgression(0);
}

void TinterfaceVelta::LanceAcqVX2() {
    DemarreAcquisition();
    try {
        VoieSerie.SetTracing(true);
        VoieSerie.SetOpen(true);
    } catch (const EPortSerie&) {
        decodeur.attente = false;
        throw;
    }
    VoieSerie.PutString(ordres.ordreProgramme + "\r");
    VoieSerie.PutString(ordres.ordreLance + "\r");
}

void TinterfaceVelta::LanceAcqVQ() {
    DemarreAcquisition();
    try {
        VoieSerie.SetOpen(true);
    } catch (const EPortSerie&) {
        decodeur.attente = false;
        throw;
    }
    VoieSerie.SetTracing(true);
    VoieSerie.PutString(ordres.ordreProgrammeVQ + "\r");
    VoieSerie.PutString(ordres.ordreLanceVQ + "\r");
    VoieSerie.PutString(ordres.ordreResulVQ + "\r");
}

void TinterfaceVelta::LanceAcqVQ2() {
    DemarreAcquisition();
    InterfaceVQ2->output(ordres.ordreProgramme);
    InterfaceVQ2->output(ordres.ordreLance);
    InterfaceVQ2->LanceThreadZresul(2 * kPointsAcquisition);
}

void TinterfaceVelta::MessageDonneesVQ2(std::int32_t wParam) {
    TriggerAvailBin(nullptr, static_cast<std::uint16_t>(wParam & 0xFFFF));
}

// The result thread ended by itself: normally every byte has come. One that ended because
// the link went away leaves an acquisition short of samples, which then ends as after a
// lost serial line.
void TinterfaceVelta::MessageFinVQ2() {
    if (InterfaceVQ2 == nullptr) return;
    const bool complet = InterfaceVQ2->TransfertComplet();
    InterfaceVQ2->StopThreadZresul(false);
    if (!complet && !InterfaceVQ2->LienActif()) Coupure(QStringLiteral("liaison avec la VQ2 perdue"));
}

// CP is the serial port, or none for the VQ2's bytes.
void TinterfaceVelta::TriggerAvailBin(TPortSerie*, std::uint16_t Count) {
    for (std::uint16_t i = 0; i < Count; ++i) {
        if (decodeur.attente)
            LitOctet();
        else
            LitSource();
    }
}

std::uint8_t TinterfaceVelta::LitSource() {
    return entree == Tentree::eVQ2 ? InterfaceVQ2->getChar() : VoieSerie.GetChar();
}

void TinterfaceVelta::LitOctet() {
    if (!decodeur.LitOctet(LitSource())) return;
    if (OnProgression) OnProgression(decodeur.NbreCourant - 1);
    if (decodeur.Complete() || stopEnCours) FinAcquisition();
}

void TinterfaceVelta::FinAcquisition() {
    decodeur.attente = false;
    if (!stopEnCours) VoieSerie.SetOpen(false);
    if (OnFinAcquisition) OnFinAcquisition();
}

void TinterfaceVelta::StopInterface() {
    const Toccupation occupation(occupe_, abandon_);
    stopEnCours = true;
    DelaiSansTraiter(2);
    QCoreApplication::processEvents();
    if (entree == Tentree::eVQ) {
        VoieSerie.PutString("YHALT\r");
    } else if (entree == Tentree::eVX2) {
        VoieSerie.PutString("WPE\r");
    } else if (entree == Tentree::eVQ2) {
        InterfaceVQ2->output("WPE");
        InterfaceVQ2->StopThreadZresul(true);
        return;
    }
    const TminuterieTicks limite(kTicksVidangeMax);
    do {
        VoieSerie.FlushInBuffer();
        QCoreApplication::processEvents();
        DelaiSansTraiter(2);
        VoieSerie.ProcessCommunications();
    } while (VoieSerie.CharReady() && !limite.Expiree() && !Abandon());
    VoieSerie.SetOpen(false);
}

void TinterfaceVelta::FermeInterface() {
    const char* commande = entree == Tentree::eVQ    ? "YBAUDS 4\r"
                           : entree == Tentree::eVX2 ? "WBAUDS 0\r"
                                                     : nullptr;
    if (commande == nullptr) return;
    try {
        VoieSerie.SetOpen(true);
    } catch (const EPortSerie&) {
        return;
    }
    VoieSerie.PutString(commande);
}

// The line went away: an acquisition under way ends with what it received, as after Stop.
void TinterfaceVelta::Coupure(const QString& raison) {
    if (!decodeur.attente) return;
    stopEnCours = true;
    FinAcquisition();
    if (OnCoupure) OnCoupure(raison);
}

QString TinterfaceVelta::Description() const {
    if (entree == Tentree::eVQ2)
        return QStringLiteral("Velta VQ2 par son pilote (%1)").arg(kNomBibliothequeVQ2);
    const char* modele = entree == Tentree::eVX2 ? "VX2" : entree == Tentree::eVQ ? "VQ" : nullptr;
    if (modele == nullptr) return {};
    return QStringLiteral("Velta %1 sur le port %2 (%3)")
        .arg(modele)
        .arg(VoieSerie.ComNumber())
        .arg(VoieSerie.Chemin());
}
