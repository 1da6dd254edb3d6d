#include "platform/LecteurAudio.h"

#include <cmath>

#include <QFile>
#include <sndfile.h>

struct TLecteurAudio::Fichier {
    SNDFILE* sf = nullptr;
    SF_INFO info{};
    ~Fichier() {
        if (sf) sf_close(sf);
    }
};

TLecteurAudio::TLecteurAudio() = default;
TLecteurAudio::~TLecteurAudio() = default;

void TLecteurAudio::OublieOptions() {
    wait_ = true;
    notify_ = false;
}

void TLecteurAudio::Open() {
    Close();
    OublieOptions();
    if (FileName.isEmpty()) throw ELecteurErreur("Aucun fichier son à ouvrir");
    auto f = std::make_unique<Fichier>();
    f->sf = sf_open(QFile::encodeName(FileName).constData(), SFM_READ, &f->info);
    if (!f->sf || f->info.samplerate <= 0 || f->info.channels <= 0)
        throw ELecteurErreur(QStringLiteral("Impossible de lire le fichier son (%1)")
                                 .arg(QString::fromLocal8Bit(sf_strerror(f->sf)))
                                 .toStdString());
    fichier_ = std::move(f);
    formatTemps_ = TformatTemps::tfMilliseconds;
}

void TLecteurAudio::Close() {
    OublieOptions();
    fichier_.reset();
}

bool TLecteurAudio::EstOuvert() const { return fichier_ != nullptr; }

const TLecteurAudio::Fichier& TLecteurAudio::FichierOuvert() const {
    if (!fichier_) throw ELecteurErreur("Aucun périphérique MCI ouvert");
    return *fichier_;
}

TformatTemps TLecteurAudio::TimeFormat() const {
    FichierOuvert();
    return formatTemps_;
}

void TLecteurAudio::SetTimeFormat(TformatTemps format) {
    FichierOuvert();
    formatTemps_ = format;
}

std::int64_t TLecteurAudio::Length() const {
    const SF_INFO& info = FichierOuvert().info;
    if (formatTemps_ == TformatTemps::tfSamples) return info.frames;
    return static_cast<std::int64_t>(std::nearbyint(info.frames * 1000.0 / info.samplerate));
}
