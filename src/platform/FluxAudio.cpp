#include "platform/FluxAudio.h"

#include <alsa/asoundlib.h>
#include <jack/jack.h>
#include <portaudio.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <future>
#include <memory>
#include <thread>

namespace {

constexpr TtexteSource kSansSystemeAudio = Traduisible("FluxAudio", "système audio indisponible");
constexpr TtexteSource kSansEntree = Traduisible("FluxAudio", "aucune entrée son");

void AlsaMuet(const char*, int, const char*, int, const char*, ...) {}
void JackMuet(const char*) {}

std::string TexteErreur(PaError e) {
    return Pa_GetErrorText(e);
}

PaStream* Flux(void* f) {
    return static_cast<PaStream*>(f);
}

PaStreamParameters ParametresEntree(int peripherique, TformatCarte format) {
    PaStreamParameters p{};
    p.device = peripherique;
    p.channelCount = 1;
    p.sampleFormat = format.bits == 8 ? paUInt8 : paInt16;
    const PaDeviceInfo* info = Pa_GetDeviceInfo(peripherique);
    p.suggestedLatency = info ? info->defaultLowInputLatency : 0.05;
    return p;
}

// Starts a stream that opened without error (e), and keeps it in `garde`; a stream that
// cannot start is closed and the reason returned.
Tresultat<> Lance(PaStream* flux, PaError e, void*& garde) {
    if (e == paNoError) e = Pa_StartStream(flux);
    if (e != paNoError) {
        if (flux) Pa_CloseStream(flux);
        return Echec(TexteErreur(e));
    }
    garde = flux;
    return {};
}

// Stops and closes a stream without ever holding the window: the device thread of a card that
// went away retries for ever and cannot be cancelled, so its abort would never return. Past two
// seconds the stream is left to that thread, which no longer calls back.
void FermeFlux(void*& flux) {
    if (!flux) return;
    auto ferme = std::make_shared<std::promise<void>>();
    std::future<void> fait = ferme->get_future();
    std::thread([f = Flux(flux), ferme] {
        Pa_AbortStream(f);
        Pa_CloseStream(f);
        ferme->set_value();
    }).detach();
    fait.wait_for(std::chrono::seconds(2));
    flux = nullptr;
}

}  // namespace

bool SystemeAudioPret() {
    static const bool pret = [] {
        snd_lib_error_set_handler(AlsaMuet);
        jack_set_error_function(JackMuet);
        jack_set_info_function(JackMuet);
        return Pa_Initialize() == paNoError;
    }();
    return pret;
}

std::vector<TperipheriqueEntree> PeripheriquesEntree() {
    std::vector<TperipheriqueEntree> liste;
    if (!SystemeAudioPret()) return liste;
    const PaHostApiIndex api = Pa_GetDefaultHostApi();
    const PaHostApiInfo* infoApi = Pa_GetHostApiInfo(api);
    if (!infoApi) return liste;
    for (int i = 0; i < infoApi->deviceCount; ++i) {
        const PaDeviceIndex index = Pa_HostApiDeviceIndexToDeviceIndex(api, i);
        const PaDeviceInfo* info = Pa_GetDeviceInfo(index);
        if (info && info->maxInputChannels > 0) liste.push_back({index, info->name});
    }
    return liste;
}

int PeripheriqueEntreeParDefaut() {
    if (!SystemeAudioPret()) return -1;
    const PaDeviceIndex d = Pa_GetDefaultInputDevice();
    return d == paNoDevice ? -1 : d;
}

bool FormatEntreeAccepte(int peripherique, TformatCarte format) {
    if (!SystemeAudioPret() || peripherique < 0) return false;
    const PaStreamParameters p = ParametresEntree(peripherique, format);
    return Pa_IsFormatSupported(&p, nullptr, format.frequence) == paFormatIsSupported;
}

TfluxSortie::~TfluxSortie() {
    Arrete();
}

Tresultat<> TfluxSortie::Demarre(std::vector<std::int16_t> echantillons, int canaux, int frequence,
                                 bool boucle, const TsignalAudio& signal, std::uint32_t numero) {
    Arrete();
    if (!SystemeAudioPret()) return Echec(kSansSystemeAudio);
    tampons_[0] = std::move(echantillons);
    tampons_[1].assign(tampons_[0].size(), 0);
    actif_.store(0);
    lu_.store(0);
    courant_ = ancien_ = 0;
    fondu_ = 0;
    canaux_ = std::max(canaux, 1);
    tramesTotal_ = static_cast<std::int64_t>(tampons_[0].size()) / canaux_;
    positionPassage_ = 0;
    trames_.store(0);
    boucle_.store(boucle);
    interrompu_.store(false);
    signal_ = &signal;
    numero_ = numero;
    PaStream* flux = nullptr;
    PaError e = Pa_OpenDefaultStream(&flux, 0, canaux_, paInt16, frequence, paFramesPerBufferUnspecified,
                                     &TfluxSortie::Rappel, this);
    if (e == paNoError) e = Pa_SetStreamFinishedCallback(flux, &TfluxSortie::RappelFin);
    return Lance(flux, e, flux_);
}

void TfluxSortie::Arrete() {
    interrompu_.store(true);
    FermeFlux(flux_);
}

bool TfluxSortie::EnCours() const {
    return flux_ && Pa_IsStreamActive(Flux(flux_)) == 1;
}

bool TfluxSortie::Remplace(const std::vector<std::int16_t>& echantillons) {
    const int actif = actif_.load(std::memory_order_relaxed);
    if (echantillons.size() != tampons_[actif].size() || lu_.load(std::memory_order_acquire) != actif)
        return false;
    const int libre = 1 - actif;
    std::copy(echantillons.begin(), echantillons.end(), tampons_[libre].begin());
    actif_.store(libre, std::memory_order_release);
    return true;
}

// Copies `n` frames from `position`, mixing in the fade from the set left when one runs.
void TfluxSortie::Copie(std::int16_t* dest, std::int64_t n) {
    const std::int16_t* source = tampons_[courant_].data() + positionPassage_ * canaux_;
    const std::int64_t fondues = std::min(n, fondu_);
    const std::int16_t* ancien = tampons_[ancien_].data() + positionPassage_ * canaux_;
    for (std::int64_t t = 0; t < fondues; ++t, --fondu_) {
        // The old samples' weight goes down from (kFonduTrames - 1)/kFonduTrames to 0.
        const std::int64_t poids = fondu_ - 1;
        for (int c = 0; c < canaux_; ++c) {
            const std::int64_t i = t * canaux_ + c;
            dest[i] = static_cast<std::int16_t>((ancien[i] * poids + source[i] * (kFonduTrames - poids)) /
                                                kFonduTrames);
        }
    }
    std::memcpy(dest + fondues * canaux_, source + fondues * canaux_,
                static_cast<std::size_t>((n - fondues) * canaux_) * sizeof(std::int16_t));
}

// Copies the next samples; at the end of the samples a loop starts again at once, so the
// passes follow each other without a gap, and a single play completes. Other samples given
// meanwhile are taken up at the start of a block.
int TfluxSortie::Rappel(const void*, void* sortie, unsigned long trames, const PaStreamCallbackTimeInfo*,
                        unsigned long, void* moi) {
    auto* self = static_cast<TfluxSortie*>(moi);
    auto* dest = static_cast<std::int16_t*>(sortie);
    const auto voulues = static_cast<std::int64_t>(trames);
    if (const int voulu = self->actif_.load(std::memory_order_acquire);
        voulu != self->courant_ && self->fondu_ == 0) {
        self->ancien_ = self->courant_;
        self->courant_ = voulu;
        self->fondu_ = kFonduTrames;
    }
    std::int64_t faites = 0;
    while (faites < voulues && self->tramesTotal_ > 0) {
        const std::int64_t n = std::min(voulues - faites, self->tramesTotal_ - self->positionPassage_);
        self->Copie(dest + faites * self->canaux_, n);
        faites += n;
        self->positionPassage_ += n;
        if (self->positionPassage_ < self->tramesTotal_) break;
        if (!self->boucle_.load(std::memory_order_acquire)) break;
        self->positionPassage_ = 0;
        self->signal_->Emet(self->numero_, TtypeSignal::tsPassage);
    }
    std::fill(dest + faites * self->canaux_, dest + voulues * self->canaux_, 0);
    if (self->fondu_ == 0) self->lu_.store(self->courant_, std::memory_order_release);
    self->trames_.fetch_add(faites, std::memory_order_release);
    return self->positionPassage_ >= self->tramesTotal_ ? paComplete : paContinue;
}

void TfluxSortie::RappelFin(void* moi) {
    auto* self = static_cast<TfluxSortie*>(moi);
    if (!self->interrompu_.load()) self->signal_->Emet(self->numero_, TtypeSignal::tsFin);
}

TfluxEntree::~TfluxEntree() {
    Arrete();
}

Tresultat<> TfluxEntree::Demarre(int peripherique, TformatCarte format, std::size_t capacite,
                                 const TsignalAudio& signal) {
    Arrete();
    if (!SystemeAudioPret()) return Echec(kSansSystemeAudio);
    if (peripherique < 0) return Echec(kSansEntree);
    octetsParTrame_ = format.bits == 8 ? 1 : 2;
    tampon_.assign(capacite, 0);
    remplis_.store(0);
    signal_ = &signal;
    const PaStreamParameters p = ParametresEntree(peripherique, format);
    PaStream* flux = nullptr;
    const PaError e = Pa_OpenStream(&flux, &p, nullptr, format.frequence, paFramesPerBufferUnspecified,
                                    paNoFlag, &TfluxEntree::Rappel, this);
    return Lance(flux, e, flux_);
}

void TfluxEntree::Arrete() {
    FermeFlux(flux_);
}

int TfluxEntree::Rappel(const void* entree, void*, unsigned long trames, const PaStreamCallbackTimeInfo*,
                        unsigned long, void* moi) {
    auto* self = static_cast<TfluxEntree*>(moi);
    const std::size_t deja = self->remplis_.load(std::memory_order_relaxed);
    const std::size_t place = self->tampon_.size() - deja;
    const std::size_t n = std::min(place, trames * self->octetsParTrame_);
    if (entree) std::memcpy(self->tampon_.data() + deja, entree, n);
    self->remplis_.store(deja + n, std::memory_order_release);
    if (n < place) return paContinue;
    self->signal_->Emet(0, TtypeSignal::tsPlein);
    return paComplete;
}

TfluxDirect::~TfluxDirect() {
    Arrete();
}

Tresultat<> TfluxDirect::Demarre(int peripherique, TformatCarte format, unsigned long tramesParBloc,
                                 TtraitementBloc traitement, void* contexte) {
    Arrete();
    if (!SystemeAudioPret()) return Echec(kSansSystemeAudio);
    if (peripherique < 0) return Echec(kSansEntree);
    const PaDeviceIndex sortie = Pa_GetDefaultOutputDevice();
    if (sortie == paNoDevice) return Echec(Traduisible("FluxAudio", "aucune sortie son"));
    traitement_ = traitement;
    contexte_ = contexte;
    incidents_.store(0);
    octetsParTrame_ = format.bits == 8 ? 1 : 2;
    // One block of buffering each way: the latency the class hears.
    const double latence = static_cast<double>(tramesParBloc) / format.frequence;
    PaStreamParameters entree = ParametresEntree(peripherique, format);
    entree.suggestedLatency = latence;
    PaStreamParameters parametresSortie = entree;
    parametresSortie.device = sortie;
    PaStream* flux = nullptr;
    const PaError e = Pa_OpenStream(&flux, &entree, &parametresSortie, format.frequence, tramesParBloc,
                                    paClipOff, &TfluxDirect::Rappel, this);
    return Lance(flux, e, flux_);
}

void TfluxDirect::Arrete() {
    FermeFlux(flux_);
}

bool TfluxDirect::EnCours() const {
    return flux_ && Pa_IsStreamActive(Flux(flux_)) == 1;
}

double TfluxDirect::Latence() const {
    const PaStreamInfo* info = flux_ ? Pa_GetStreamInfo(Flux(flux_)) : nullptr;
    return info ? info->inputLatency + info->outputLatency : 0.0;
}

// A block without input (the device gave none in time) is treated as silence, so that the
// output never holds stale samples.
int TfluxDirect::Rappel(const void* entree, void* sortie, unsigned long trames,
                        const PaStreamCallbackTimeInfo*, unsigned long, void* moi) {
    auto* self = static_cast<TfluxDirect*>(moi);
    if (!entree) {
        std::memset(sortie, self->octetsParTrame_ == 1 ? 128 : 0, trames * self->octetsParTrame_);
        entree = sortie;
    }
    self->traitement_(self->contexte_, entree, sortie, trames);
    return paContinue;
}
