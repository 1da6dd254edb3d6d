#include "platform/SondageEntrees.h"

#include <utility>

namespace {

TresultatSondage SondeCarteSon() {
    return SondeEntrees(PeripheriquesEntree(), PeripheriqueEntreeParDefaut(), FormatEntreeAccepte);
}

TsondeEntrees& Sonde() {
    static TsondeEntrees sonde = SondeCarteSon;
    return sonde;
}

}  // namespace

TresultatSondage SondeEntrees(std::vector<TperipheriqueEntree> entrees, int peripheriqueParDefaut,
                              const TformatAccepte& accepte) {
    TresultatSondage r;
    r.entrees = std::move(entrees);
    for (std::size_t i = 0; i < r.entrees.size(); ++i) {
        const int index = r.entrees[i].index;
        std::optional<TformatCarte> choisi;
        for (const TformatCarte& f : kFormatsEssayes) {
            if (accepte(index, f)) {
                choisi = f;
                break;
            }
        }
        r.formats.push_back(choisi);
        if (index == peripheriqueParDefaut) r.parDefaut = static_cast<int>(i);
    }
    return r;
}

TresultatSondage SondeEntreesSon() {
    return Sonde()();
}

TsondeEntrees RemplaceSondeEntrees(TsondeEntrees sonde) {
    return std::exchange(Sonde(), std::move(sonde));
}
