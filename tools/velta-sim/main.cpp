// velta-sim: a VELTA measurement interface (VX2, VQ or VQ2) on a pseudo-terminal, so that
// the program's whole acquisition path runs without the hardware.
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

#include "Signal.h"
#include "Simulateur.h"

namespace {

constexpr std::size_t kPointsAcquisition = 11025;
constexpr std::size_t kLongueurMaxCommande = 512;

volatile std::sig_atomic_t arret = 0;

void Usage() {
    std::cout
        << "usage : velta-sim --modele vx2|vq|vq2 [options]\n"
           "  --signal S        sinus:F[:A], carre:F[:A], triangle:F[:A], chirp:F1:F2[:A] ou wav:FICHIER\n"
           "                    (F en Hz, A valeur de crête, 20000 par défaut ; sinus:440 par défaut)\n"
           "  --lien CHEMIN     crée un lien symbolique CHEMIN vers la ligne\n"
           "  --rapide          envoie les acquisitions sans attendre le rythme de la ligne\n"
           "  --journal FICHIER écrit chaque commande reçue avec la vitesse de la ligne (sinon sur stderr)\n"
           "  --lie-au-parent   s'arrête quand le programme qui l'a lancé s'arrête\n"
           "Défauts simulés :\n"
           "  --muet            ne répond à aucune question\n"
           "  --sans-retour     réponses sans retour chariot\n"
           "  --bruit N         N octets de bruit avant chaque réponse\n"
           "  --reponse TEXTE   texte de la réponse de version (\\r pour un retour chariot)\n"
           "  --pause-lignes MS pause entre les lignes d'une réponse\n"
           "  --coupure N       raccroche la ligne après N octets d'une acquisition\n"
           "  --court N         une acquisition n'envoie que N échantillons\n";
}

[[noreturn]] void Erreur(const std::string& texte) {
    std::cerr << "velta-sim : " << texte << "\n";
    std::exit(2);
}

std::size_t Taille(const char* texte) {
    char* fin = nullptr;
    errno = 0;
    const unsigned long long v = std::strtoull(texte, &fin, 10);
    if (errno != 0 || fin == texte || *fin != '\0') Erreur(std::string("nombre attendu : ") + texte);
    return static_cast<std::size_t>(v);
}

std::string Echappements(const std::string& texte) {
    std::string r;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] == '\\' && i + 1 < texte.size() && (texte[i + 1] == 'r' || texte[i + 1] == 'n')) {
            r += texte[++i] == 'r' ? '\r' : '\n';
        } else {
            r += texte[i];
        }
    }
    return r;
}

int VitesseLigne(int fd) {
    termios t{};
    if (tcgetattr(fd, &t) != 0) return 0;
    switch (cfgetospeed(&t)) {
        case B1200:
            return 1200;
        case B2400:
            return 2400;
        case B4800:
            return 4800;
        case B9600:
            return 9600;
        case B19200:
            return 19200;
        case B38400:
            return 38400;
        case B57600:
            return 57600;
        case B115200:
            return 115200;
        default:
            return 0;
    }
}

// Writes everything, waiting when the line is full; false once the peer is gone.
bool EcritTout(int fd, const char* octets, std::size_t n) {
    while (n > 0) {
        const ssize_t e = write(fd, octets, n);
        if (e > 0) {
            octets += e;
            n -= static_cast<std::size_t>(e);
        } else if (e < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd p{fd, POLLOUT, 0};
            poll(&p, 1, 50);
            if (arret) return false;
        } else {
            return false;
        }
    }
    return true;
}

// A reply goes out line by line, with a pause between lines when asked.
bool EnvoieReponse(int fd, const std::string& reponse, int pauseLignes) {
    std::size_t debut = 0;
    while (debut < reponse.size()) {
        std::size_t fin = pauseLignes > 0 ? reponse.find('\r', debut) : std::string::npos;
        fin = fin == std::string::npos ? reponse.size() : fin + 1;
        if (debut > 0) usleep(static_cast<useconds_t>(pauseLignes) * 1000);
        if (!EcritTout(fd, reponse.data() + debut, fin - debut)) return false;
        debut = fin;
    }
    return true;
}

struct Toptions {
    Tmodele modele = Tmodele::vx2;
    bool modeleDonne = false;
    std::string signal = "sinus:440";
    std::string lien;
    std::string journal;
    bool rapide = false;
    bool lieAuParent = false;
    std::optional<std::size_t> coupure;
    int pauseLignes = 0;
    Tdefauts defauts;
};

Toptions LitOptions(int argc, char** argv) {
    Toptions o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto valeur = [&]() -> const char* {
            if (i + 1 >= argc) Erreur("valeur attendue après " + a);
            return argv[++i];
        };
        if (a == "--modele") {
            const std::string m = valeur();
            if (m == "vx2")
                o.modele = Tmodele::vx2;
            else if (m == "vq")
                o.modele = Tmodele::vq;
            else if (m == "vq2")
                o.modele = Tmodele::vq2;
            else
                Erreur("modèle inconnu : " + m);
            o.modeleDonne = true;
        } else if (a == "--signal")
            o.signal = valeur();
        else if (a == "--lien")
            o.lien = valeur();
        else if (a == "--journal")
            o.journal = valeur();
        else if (a == "--rapide")
            o.rapide = true;
        else if (a == "--lie-au-parent")
            o.lieAuParent = true;
        else if (a == "--muet")
            o.defauts.muet = true;
        else if (a == "--sans-retour")
            o.defauts.sansRetour = true;
        else if (a == "--bruit")
            o.defauts.bruit = Taille(valeur());
        else if (a == "--reponse")
            o.defauts.reponse = Echappements(valeur());
        else if (a == "--coupure")
            o.coupure = Taille(valeur());
        else if (a == "--pause-lignes")
            o.pauseLignes = static_cast<int>(std::min<std::size_t>(Taille(valeur()), 10000));
        else if (a == "--court")
            o.defauts.court = Taille(valeur());
        else if (a == "--help" || a == "-h") {
            Usage();
            std::exit(0);
        } else
            Erreur("option inconnue : " + a + " (--help pour la liste)");
    }
    if (!o.modeleDonne) Erreur("--modele vx2, vq ou vq2 attendu (--help pour la liste)");
    return o;
}

// The line: a pseudo-terminal whose far end the program opens as its serial port. The
// simulator keeps that end open too, so the line survives the program's closings, and makes
// it raw, so nothing is echoed back. Its speed stays the pseudo-terminal's default, 38400
// bauds: a serial port puts back at closing the settings it found at opening, and what the
// program sends just before closing is sent at 38400.
int OuvreLigne(std::string& nom) {
    const int maitre = posix_openpt(O_RDWR | O_NOCTTY);
    if (maitre < 0 || grantpt(maitre) != 0 || unlockpt(maitre) != 0)
        Erreur("pseudo-terminal : " + std::string(std::strerror(errno)));
    nom = ptsname(maitre);
    const int esclave = open(nom.c_str(), O_RDWR | O_NOCTTY);
    if (esclave < 0) Erreur(nom + " : " + std::strerror(errno));
    termios t{};
    tcgetattr(esclave, &t);
    cfmakeraw(&t);
    tcsetattr(esclave, TCSANOW, &t);
    fcntl(maitre, F_SETFL, fcntl(maitre, F_GETFL) | O_NONBLOCK);
    return maitre;
}

}  // namespace

int main(int argc, char** argv) {
    const Toptions o = LitOptions(argc, argv);
    std::vector<std::int16_t> signal;
    try {
        signal = FabriqueSignal(o.signal, kPointsAcquisition);
    } catch (const std::exception& e) {
        Erreur(std::string("signal : ") + e.what());
    }
    std::ofstream fichierJournal;
    if (!o.journal.empty()) {
        fichierJournal.open(o.journal, std::ios::app);
        if (!fichierJournal) Erreur(o.journal + " : " + std::strerror(errno));
    }
    std::ostream& journal = o.journal.empty() ? std::cerr : fichierJournal;

    std::string nom;
    const int maitre = OuvreLigne(nom);
    if (!o.lien.empty()) {
        unlink(o.lien.c_str());
        if (symlink(nom.c_str(), o.lien.c_str()) != 0) Erreur(o.lien + " : " + std::strerror(errno));
    }
    if (o.lieAuParent) prctl(PR_SET_PDEATHSIG, SIGTERM);
    std::signal(SIGINT, [](int) { arret = 1; });
    std::signal(SIGTERM, [](int) { arret = 1; });
    std::signal(SIGPIPE, SIG_IGN);
    std::cout << (o.lien.empty() ? nom : o.lien) << std::endl;

    TsimulateurVelta instrument(o.modele, std::move(signal), o.defauts);
    std::string commande;
    std::size_t envoyesAcquisition = 0;
    auto precedent = std::chrono::steady_clock::now();
    double credit = 0;  // bytes the line's pace allows now
    while (!arret) {
        const bool enTransfert = !instrument.Transfert().empty();
        pollfd p{maitre, POLLIN, 0};
        poll(&p, 1, enTransfert ? 5 : 200);
        char tampon[4096];
        const ssize_t lus = read(maitre, tampon, sizeof tampon);
        for (ssize_t i = 0; i < lus; ++i) {
            const char c = tampon[i];
            if (c != '\r') {
                if (static_cast<unsigned char>(c) >= 32 && commande.size() < kLongueurMaxCommande)
                    commande += c;
                continue;
            }
            const int vitesse = VitesseLigne(maitre);
            if (vitesse != instrument.Vitesse())
                journal << "# la ligne est à " << vitesse << " bauds, l'interface à " << instrument.Vitesse()
                        << '\n';
            const std::string reponse = instrument.Commande(commande);
            journal << vitesse << '\t' << commande << '\n';
            if (!instrument.Remarque().empty()) journal << "# " << instrument.Remarque() << '\n';
            journal.flush();
            commande.clear();
            if (!instrument.Transfert().empty() && envoyesAcquisition == 0) credit = 0;
            if (!EnvoieReponse(maitre, reponse, o.pauseLignes)) arret = 1;
        }
        const auto maintenant = std::chrono::steady_clock::now();
        const double ecoule = std::chrono::duration<double>(maintenant - precedent).count();
        precedent = maintenant;
        if (instrument.Transfert().empty()) {
            envoyesAcquisition = 0;
            continue;
        }
        // Ten bits a byte on the line: 3840 bytes a second at 38400 bauds.
        credit = std::min(credit + ecoule * instrument.Vitesse() / 10.0, 4096.0);
        std::size_t n = o.rapide ? instrument.Transfert().size()
                                 : std::min(instrument.Transfert().size(), static_cast<std::size_t>(credit));
        if (o.coupure) n = std::min(n, *o.coupure - envoyesAcquisition);
        if (n > 0) {
            const ssize_t e = write(maitre, instrument.Transfert().data(), n);
            if (e > 0) {
                instrument.Envoyes(static_cast<std::size_t>(e));
                envoyesAcquisition += static_cast<std::size_t>(e);
                credit -= static_cast<double>(e);
            }
        }
        if (o.coupure && envoyesAcquisition >= *o.coupure) {
            // The bytes already on the line reach the program; a hang-up drops what it has not read.
            usleep(300000);
            journal << "# coupure de la ligne après " << envoyesAcquisition << " octets" << std::endl;
            break;
        }
    }
    close(maitre);
    if (!o.lien.empty()) unlink(o.lien.c_str());
    return 0;
}
