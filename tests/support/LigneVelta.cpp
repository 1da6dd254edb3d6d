#include "support/LigneVelta.h"

#include <cstdlib>
#include <fstream>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <QFile>
#include <QTest>

#include "support/FichiersTest.h"

TsimulateurTest::TsimulateurTest(const QStringList& options) {
    journal_ = QString::fromStdString((NouveauDossier() / "journal.txt").string());
    // Tied to the test process, so that a test that crashes or times out leaves none behind.
    std::vector<std::string> mots{SAMPIX_VELTA_SIM, "--lie-au-parent", "--journal", journal_.toStdString()};
    for (const QString& o : options) mots.push_back(o.toStdString());
    std::vector<char*> argv;
    for (std::string& m : mots) argv.push_back(m.data());
    argv.push_back(nullptr);
    int tube[2];
    if (pipe2(tube, O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, tube[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    if (posix_spawn(&pid_, SAMPIX_VELTA_SIM, &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(tube[1]);
    // The first line it prints is the path of its line.
    std::string ligne;
    pollfd p{tube[0], POLLIN, 0};
    char c = 0;
    while (pid_ > 0 && poll(&p, 1, 5000) > 0 && read(tube[0], &c, 1) == 1 && c != '\n') ligne += c;
    close(tube[0]);
    chemin_ = QString::fromStdString(ligne);
}

TsimulateurTest::~TsimulateurTest() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
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
    const bool fini = QTest::qWaitFor([this] { return pid_ <= 0 || waitpid(pid_, nullptr, WNOHANG) == pid_; },
                                      millisecondes);
    if (fini) pid_ = -1;
    return fini;
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
