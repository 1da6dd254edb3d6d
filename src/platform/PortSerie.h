// The serial port of the measurement interfaces, over QSerialPort: a numbered port, its
// speed, its opening, a trace of the line written at closing, and the data-available event.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include "platform/NumerotationPorts.h"
#include "sound/Resultat.h"

class QSerialPort;

class TPortSerie : public QObject {
public:
    explicit TPortSerie(QObject* parent = nullptr);
    ~TPortSerie() override;

    // Selects port n of a numbering (the one in force now by default); set while the port
    // is closed. The device is kept, so later openings reach it even if others come and go.
    void SetComNumber(int n, const TnumerotationPorts& numerotation = TnumerotationPorts::Actuelle());
    int ComNumber() const { return comNumber_; }
    // The device path that ComNumber selected (empty when there is none).
    QString Chemin() const { return chemin_; }

    // Line speed; a change while open applies to the bytes sent after it.
    void SetBaud(int baud);
    int Baud() const { return baud_; }

    // Opens with the current settings (8 data bits, no parity, 1 stop bit, no flow control,
    // DTR and RTS raised); a port already open stays as it is. A port that cannot be opened
    // is a failure whose text says which and why.
    Tresultat<> Ouvre();
    // Closes after sending what was queued; a closed port stays as it is.
    void Ferme();
    bool Open() const;

    // Keeps a trace of the traffic until the port closes, which writes it to TraceName.
    void SetTracing(bool actif);
    QString TraceName;

    // Raised on the UI thread while events are processed, whenever received bytes wait;
    // count is the number waiting at delivery.
    std::function<void(TPortSerie* CP, std::uint16_t Count)> OnTriggerAvail;
    // Raised once when the line goes away under an open port (adapter pulled, peer gone);
    // the port is then closed.
    std::function<void(const QString& raison)> OnCoupure;

    // Queues the bytes for sending and returns at once.
    void PutString(const std::string& s);
    // The next received byte, or 0 when none waits.
    std::uint8_t GetChar();
    bool CharReady() const { return !recus_.empty(); }
    // Bytes received since the object was made, those dropped by a flush included.
    std::uint64_t OctetsRecus() const { return octetsRecus_; }
    void FlushInBuffer();
    // Takes in what the line has delivered, so that CharReady tells the truth now.
    void ProcessCommunications();

private:
    void Recoit();
    // Moves what Qt has read into the received bytes; false when nothing came.
    bool PrendLesOctets();
    void Annonce();
    void AnnonceDifferee();
    void Erreur();
    bool LigneCoupee() const;
    void Trace(char sens, const QByteArray& octets);
    void EcritTrace();

    std::unique_ptr<QSerialPort> port_;
    int comNumber_ = 0;
    QString chemin_;
    int baud_ = 9600;
    bool tracing_ = false;
    bool dansAnnonce_ = false;
    bool annonceEnAttente_ = false;
    bool coupureEnAttente_ = false;
    std::deque<std::uint8_t> recus_;
    std::uint64_t octetsRecus_ = 0;
    QByteArray trace_;
    QElapsedTimer depuisOuverture_;
};
