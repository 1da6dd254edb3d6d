#include "sound/Traduction.h"

#include <atomic>

namespace {
std::atomic<Ttraducteur> traducteurInstalle{nullptr};
}  // namespace

void InstalleTraducteur(Ttraducteur traducteur) {
    traducteurInstalle.store(traducteur);
}

std::string Traduit(TtexteSource source, std::initializer_list<std::string_view> arguments) {
    const Ttraducteur traducteur = traducteurInstalle.load();
    const std::string gabarit = traducteur ? traducteur(source.contexte, source.texte) : source.texte;
    std::string texte;
    texte.reserve(gabarit.size());
    for (std::size_t i = 0; i < gabarit.size(); ++i) {
        const char suivant = i + 1 < gabarit.size() ? gabarit[i + 1] : '\0';
        const bool marque = gabarit[i] == '%' && suivant >= '1' && suivant <= '9';
        const auto rang = static_cast<std::size_t>(suivant - '1');
        if (marque && rang < arguments.size()) {
            texte.append(arguments.begin()[rang]);
            ++i;
        } else {
            texte += gabarit[i];
        }
    }
    return texte;
}
