// Serial port numbers: port n is the n-th entry of SAMPIX_PORTS (colon-separated device
// paths, an empty entry being an absent port) when that variable is set, otherwise the
// n-th of the system's serial ports sorted by path. Numbers start at 1.
#pragma once

#include <QString>
#include <QStringList>

class TnumerotationPorts {
public:
    // The numbering as it stands now (the system's ports are listed once here).
    static TnumerotationPorts Actuelle();
    explicit TnumerotationPorts(QStringList chemins) : chemins_(std::move(chemins)) {}

    // The device path of port n, or an empty string when there is no such port.
    QString Chemin(int n) const;
    // Whether port n is present: it opens, or it exists but is in use or not permitted.
    bool PortExiste(int n) const;

private:
    QStringList chemins_;
};
