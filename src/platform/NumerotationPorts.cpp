#include "platform/NumerotationPorts.h"

#include <algorithm>

#include <QFileInfo>
#include <QSerialPort>
#include <QSerialPortInfo>

TnumerotationPorts TnumerotationPorts::Actuelle() {
    if (qEnvironmentVariableIsSet("SAMPIX_PORTS"))
        return TnumerotationPorts(qEnvironmentVariable("SAMPIX_PORTS").split(u':'));
    QStringList chemins;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        chemins.append(info.systemLocation());
    std::sort(chemins.begin(), chemins.end());
    return TnumerotationPorts(chemins);
}

QString TnumerotationPorts::Chemin(int n) const {
    if (n < 1 || n > chemins_.size()) return {};
    return chemins_[n - 1];
}

bool TnumerotationPorts::PortExiste(int n) const {
    const QString chemin = Chemin(n);
    // A missing device needs no opening attempt, which would first write a lock file.
    if (chemin.isEmpty() || !QFileInfo::exists(chemin)) return false;
    QSerialPort port(chemin);
    if (port.open(QIODevice::ReadWrite)) {
        port.close();
        return true;
    }
    // Held by another program, or not permitted to this account: present all the same.
    return port.error() == QSerialPort::PermissionError;
}
