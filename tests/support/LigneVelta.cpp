#include "support/LigneVelta.h"

#include <cstdlib>
#include <fstream>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <QFile>
#include <QTest>

#include "support/FichiersTest.h"

TsimulateurTest::TsimulateurTest(const QStringList& options) {
    journal_ = QString::fromStdString((NouveauDossier() / "journal.txt").string());
    processus_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    processus_.start(QStringLiteral(SAMPIX_VELTA_SIM), QStringList{"--journal", journal_} + options);
    if (processus_.waitForStarted(5000) && processus_.waitForReadyRead(5000))
        chemin_ = QString::fromLocal8Bit(processus_.readLine()).trimmed();
}

TsimulateurTest::~TsimulateurTest() {
    if (processus_.state() == QProcess::NotRunning) return;
    processus_.terminate();
    if (!processus_.waitForFinished(3000)) processus_.kill();
    processus_.waitForFinished(1000);
}

std::vector<std::pair<int, std::string>> TsimulateurTest::Commandes() const {
    std::vector<std::pair<int, std::string>> commandes;
    std::ifstream f(journal_.toStdString());
    for (std::string ligne; std::getline(f, ligne);) {
        const auto tab = ligne.find('\t');
        if (ligne.rfind("# ", 0) == 0 || tab == std::string::npos) continue;
        commandes.emplace_back(std::atoi(ligne.substr(0, tab).c_str()), ligne.substr(tab + 1));
    }
    return commandes;
}

std::vector<std::string> TsimulateurTest::Remarques() const {
    std::vector<std::string> remarques;
    std::ifstream f(journal_.toStdString());
    for (std::string ligne; std::getline(f, ligne);)
        if (ligne.rfind("# ", 0) == 0) remarques.push_back(ligne.substr(2));
    return remarques;
}

bool TsimulateurTest::AttendFin(int millisecondes) {
    return QTest::qWaitFor([this] { return processus_.state() == QProcess::NotRunning; }, millisecondes);
}

TligneNue::TligneNue() {
    maitre_ = posix_openpt(O_RDWR | O_NOCTTY);
    grantpt(maitre_);
    unlockpt(maitre_);
    chemin_ = QString::fromLocal8Bit(ptsname(maitre_));
    // Held open here too, so the line survives the program's closings.
    esclave_ = open(ptsname(maitre_), O_RDWR | O_NOCTTY);
    termios t{};
    tcgetattr(esclave_, &t);
    cfmakeraw(&t);
    tcsetattr(esclave_, TCSANOW, &t);
    fcntl(maitre_, F_SETFL, fcntl(maitre_, F_GETFL) | O_NONBLOCK);
}

TligneNue::~TligneNue() {
    close(esclave_);
    close(maitre_);
}

void TligneNue::Ecrit(const std::vector<std::uint8_t>& octets) {
    std::size_t fait = 0;
    while (fait < octets.size()) {
        const ssize_t n = write(maitre_, octets.data() + fait, octets.size() - fait);
        if (n > 0)
            fait += static_cast<std::size_t>(n);
        else
            QTest::qWait(1);  // the line is full until the program reads
    }
}

std::string TligneNue::Lit() {
    std::string recu;
    char tampon[4096];
    for (ssize_t n; (n = read(maitre_, tampon, sizeof tampon)) > 0;)
        recu.append(tampon, static_cast<std::size_t>(n));
    return recu;
}

TportsTest::TportsTest(const QStringList& chemins) {
    setenv("SAMPIX_PORTS", chemins.join(u':').toLocal8Bit().constData(), 1);
}

TportsTest::~TportsTest() {
    unsetenv("SAMPIX_PORTS");
}

QString CheminAbsent() {
    return QString::fromStdString((NouveauDossier() / "absent").string());
}

std::pair<QString, std::vector<std::int16_t>> SignalConnu() {
    std::vector<std::int16_t> v(11025);
    for (std::size_t i = 0; i < v.size(); ++i)
        v[i] = static_cast<std::int16_t>(static_cast<int>(i) * 5 - 27000);
    std::vector<std::uint8_t> octets(v.size() * 2);
    for (std::size_t i = 0; i < v.size(); ++i) {
        octets[2 * i] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(v[i]) & 0xFF);
        octets[2 * i + 1] = static_cast<std::uint8_t>(static_cast<std::uint16_t>(v[i]) >> 8);
    }
    const auto chemin = NouveauDossier() / "signal.wav";
    EcritOctets(chemin, ImageWav(1, 11025, 16, octets));
    return {QString::fromStdString(chemin.string()), v};
}
