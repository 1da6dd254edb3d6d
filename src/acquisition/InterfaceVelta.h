// The VELTA measurement interface as the program sees it: the search over the serial ports and
// the driver, the preparation of the model found, its acquisitions, their stop, and the line
// sent when the program closes. Each model's lines are its protocol object's; this object
// sequences them. Everything runs on the UI thread, and every wait is a timer step or the
// port's data notification: a search and a stop return at once and tell their end through a
// callback, always from the event loop.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include <QObject>
#include <QString>
#include <QStringList>

#include "acquisition/CollecteurReponse.h"
#include "acquisition/DecodeurAcquisition.h"
#include "acquisition/ProtocoleVelta.h"
#include "acquisition/VQ2.h"
#include "platform/NumerotationPorts.h"
#include "platform/PortSerie.h"
#include "platform/Ticks.h"
#include "sound/Resultat.h"

inline constexpr int kPortsCherches = 50;

class TinterfaceVelta : public QObject {
public:
    TinterfaceVelta();

    // The VQ2's driver, when its library was loaded: the search then asks it last. The result
    // thread's events come to this object.
    void BranchePilote(const TpointsEntreeVQ2& pilote);
    TVQ2* VQ2() const { return vq2_.get(); }

    // Looks at ports 1 to 50 for a VX2, then a VQ, then for a VQ2 through its driver; prepares
    // the one found and leaves the serial port closed at 38400 bauds. OnFinRecherche tells the
    // end: a failure when a present port cannot be opened, which ends the search there.
    void ChercheInterface();
    // Takes `modele` as found behind the port already chosen, without a search.
    void Adopte(Tentree modele);

    // Starts an acquisition on the interface found; a port that no longer opens is a failure
    // (nothing then waits).
    Tresultat<> LanceAcquisition();

    // What Stop does to an interface: lets the bytes already on their way end the acquisition,
    // stops the interface and drains the line until it is quiet, then closes the port;
    // OnFinArret tells the end.
    void StopInterface();
    // Sends the model's closing line; a port that no longer opens is skipped. An acquisition
    // still waiting is given up: nothing of it comes afterwards.
    void FermeInterface();

    // A search or a stop is under way. Abandonne ends it at its next wait (a preparation
    // already begun goes to its end, so that the interface is left in a known state) and
    // gives up an acquisition still waiting: nothing of it comes afterwards.
    bool Occupe() const { return recherche_ || arret_; }
    void Abandonne();

    // What was found (eSon: nothing), and the model and what serves it, in words.
    Tentree Entree() const { return modele_ == nullptr ? Tentree::eSon : modele_->Entree(); }
    QString Description() const;
    // What the last search asked, in words: each present port with its device, then the VQ2's
    // driver when it was loaded. Empty when it asked nothing.
    QStringList Essayes() const { return essayes_; }

    TPortSerie VoieSerie;
    TcollecteurReponse collecteur;
    TdecodeurAcquisition decodeur;

    // The window's part: the end of a search, the end of a stop, the progress of an
    // acquisition (samples stored), its end (the decoder holds what arrived), and a line that
    // went away during one.
    std::function<void(const Tresultat<>&)> OnFinRecherche;
    std::function<void()> OnFinArret;
    std::function<void(std::int32_t)> OnProgression;
    std::function<void()> OnFinAcquisition;
    std::function<void(const QString&)> OnCoupure;

protected:
    bool event(QEvent* evenement) override;

private:
    // The search's steps.
    void PortSuivant();
    void Sonde(TprotocoleVelta& protocole);
    void FinSonde();
    void Prepare(TprotocoleVelta& protocole);
    void EtapeSuivante();
    void FinRecherche(const Tresultat<>& resultat);
    void TriggerAvailAsc(TPortSerie* CP, std::uint16_t Count);

    // An acquisition's bytes, from the serial port or the VQ2's result thread.
    void DemarreAcquisition();
    void TriggerAvailBin(std::uint16_t Count);
    void LitOctet();
    void FinAcquisition();
    void MessageFinVQ2();
    void Coupure(const QString& raison);

    // The stop's steps.
    void EnvoieArret();
    void EtapeVidange();
    void FinEtapeVidange();
    void FinArret();

    // The protocols are declared after the port and the driver object they speak through,
    // so that they go first.
    std::unique_ptr<TVQ2> vq2_;
    // The serial models in the order the search asks them, and the VQ2 when its driver is there.
    std::array<std::unique_ptr<TprotocoleVelta>, 2> serie_;
    std::unique_ptr<TprotocoleVelta> pilote_;
    TprotocoleVelta* modele_ = nullptr;  // the one found
    TprotocoleVelta* sonde_ = nullptr;   // the one being asked

    TattenteTicks attente_;
    TnumerotationPorts numerotation_{{}};
    int port_ = 0;
    QStringList essayes_;
    std::size_t essai_ = 0;
    std::vector<TetapePreparation> etapes_;
    std::size_t etape_ = 0;
    TminuterieTicks limiteVidange_{0};
    std::uint64_t recusAvantVidange_ = 0;

    bool recherche_ = false;
    bool arret_ = false;
    bool abandon_ = false;
    // Stop was asked of the acquisition: its next sample ends it, and the port stays open
    // for the stop's line.
    bool arretDemande_ = false;
};
