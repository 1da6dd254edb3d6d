// The file-system spelling of a path the window holds, for the window-free file code.
#pragma once

#include <string>

#include <QFile>
#include <QString>

inline std::string NomSysteme(const QString& nom) {
    return QFile::encodeName(nom).toStdString();
}
