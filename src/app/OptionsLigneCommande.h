// The command line's options, read and checked before anything is read or written.
#pragma once

#include <QString>
#include <QStringList>

#include "sound/QuantificateurOptions.h"

// What a command line that can be run asks for; an empty name is a file not asked for.
struct TdemandeLigne {
    int bits = 8;
    int pas = 1;
    double debutSecondes = 0;
    ToptionsNumerisation options;
    QString son;
    QString sortie;
    QString reconstruction;
    QString image;
    QString spectre;
};

// One of three: the help to print (--help), the message of a command line that cannot be run,
// or the demand.
struct TligneLue {
    QString aide;
    QString refus;
    TdemandeLigne demande;
};

// The arguments as QCoreApplication::arguments() gives them, the program's name first.
TligneLue LitLigneDeCommande(const QStringList& arguments);
