// A sound card for the tests that goes away as a USB card pulled out does: ALSA loads it
// from the tests' .asoundrc, it plays and records at real pace, and once the given number of
// frames has passed since its first start it reports itself disconnected.
//   pcm_type.sampixfragile { lib "/path/libasound_module_pcm_sampixfragile.so" }
//   pcm.!default { type sampixfragile; trames 4410 }
// What it records is a constant level (1000 in 16 bits, 200 in 8 bits), so a test can tell
// the recorded part from silence.
#include <alsa/asoundlib.h>
#include <alsa/pcm_external.h>
#include <poll.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <ctime>
#include <string_view>

namespace {

struct Tfragile {
    snd_pcm_ioplug_t io{};
    long tramesAvantPanne = 44100;
    timespec premierDepart{};
    bool parti = false;
    timespec depart{};
};

Tfragile& De(snd_pcm_ioplug_t* io) {
    return *static_cast<Tfragile*>(io->private_data);
}

double SecondesDepuis(const timespec& t) {
    timespec maintenant{};
    clock_gettime(CLOCK_MONOTONIC, &maintenant);
    return static_cast<double>(maintenant.tv_sec - t.tv_sec) + (maintenant.tv_nsec - t.tv_nsec) / 1e9;
}

void ArmeMinuterie(snd_pcm_ioplug_t* io, bool armee) {
    itimerspec t{};
    if (armee) {
        const long ns = static_cast<long>(1e9 * static_cast<double>(io->period_size) / io->rate);
        t.it_interval = {ns / 1000000000, ns % 1000000000};
        t.it_value = t.it_interval;
    }
    timerfd_settime(io->poll_fd, 0, &t, nullptr);
}

int Demarre(snd_pcm_ioplug_t* io) {
    Tfragile& f = De(io);
    clock_gettime(CLOCK_MONOTONIC, &f.depart);
    if (!f.parti) f.premierDepart = f.depart;
    f.parti = true;
    ArmeMinuterie(io, true);
    return 0;
}

int Arrete(snd_pcm_ioplug_t* io) {
    ArmeMinuterie(io, false);
    return 0;
}

// The hardware position follows the clock; past the failure point the card is gone.
snd_pcm_sframes_t Pointeur(snd_pcm_ioplug_t* io) {
    Tfragile& f = De(io);
    if (f.parti && SecondesDepuis(f.premierDepart) * io->rate >= static_cast<double>(f.tramesAvantPanne)) {
        snd_pcm_ioplug_set_state(io, SND_PCM_STATE_DISCONNECTED);
        return -ENODEV;
    }
    if (io->state != SND_PCM_STATE_RUNNING)
        return static_cast<snd_pcm_sframes_t>(io->hw_ptr % io->buffer_size);
    const auto trames = static_cast<snd_pcm_uframes_t>(SecondesDepuis(f.depart) * io->rate);
    return static_cast<snd_pcm_sframes_t>(trames % io->buffer_size);
}

snd_pcm_sframes_t Transfere(snd_pcm_ioplug_t* io, const snd_pcm_channel_area_t* zones,
                            snd_pcm_uframes_t decalage, snd_pcm_uframes_t taille) {
    if (io->stream != SND_PCM_STREAM_CAPTURE) return static_cast<snd_pcm_sframes_t>(taille);
    auto* debut = static_cast<std::uint8_t*>(zones[0].addr) + (zones[0].first + zones[0].step * decalage) / 8;
    const std::size_t n = taille * io->channels;
    if (io->format == SND_PCM_FORMAT_U8)
        std::fill_n(debut, n, std::uint8_t{200});
    else
        std::fill_n(reinterpret_cast<std::int16_t*>(debut), n, std::int16_t{1000});
    return static_cast<snd_pcm_sframes_t>(taille);
}

int EvenementsPoll(snd_pcm_ioplug_t* io, pollfd* pfd, unsigned int, unsigned short* evenements) {
    std::uint64_t tops = 0;
    const bool pret = (pfd[0].revents & POLLIN) && read(io->poll_fd, &tops, sizeof tops) > 0;
    *evenements = pret ? (io->stream == SND_PCM_STREAM_PLAYBACK ? POLLOUT : POLLIN) : 0;
    return 0;
}

int Ferme(snd_pcm_ioplug_t* io) {
    close(io->poll_fd);
    delete &De(io);
    return 0;
}

const snd_pcm_ioplug_callback_t kRappels = [] {
    snd_pcm_ioplug_callback_t r{};
    r.start = Demarre;
    r.stop = Arrete;
    r.pointer = Pointeur;
    r.transfer = Transfere;
    r.poll_revents = EvenementsPoll;
    r.close = Ferme;
    return r;
}();

int Contraintes(snd_pcm_ioplug_t* io) {
    static const unsigned int acces[] = {SND_PCM_ACCESS_RW_INTERLEAVED, SND_PCM_ACCESS_MMAP_INTERLEAVED};
    static const unsigned int formats[] = {SND_PCM_FORMAT_S16_LE, SND_PCM_FORMAT_U8};
    int e = snd_pcm_ioplug_set_param_list(io, SND_PCM_IOPLUG_HW_ACCESS, 2, acces);
    if (e >= 0) e = snd_pcm_ioplug_set_param_list(io, SND_PCM_IOPLUG_HW_FORMAT, 2, formats);
    if (e >= 0) e = snd_pcm_ioplug_set_param_minmax(io, SND_PCM_IOPLUG_HW_CHANNELS, 1, 2);
    if (e >= 0) e = snd_pcm_ioplug_set_param_minmax(io, SND_PCM_IOPLUG_HW_RATE, 8000, 96000);
    if (e >= 0) e = snd_pcm_ioplug_set_param_minmax(io, SND_PCM_IOPLUG_HW_PERIOD_BYTES, 256, 65536);
    if (e >= 0) e = snd_pcm_ioplug_set_param_minmax(io, SND_PCM_IOPLUG_HW_PERIODS, 2, 64);
    return e;
}

}  // namespace

extern "C" {

SND_PCM_PLUGIN_DEFINE_FUNC(sampixfragile) {
    (void)root;
    long trames = 44100;
    snd_config_iterator_t i, suivant;
    snd_config_for_each(i, suivant, conf) {
        snd_config_t* n = snd_config_iterator_entry(i);
        const char* cle = nullptr;
        if (snd_config_get_id(n, &cle) < 0) continue;
        const std::string_view c(cle);
        if (c == "comment" || c == "type" || c == "hint") continue;
        if (c == "trames" && snd_config_get_integer(n, &trames) >= 0) continue;
        SNDERR("Unknown field %s", cle);
        return -EINVAL;
    }
    auto* f = new Tfragile;
    f->tramesAvantPanne = trames;
    f->io.version = SND_PCM_IOPLUG_VERSION;
    f->io.name = "Sampix fragile test card";
    f->io.callback = &kRappels;
    f->io.private_data = f;
    f->io.poll_fd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    f->io.poll_events = POLLIN;
    f->io.mmap_rw = 0;
    int e = snd_pcm_ioplug_create(&f->io, name, stream, mode);
    if (e < 0) {
        close(f->io.poll_fd);
        delete f;
        return e;
    }
    e = Contraintes(&f->io);
    if (e < 0) {
        snd_pcm_ioplug_delete(&f->io);
        return e;
    }
    *pcmp = f->io.pcm;
    return 0;
}

SND_PCM_PLUGIN_SYMBOL(sampixfragile);
}
