// The entry points of libvqcommx over one link at a time.
#include "vqcommx.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "Liaison.h"

namespace {

constexpr int32_t kVersion = 100;
constexpr uint32_t kPoignee = 1;

Tliaison& Lien() {
    static Tliaison lien;
    return lien;
}

// "VeltaVQ2-N", read from UTF-16 (ASCII only), gives N; anything else gives -1.
int NumeroLien(const uint16_t* nom) {
    if (nom == nullptr) return -1;
    std::string texte;
    for (std::size_t i = 0; nom[i] != 0 && i < 64; ++i) {
        if (nom[i] > 127) return -1;
        texte += static_cast<char>(nom[i]);
    }
    const std::string prefixe = "VeltaVQ2-";
    if (texte.rfind(prefixe, 0) != 0 || texte.size() == prefixe.size()) return -1;
    int n = 0;
    for (std::size_t i = prefixe.size(); i < texte.size(); ++i) {
        if (texte[i] < '0' || texte[i] > '9' || n > 1000) return -1;
        n = 10 * n + (texte[i] - '0');
    }
    return n;
}

std::vector<std::string> Peripheriques() {
    std::vector<std::string> chemins;
    const char* liste = std::getenv("VQCOMMX_DEVICES");
    if (liste == nullptr) return chemins;
    std::string courant;
    for (const char* c = liste;; ++c) {
        if (*c == ':' || *c == '\0') {
            chemins.push_back(courant);
            courant.clear();
            if (*c == '\0') break;
        } else {
            courant += *c;
        }
    }
    return chemins;
}

bool PoigneeValide(uint32_t handle) {
    return handle == kPoignee && Lien().Ouverte();
}

}  // namespace

uint32_t _SetPortOpen(const uint16_t* nom) {
    const int n = NumeroLien(nom);
    const std::vector<std::string> chemins = Peripheriques();
    if (n < 0 || n >= static_cast<int>(chemins.size()) || chemins[n].empty()) return 0;
    return Lien().Ouvre(chemins[n]) ? kPoignee : 0;
}

int32_t _SetPortClose(uint32_t handle) {
    if (!PoigneeValide(handle)) return 0;
    Lien().Ferme();
    return 1;
}

int32_t _ChangeVitesse(uint32_t handle, int32_t code) {
    static const int vitesses[] = {9600, 38400, 57600, 115200};
    if (!PoigneeValide(handle) || code < 0 || code > 3) return 0;
    return Lien().FixeVitesse(vitesses[code]) ? 1 : 0;
}

int32_t _LanceTHREAD(uint32_t handle) {
    return PoigneeValide(handle) && Lien().LanceFil() ? 1 : 0;
}

int32_t _IsRunTHREAD(void) {
    return Lien().FilEnCours() ? 1 : 0;
}

int32_t _StopTHREAD(void) {
    Lien().ArreteFil();
    return 1;
}

int32_t _SendH8(const uint8_t* octets, int32_t nombre) {
    if (octets == nullptr || nombre <= 0 || !Lien().Ouverte()) return 0;
    Lien().Envoie(octets, static_cast<std::size_t>(nombre));
    return nombre;
}

int32_t _EmptyBuffer(void) {
    return Lien().files.EnvoiVide() ? 0 : 1;
}

int32_t _GetLenH8(void) {
    return static_cast<int32_t>(std::min<std::size_t>(Lien().files.EnAttente(), INT32_MAX));
}

int32_t _GetH8(uint8_t* tampon, int32_t nombre, int32_t) {
    if (tampon == nullptr || nombre <= 0) return 0;
    return static_cast<int32_t>(Lien().files.Prend(tampon, static_cast<std::size_t>(nombre)));
}

int32_t _StopAcquiLENTE(void) {
    Lien().files.VideReception();
    return 1;
}

int32_t _GetVersion(void) {
    return kVersion;
}

int32_t _LanceGenerateur(void) {
    return 0;
}

int32_t _StopGenerateur(void) {
    return 0;
}
