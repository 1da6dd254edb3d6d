#include "platform/PortSerie.h"

#include <algorithm>

#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QSerialPort>
#include <QSignalBlocker>

namespace {

// A trace grows by about 5 bytes a byte of traffic; an acquisition needs some 120 KB.
constexpr qsizetype kTailleMaxTrace = 4 << 20;

void EnvoieCeQuiAttend(QSerialPort& port) {
    while (port.bytesToWrite() > 0 && port.waitForBytesWritten(200)) {
    }
}

}  // namespace

TPortSerie::TPortSerie(QObject* parent) : QObject(parent), port_(std::make_unique<QSerialPort>()) {
    connect(port_.get(), &QSerialPort::readyRead, this, &TPortSerie::Recoit);
    connect(port_.get(), &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
        // A read that fails or finds the line hung up means the device went away: the port is
        // closed from the event loop, not inside Qt's own signal, once however often Qt says it.
        if ((e == QSerialPort::ResourceError || e == QSerialPort::ReadError) && !coupureEnAttente_) {
            coupureEnAttente_ = true;
            QMetaObject::invokeMethod(this, &TPortSerie::Erreur, Qt::QueuedConnection);
        }
    });
}

TPortSerie::~TPortSerie() {
    Ferme();
}

void TPortSerie::SetComNumber(int n, const TnumerotationPorts& numerotation) {
    comNumber_ = n;
    chemin_ = numerotation.Chemin(n);
}

void TPortSerie::SetBaud(int baud) {
    if (port_->isOpen() && baud != baud_) {
        // The bytes already queued leave at the old speed.
        EnvoieCeQuiAttend(*port_);
        tcdrain(port_->handle());
        port_->setBaudRate(baud);
    }
    baud_ = baud;
}

bool TPortSerie::Open() const {
    return port_->isOpen();
}

Tresultat<> TPortSerie::Ouvre() {
    if (port_->isOpen()) return {};
    const QString numero = QString::number(comNumber_);
    if (chemin_.isEmpty())
        return Echec(QCoreApplication::translate("PortSerie", "Le port série %1 n'existe pas.")
                         .arg(numero)
                         .toStdString());
    port_->setPortName(chemin_);
    port_->setBaudRate(baud_);
    port_->setDataBits(QSerialPort::Data8);
    port_->setParity(QSerialPort::NoParity);
    port_->setStopBits(QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    port_->setReadBufferSize(4096);
    if (!port_->open(QIODevice::ReadWrite)) {
        QString texte;
        if (port_->error() == QSerialPort::PermissionError &&
            access(QFile::encodeName(chemin_), R_OK | W_OK) != 0)
            texte = QCoreApplication::translate(
                        "PortSerie",
                        "Le port série %1 (%2) existe, mais ce compte n'a pas le droit de l'ouvrir.\n"
                        "Ajoutez votre compte au groupe dialout (sudo adduser $USER dialout), "
                        "puis fermez la session et ouvrez-la à nouveau.")
                        .arg(numero, chemin_);
        else if (port_->error() == QSerialPort::PermissionError)
            texte = QCoreApplication::translate("PortSerie",
                                                "Le port série %1 (%2) est occupé par un autre "
                                                "programme.\nFermez ce programme, puis recommencez.")
                        .arg(numero, chemin_);
        else
            texte = QCoreApplication::translate("PortSerie", "Impossible d'ouvrir Le port série %1 (%2) : %3")
                        .arg(numero, chemin_, port_->errorString());
        port_->clearError();
        return Echec(texte.toStdString());
    }
    // A pseudo-terminal has no modem lines: its refusal to raise them is of no concern.
    port_->setDataTerminalReady(true);
    port_->setRequestToSend(true);
    port_->clearError();
    // Nothing received before the opening is delivered, as with a port just opened.
    port_->clear(QSerialPort::Input);
    depuisOuverture_.start();
    return {};
}

void TPortSerie::SetTracing(bool actif) {
    tracing_ = actif;
    if (!actif) trace_.clear();
}

void TPortSerie::PutString(const std::string& s) {
    if (!port_->isOpen()) return;
    const QByteArray octets(s.data(), static_cast<qsizetype>(s.size()));
    port_->write(octets);
    Trace('>', octets);
}

std::uint8_t TPortSerie::GetChar() {
    if (recus_.empty()) return 0;
    const std::uint8_t octet = recus_.front();
    recus_.pop_front();
    return octet;
}

void TPortSerie::FlushInBuffer() {
    recus_.clear();
    if (port_->isOpen()) {
        port_->readAll();
        port_->clear(QSerialPort::Input);
    }
}

void TPortSerie::ProcessCommunications() {
    if (!port_->isOpen()) return;
    {
        const QSignalBlocker silence(port_.get());
        port_->waitForReadyRead(0);
    }
    if (LigneCoupee()) {
        Erreur();
        return;
    }
    if (PrendLesOctets()) AnnonceDifferee();
}

void TPortSerie::Recoit() {
    if (PrendLesOctets()) Annonce();
}

bool TPortSerie::PrendLesOctets() {
    const QByteArray octets = port_->readAll();
    if (octets.isEmpty()) return false;
    recus_.insert(recus_.end(), octets.begin(), octets.end());
    octetsRecus_ += static_cast<std::uint64_t>(octets.size());
    Trace('<', octets);
    return true;
}

// The handler runs at once, but never inside itself: bytes that arrive while it runs (a message
// box it shows processes events) are announced again afterwards.
void TPortSerie::Annonce() {
    if (dansAnnonce_) {
        AnnonceDifferee();
        return;
    }
    if (recus_.empty() || !OnTriggerAvail) return;
    const auto gestionnaire = OnTriggerAvail;
    const std::size_t avant = recus_.size();
    dansAnnonce_ = true;
    gestionnaire(this, static_cast<std::uint16_t>(std::min<std::size_t>(avant, 0xFFFF)));
    dansAnnonce_ = false;
    if (!recus_.empty() && recus_.size() < avant) AnnonceDifferee();
}

void TPortSerie::AnnonceDifferee() {
    if (annonceEnAttente_) return;
    annonceEnAttente_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            annonceEnAttente_ = false;
            Annonce();
        },
        Qt::QueuedConnection);
}

bool TPortSerie::LigneCoupee() const {
    return port_->error() == QSerialPort::ResourceError || port_->error() == QSerialPort::ReadError;
}

void TPortSerie::Erreur() {
    coupureEnAttente_ = false;
    if (!port_->isOpen() || !LigneCoupee()) return;
    const QString raison = port_->errorString();
    port_->close();
    recus_.clear();
    EcritTrace();
    if (OnCoupure) OnCoupure(raison);
}

void TPortSerie::Ferme() {
    if (!port_->isOpen()) return;
    EnvoieCeQuiAttend(*port_);
    tcdrain(port_->handle());
    port_->close();
    recus_.clear();
    EcritTrace();
}

void TPortSerie::Trace(char sens, const QByteArray& octets) {
    if (!tracing_ || trace_.size() > kTailleMaxTrace) return;
    trace_ += QByteArray::number(static_cast<double>(depuisOuverture_.nsecsElapsed()) / 1e6, 'f', 3);
    trace_ += sens == '>' ? " ms  envoi " : " ms  reçu  ";
    trace_ += octets.toHex(' ');
    trace_ += '\n';
}

// The trace covers one opening; it is written whole or not at all, and tracing stops there.
void TPortSerie::EcritTrace() {
    if (!tracing_) return;
    tracing_ = false;
    if (!TraceName.isEmpty()) {
        QSaveFile fichier(TraceName);
        if (fichier.open(QIODevice::WriteOnly)) {
            fichier.write(trace_);
            fichier.commit();
        }
    }
    trace_.clear();
}
