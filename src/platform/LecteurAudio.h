// The media player: bound to one sound file at a time, read with libsndfile.
// It mirrors the operations of the window's invisible player control: a file name,
// open and close, a time format, the length, and one-shot wait/notify options.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>

#include <QString>

enum class TformatTemps { tfMilliseconds, tfSamples };

class ELecteurErreur : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TLecteurAudio {
public:
    TLecteurAudio();
    ~TLecteurAudio();
    TLecteurAudio(const TLecteurAudio&) = delete;
    TLecteurAudio& operator=(const TLecteurAudio&) = delete;

    QString FileName;

    // Options for the next command only; each command forgets them.
    void SetWait(bool attendre) { wait_ = attendre; }
    void SetNotify(bool notifier) { notify_ = notifier; }

    // Closes first when open; throws ELecteurErreur when the file cannot be read.
    void Open();
    // Does nothing when closed.
    void Close();
    bool EstOuvert() const;

    // Throw "Aucun périphérique MCI ouvert" while closed.
    TformatTemps TimeFormat() const;
    void SetTimeFormat(TformatTemps format);
    std::int64_t Length() const;

private:
    struct Fichier;
    void OublieOptions();
    const Fichier& FichierOuvert() const;

    std::unique_ptr<Fichier> fichier_;
    TformatTemps formatTemps_ = TformatTemps::tfMilliseconds;
    bool wait_ = true;
    bool notify_ = false;
};
