#include "acquisition/InterfaceVelta.h"

#include <QCoreApplication>

#include "acquisition/ProtocoleVQ.h"
#include "acquisition/ProtocoleVQ2.h"
#include "acquisition/ProtocoleVX2.h"

namespace {

constexpr std::int64_t kTicksReponse = 18;
// A line that never goes quiet after a stop is given up after about two seconds.
constexpr std::int64_t kTicksVidangeMax = 36;
// Before the stop's line, and each step of the drain.
constexpr std::int64_t kTicksArret = 2;

}  // namespace

TinterfaceVelta::TinterfaceVelta() {
    serie_[0] = std::make_unique<TprotocoleVX2>(VoieSerie);
    serie_[1] = std::make_unique<TprotocoleVQ>(VoieSerie);
    VoieSerie.OnCoupure = [this](const QString& raison) { Coupure(raison); };
}

void TinterfaceVelta::BranchePilote(const TpointsEntreeVQ2& pilote) {
    vq2_ = std::make_unique<TVQ2>(pilote, this);
    pilote_ = std::make_unique<TprotocoleVQ2>(*vq2_);
}

void TinterfaceVelta::Adopte(Tentree modele) {
    modele_ = nullptr;
    for (TprotocoleVelta* p : {serie_[0].get(), serie_[1].get(), pilote_.get()})
        if (p != nullptr && p->Entree() == modele) modele_ = p;
}

QString TinterfaceVelta::Description() const {
    return modele_ == nullptr ? QString() : modele_->Description();
}

void TinterfaceVelta::Abandonne() {
    decodeur.attente = false;
    if (!Occupe()) return;
    abandon_ = true;
    attente_.Reveille();
}

void TinterfaceVelta::ChercheInterface() {
    if (Occupe()) return;
    recherche_ = true;
    abandon_ = false;
    modele_ = nullptr;
    VoieSerie.SetBaud(kVitesseSonde);
    VoieSerie.OnTriggerAvail = [this](TPortSerie* CP, std::uint16_t Count) { TriggerAvailAsc(CP, Count); };
    numerotation_ = TnumerotationPorts::Actuelle();
    port_ = 0;
    essayes_.clear();
    // The first step, as every other, runs from the event loop.
    attente_.Attend(
        0, [] { return true; }, [this] { PortSuivant(); });
}

// Each present port is opened and asked by each serial model in turn; past the last, the
// driver is asked.
void TinterfaceVelta::PortSuivant() {
    VoieSerie.Ferme();
    while (!abandon_ && ++port_ <= kPortsCherches && !numerotation_.PortExiste(port_)) {
    }
    if (abandon_ || port_ > kPortsCherches) {
        if (pilote_ != nullptr && !abandon_) {
            essayes_ << QCoreApplication::translate("InterfaceVelta", "la VQ2 par son pilote");
            Sonde(*pilote_);
        } else
            FinRecherche({});
        return;
    }
    VoieSerie.SetComNumber(port_, numerotation_);
    essayes_
        << QCoreApplication::translate("InterfaceVelta", "port %1 (%2)").arg(port_).arg(VoieSerie.Chemin());
    if (const Tresultat<> ouvert = VoieSerie.Ouvre(); !ouvert) {
        FinRecherche(ouvert);
        return;
    }
    essai_ = 0;
    Sonde(*serie_[essai_]);
}

void TinterfaceVelta::Sonde(TprotocoleVelta& protocole) {
    sonde_ = &protocole;
    protocole.Sonde(collecteur);
    attente_.Attend(
        kTicksReponse, [this] { return collecteur.finDeChaine || abandon_; }, [this] { FinSonde(); });
}

void TinterfaceVelta::TriggerAvailAsc(TPortSerie* CP, std::uint16_t Count) {
    for (std::uint16_t i = 0; i < Count && CP->CharReady(); ++i) collecteur.Ajoute(CP->GetChar());
    if (collecteur.finDeChaine) attente_.Reveille();
}

// A search given up (the window is closing) leaves no interface behind.
void TinterfaceVelta::FinSonde() {
    if (abandon_) {
        FinRecherche({});
        return;
    }
    if (sonde_->Reconnait(collecteur.ChaineLue)) {
        Prepare(*sonde_);
        return;
    }
    if (sonde_ == pilote_.get()) {
        FinRecherche({});
        return;
    }
    if (++essai_ < serie_.size()) {
        Sonde(*serie_[essai_]);
        return;
    }
    PortSuivant();
}

// From here on what the interface sends is read and dropped, as no acquisition waits.
void TinterfaceVelta::Prepare(TprotocoleVelta& protocole) {
    modele_ = &protocole;
    VoieSerie.OnTriggerAvail = [this](TPortSerie*, std::uint16_t Count) { TriggerAvailBin(Count); };
    etapes_ = protocole.Preparation();
    etape_ = 0;
    EtapeSuivante();
}

// Lines with no wait after them go together.
void TinterfaceVelta::EtapeSuivante() {
    while (etape_ < etapes_.size()) {
        const TetapePreparation& etape = etapes_[etape_++];
        modele_->Envoie(etape);
        if (etape.ticks > 0) {
            attente_.Attend(etape.ticks, {}, [this] { EtapeSuivante(); });
            return;
        }
    }
    FinRecherche({});
}

void TinterfaceVelta::FinRecherche(const Tresultat<>& resultat) {
    VoieSerie.Ferme();
    recherche_ = false;
    sonde_ = nullptr;
    if (OnFinRecherche) OnFinRecherche(resultat);
}

// The sound's layout is not touched here: the sound on screen stays whole until an
// acquisition worth keeping replaces it.
void TinterfaceVelta::DemarreAcquisition() {
    decodeur.attente = false;
    arretDemande_ = false;
    VoieSerie.OnTriggerAvail = [this](TPortSerie*, std::uint16_t Count) { TriggerAvailBin(Count); };
    decodeur.Demarre();
    if (OnProgression) OnProgression(0);
}

Tresultat<> TinterfaceVelta::LanceAcquisition() {
    if (modele_ == nullptr) return {};
    DemarreAcquisition();
    Tresultat<> lance = modele_->Lance();
    if (!lance) decodeur.attente = false;
    return lance;
}

bool TinterfaceVelta::event(QEvent* evenement) {
    if (evenement->type() == WM_DONNEES_VQ2) {
        TriggerAvailBin(static_cast<std::uint16_t>(static_cast<TevenementVQ2*>(evenement)->wParam & 0xFFFF));
        return true;
    }
    if (evenement->type() == WM_FIN_VQ2) {
        MessageFinVQ2();
        return true;
    }
    return QObject::event(evenement);
}

// The result thread ended by itself: normally every byte has come. One that ended because
// the link went away leaves an acquisition short of samples, which then ends as after a
// lost serial line.
void TinterfaceVelta::MessageFinVQ2() {
    if (vq2_ == nullptr) return;
    const bool complet = vq2_->TransfertComplet();
    vq2_->StopThreadZresul(false);
    if (!complet && !vq2_->LienActif())
        Coupure(QCoreApplication::translate("InterfaceVelta", "liaison avec la VQ2 perdue"));
}

// Bytes announced by the serial port or the VQ2's result thread; with no acquisition waiting
// they are read and dropped.
void TinterfaceVelta::TriggerAvailBin(std::uint16_t Count) {
    if (modele_ == nullptr) return;
    for (std::uint16_t i = 0; i < Count; ++i) {
        if (decodeur.attente)
            LitOctet();
        else
            modele_->Octet();
    }
}

void TinterfaceVelta::LitOctet() {
    if (!decodeur.LitOctet(modele_->Octet())) return;
    if (OnProgression) OnProgression(decodeur.NbreCourant - 1);
    if (decodeur.Complete() || arretDemande_) FinAcquisition();
}

void TinterfaceVelta::FinAcquisition() {
    decodeur.attente = false;
    if (!arretDemande_) VoieSerie.Ferme();
    if (OnFinAcquisition) OnFinAcquisition();
}

void TinterfaceVelta::StopInterface() {
    if (modele_ == nullptr || Occupe()) return;
    arret_ = true;
    abandon_ = false;
    arretDemande_ = true;
    attente_.Attend(
        kTicksArret, [this] { return abandon_; }, [this] { EnvoieArret(); });
}

void TinterfaceVelta::EnvoieArret() {
    if (!modele_->Arrete()) {
        FinArret();
        return;
    }
    limiteVidange_ = TminuterieTicks(kTicksVidangeMax);
    EtapeVidange();
}

// Each step drops what came and waits; the line is quiet once a whole step brings nothing.
void TinterfaceVelta::EtapeVidange() {
    VoieSerie.FlushInBuffer();
    recusAvantVidange_ = VoieSerie.OctetsRecus();
    attente_.Attend(
        kTicksArret, [this] { return abandon_; }, [this] { FinEtapeVidange(); });
}

void TinterfaceVelta::FinEtapeVidange() {
    VoieSerie.ProcessCommunications();
    const bool calme = VoieSerie.OctetsRecus() == recusAvantVidange_;
    if (!calme && !limiteVidange_.Expiree() && !abandon_) {
        EtapeVidange();
        return;
    }
    VoieSerie.Ferme();
    FinArret();
}

void TinterfaceVelta::FinArret() {
    arret_ = false;
    if (OnFinArret) OnFinArret();
}

void TinterfaceVelta::FermeInterface() {
    decodeur.attente = false;
    if (modele_ != nullptr) modele_->Ferme();
}

// The line went away: an acquisition under way ends with what it received, as after Stop.
void TinterfaceVelta::Coupure(const QString& raison) {
    if (!decodeur.attente) return;
    arretDemande_ = true;
    FinAcquisition();
    if (OnCoupure) OnCoupure(raison);
}
