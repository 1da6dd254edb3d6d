#include "Signal.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>
#include <stdexcept>

#include <sndfile.h>

namespace {

std::vector<std::string> Champs(const std::string& texte) {
    std::vector<std::string> champs;
    std::stringstream flux(texte);
    std::string champ;
    while (std::getline(flux, champ, ':')) champs.push_back(champ);
    return champs;
}

double Nombre(const std::string& texte) {
    std::size_t lu = 0;
    double v = 0;
    try {
        v = std::stod(texte, &lu);
    } catch (const std::exception&) {
        lu = 0;
    }
    if (lu != texte.size() || !std::isfinite(v)) throw std::invalid_argument("nombre illisible : " + texte);
    return v;
}

std::int16_t Echantillon(double v) {
    return static_cast<std::int16_t>(std::lround(std::clamp(v, -32768.0, 32767.0)));
}

// The file's first channel (libsndfile scales 16-bit samples by 1/32768, so they come back
// exactly), resampled to the instrument's rate by linear interpolation and
// repeated when it is shorter than an acquisition.
std::vector<std::int16_t> SignalWav(const std::string& nom, std::size_t points) {
    SF_INFO info{};
    SNDFILE* f = sf_open(nom.c_str(), SFM_READ, &info);
    if (f == nullptr) throw std::invalid_argument(nom + " : " + sf_strerror(nullptr));
    std::vector<double> trames(static_cast<std::size_t>(info.frames) *
                               static_cast<std::size_t>(info.channels));
    const sf_count_t lues = sf_readf_double(f, trames.data(), info.frames);
    sf_close(f);
    if (lues <= 0) throw std::invalid_argument(nom + " : aucun échantillon");
    std::vector<std::int16_t> v(points);
    const double pas = info.samplerate / kFrequenceInstrument;
    for (std::size_t i = 0; i < points; ++i) {
        const double t = std::fmod(static_cast<double>(i) * pas, static_cast<double>(lues));
        const auto a = static_cast<sf_count_t>(t);
        const sf_count_t b = (a + 1) % lues;
        const double x = t - static_cast<double>(a);
        const double s = trames[static_cast<std::size_t>(a * info.channels)] * (1 - x) +
                         trames[static_cast<std::size_t>(b * info.channels)] * x;
        v[i] = Echantillon(s * 32768.0);
    }
    return v;
}

}  // namespace

std::vector<std::int16_t> FabriqueSignal(const std::string& description, std::size_t points) {
    const std::vector<std::string> c = Champs(description);
    if (c.empty()) throw std::invalid_argument("signal vide");
    const std::string& forme = c[0];
    if (forme == "wav") {
        if (c.size() < 2) throw std::invalid_argument("wav:FICHIER attendu");
        return SignalWav(description.substr(4), points);
    }
    const std::size_t frequences = forme == "chirp" ? 2 : 1;
    if (forme != "sinus" && forme != "carre" && forme != "triangle" && forme != "chirp")
        throw std::invalid_argument("forme inconnue : " + forme);
    if (c.size() < 1 + frequences || c.size() > 2 + frequences)
        throw std::invalid_argument("paramètres attendus pour " + forme);
    const double f1 = Nombre(c[1]);
    const double f2 = frequences == 2 ? Nombre(c[2]) : f1;
    const double a = c.size() == 2 + frequences ? Nombre(c[1 + frequences]) : 20000.0;
    std::vector<std::int16_t> v(points);
    const double duree = static_cast<double>(points) / kFrequenceInstrument;
    for (std::size_t i = 0; i < points; ++i) {
        const double t = static_cast<double>(i) / kFrequenceInstrument;
        // Phase in turns; the chirp's frequency moves linearly from f1 to f2.
        const double tours = f1 * t + (f2 - f1) * t * t / (2 * duree);
        const double p = tours - std::floor(tours);
        double s = 0;
        if (forme == "carre")
            s = p < 0.5 ? 1.0 : -1.0;
        else if (forme == "triangle")
            s = p < 0.5 ? 4 * p - 1 : 3 - 4 * p;
        else
            s = std::sin(2 * std::numbers::pi * tours);
        v[i] = Echantillon(a * s);
    }
    return v;
}
