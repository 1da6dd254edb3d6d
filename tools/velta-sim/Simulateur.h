// What a VELTA interface does with the commands it receives: its replies and the bytes of
// an acquisition. No line here: the caller feeds the commands and sends what comes out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class Tmodele { vx2, vq, vq2 };

struct Tdefauts {
    bool muet = false;                   // never answers a question
    bool sansRetour = false;             // replies lose their carriage returns
    std::size_t bruit = 0;               // bytes of line noise before each reply
    std::optional<std::size_t> court;    // an acquisition sends only this many samples
    std::optional<std::string> reponse;  // replaces the text of the version reply
};

class TsimulateurVelta {
public:
    TsimulateurVelta(Tmodele modele, std::vector<std::int16_t> signal, Tdefauts defauts);

    // Handles one command (without its carriage return); returns the bytes to send at once.
    std::string Commande(const std::string& commande);

    // The acquisition bytes still to send, in order; Envoyes removes what went out.
    const std::string& Transfert() const { return transfert_; }
    void Envoyes(std::size_t n) { transfert_.erase(0, n); }

    // The speed the interface talks at, after its speed commands.
    int Vitesse() const { return vitesse_; }
    // A note for the log on the last command (unknown, out of order...), or empty.
    const std::string& Remarque() const { return remarque_; }

private:
    std::string Reponse(const std::string& texte) const;
    std::string Echantillons(std::size_t premier, std::size_t nombre) const;
    void CommandeW(const std::vector<std::string>& mots);
    void CommandeY(const std::vector<std::string>& mots);
    void Demarre(std::size_t premier, std::size_t nombre);

    Tmodele modele_;
    std::vector<std::int16_t> signal_;
    Tdefauts defauts_;
    int VitesseDepart() const { return modele_ == Tmodele::vq2 ? 38400 : 9600; }

    int vitesse_;
    bool binaire_ = false;
    std::size_t points_ = 0;
    bool mesure_ = false;
    std::string transfert_;
    std::string reponse_;
    std::string remarque_;
};
