#include "Simulateur.h"

#include <algorithm>
#include <sstream>

namespace {

constexpr std::size_t kPointsMax = 60000;

std::vector<std::string> Mots(const std::string& commande) {
    std::vector<std::string> mots;
    std::istringstream flux(commande);
    for (std::string mot; flux >> mot;) mots.push_back(mot);
    return mots;
}

std::optional<long> Entier(const std::vector<std::string>& mots, std::size_t i) {
    if (i >= mots.size()) return std::nullopt;
    try {
        std::size_t lu = 0;
        const long v = std::stol(mots[i], &lu);
        if (lu == mots[i].size()) return v;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

// Speed codes of the two command sets.
int VitesseW(long code) {
    static const int vitesses[] = {9600, 19200, 38400, 57600, 115200};
    return code >= 0 && code < 5 ? vitesses[code] : 0;
}
int VitesseY(long code) {
    static const int vitesses[] = {1200, 2400, 4800, 9600, 9600, 19200, 38400};
    return code >= 0 && code < 7 ? vitesses[code] : 0;
}

}  // namespace

TsimulateurVelta::TsimulateurVelta(Tmodele modele, std::vector<std::int16_t> signal, Tdefauts defauts)
    : modele_(modele), signal_(std::move(signal)), defauts_(std::move(defauts)), vitesse_(VitesseDepart()) {}

std::string TsimulateurVelta::Commande(const std::string& commande) {
    remarque_.clear();
    reponse_.clear();
    const std::vector<std::string> mots = Mots(commande);
    if (mots.empty()) return {};
    const bool familleY = modele_ == Tmodele::vq;
    if ((mots[0][0] == 'Y') == familleY)
        familleY ? CommandeY(mots) : CommandeW(mots);
    else
        remarque_ = "commande d'un autre modèle, ignorée";
    return reponse_;
}

std::string TsimulateurVelta::Reponse(const std::string& texte) const {
    if (defauts_.muet) return {};
    std::string r;
    unsigned graine = 1;
    for (std::size_t i = 0; i < defauts_.bruit; ++i) {
        // Line noise: control bytes other than the carriage return, and high bytes.
        graine = graine * 1103515245u + 12345u;
        const auto o = static_cast<unsigned char>(graine >> 16);
        r += static_cast<char>(o < 32 && o != 13 ? o : (o | 0x80));
    }
    std::string t = defauts_.reponse.value_or(texte);
    if (defauts_.sansRetour) t.erase(std::remove(t.begin(), t.end(), '\r'), t.end());
    return r + t;
}

// Little-endian pairs, the signal repeated as needed.
std::string TsimulateurVelta::Echantillons(std::size_t premier, std::size_t nombre) const {
    std::string octets;
    octets.reserve(2 * nombre);
    for (std::size_t i = premier; i < premier + nombre; ++i) {
        const auto v = static_cast<std::uint16_t>(signal_[i % signal_.size()]);
        octets += static_cast<char>(v & 0xFF);
        octets += static_cast<char>(v >> 8);
    }
    return octets;
}

void TsimulateurVelta::Demarre(std::size_t premier, std::size_t nombre) {
    if (!binaire_) remarque_ = "mode binaire non demandé : envoi binaire quand même";
    if (defauts_.court) nombre = std::min(nombre, *defauts_.court);
    transfert_ = Echantillons(premier, nombre);
}

void TsimulateurVelta::CommandeW(const std::vector<std::string>& mots) {
    const std::string& c = mots[0];
    if (c == "WVERSION") {
        reponse_ = Reponse(modele_ == Tmodele::vq2 ? "VELTA VQ2 version 1.4\r" : "VELTA VX2 version 3.1\r");
    } else if (c == "WRESET") {
        transfert_.clear();
        binaire_ = false;
        vitesse_ = VitesseDepart();
    } else if (c == "WBAUDS") {
        const int v = VitesseW(Entier(mots, 1).value_or(-1));
        if (v == 0)
            remarque_ = "code de vitesse inconnu";
        else
            vitesse_ = v;
    } else if (c == "WBIN") {
        binaire_ = true;
    } else if (c == "WPE" && mots.size() == 1) {
        transfert_.clear();
    } else if (c == "WPE") {
        const auto n = Entier(mots, 2);
        if (mots.size() != 6 || !n || *n < 1 || *n > static_cast<long>(kPointsMax))
            remarque_ = "programmation refusée";
        else
            points_ = static_cast<std::size_t>(*n);
    } else if (c == "WGOAR") {
        if (points_ == 0)
            remarque_ = "aucune acquisition programmée";
        else
            Demarre(0, points_);
    } else {
        remarque_ = "commande inconnue";
    }
}

void TsimulateurVelta::CommandeY(const std::vector<std::string>& mots) {
    const std::string& c = mots[0];
    if (c == "YERR") {
        reponse_ = Reponse("VELTA Instruments\rInterface VQ version 2.0\r0 erreur\r");
    } else if (c == "YRESET") {
        transfert_.clear();
        binaire_ = false;
        mesure_ = false;
        vitesse_ = 9600;
    } else if (c == "YBAUDS") {
        const int v = VitesseY(Entier(mots, 1).value_or(-1));
        if (v == 0)
            remarque_ = "code de vitesse inconnu";
        else
            vitesse_ = v;
    } else if (c == "YBIN") {
        binaire_ = true;
    } else if (c == "YINTEGER" || c == "YCAL") {
    } else if (c == "YPEA") {
        const auto n = Entier(mots, 1);
        if (!n || *n < 1 || *n > static_cast<long>(kPointsMax))
            remarque_ = "programmation refusée";
        else
            points_ = static_cast<std::size_t>(*n);
    } else if (c == "YGO") {
        if (points_ == 0)
            remarque_ = "aucune acquisition programmée";
        else
            mesure_ = true;
    } else if (c == "YRESUL!") {
        const auto a = Entier(mots, 1);
        const auto b = Entier(mots, 2);
        if (!mesure_)
            remarque_ = "aucune mesure faite";
        else if (!a || !b || *a < 0 || *b < *a || *b >= static_cast<long>(points_))
            remarque_ = "plage de résultats refusée";
        else
            Demarre(static_cast<std::size_t>(*a), static_cast<std::size_t>(*b - *a + 1));
    } else if (c == "YHALT") {
        transfert_.clear();
    } else {
        remarque_ = "commande inconnue";
    }
}
