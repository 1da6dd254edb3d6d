// The VELTA measurement interface as the program sees it: the search over the serial
// ports, the preparation of the model found, its acquisitions, their stop, and the command
// sent when the program closes. Everything runs on the UI thread; the waits process events.
#pragma once

#include <cstdint>
#include <functional>

#include <QString>

#include "acquisition/CollecteurReponse.h"
#include "acquisition/DecodeurAcquisition.h"
#include "acquisition/OrdresVelta.h"
#include "acquisition/VQ2.h"
#include "platform/PortSerie.h"
#include "sound/VecteurSon.h"

inline constexpr int kPortsCherches = 50;

class TinterfaceVelta {
public:
    TinterfaceVelta();

    // Looks at ports 1 to 50 for a VX2, then a VQ, then for a VQ2 through its driver when
    // one is loaded; prepares the one found and leaves the serial port closed at 38400
    // bauds. A port that is present but cannot be opened throws EPortSerie and ends the
    // search there.
    void ChercheInterface();
    void TesteVX2();
    void TesteVQ();
    void TesteVQ2();
    void PrepareVX2();
    void PrepareVQ();
    void PrepareVQ2();
    void TriggerAvailAsc(TPortSerie* CP, std::uint16_t Count);

    // Starts an acquisition on the interface found; throws EPortSerie if its port no
    // longer opens (nothing is then waiting).
    void LanceAcquisition();
    void LanceAcqVX2();
    void LanceAcqVQ();
    void LanceAcqVQ2();
    // The two events of the VQ2's result thread: bytes stored, and the thread's end.
    void MessageDonneesVQ2(std::int32_t wParam);
    void MessageFinVQ2();
    void TriggerAvailBin(TPortSerie* CP, std::uint16_t Count);
    void LitOctet();
    void FinAcquisition();

    // What Stop does to an interface: lets the bytes already announced end the acquisition,
    // stops the interface and drains the line until it is quiet, then closes the port.
    void StopInterface();
    // Sends the model's closing command; a port that no longer opens is skipped.
    void FermeInterface();

    // A search or a stop is under way (it processes events); Abandonne ends it early.
    bool Occupe() const { return occupe_; }
    void Abandonne() { abandon_ = true; }

    // What was found: the model and the port that serves it, in words.
    QString Description() const;

    Tentree entree = Tentree::eSon;
    TPortSerie VoieSerie;
    TcollecteurReponse collecteur;
    TordresAcquisition ordres;
    TdecodeurAcquisition decodeur;
    bool stopEnCours = false;
    // The VQ2 object, there when its driver library was loaded (vq2OK).
    TVQ2* InterfaceVQ2 = nullptr;

    // The window's part: the progress of an acquisition (samples stored), its end (the
    // decoder holds what arrived), and a line that went away during one.
    std::function<void(std::int32_t)> OnProgression;
    std::function<void()> OnFinAcquisition;
    std::function<void(const QString&)> OnCoupure;

private:
    void Sonde(const char* commande, std::int32_t lignes);
    void Coupure(const QString& raison);
    void DemarreAcquisition();
    std::uint8_t LitSource();
    bool Abandon() const { return abandon_; }

    bool occupe_ = false;
    bool abandon_ = false;
};
