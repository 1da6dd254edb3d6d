// What the import asks of a decoder: the shape of the stream, its samples block after block
// as interleaved 16-bit values, and how far into the file it has read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "sound/Resultat.h"

// The compressed file a decoder reads, through this object only, so that the bytes read
// give the progress whatever the headers announce, and a failed read keeps its reason.
class TfichierSource {
public:
    TfichierSource() = default;
    ~TfichierSource();
    TfichierSource(const TfichierSource&) = delete;
    TfichierSource& operator=(const TfichierSource&) = delete;

    // Fails when the file can't be opened or is not a regular file.
    Tresultat<> Ouvre(const std::string& nom);

    // As read(2) and lseek(2) on the file; a failed read is also kept (EtatLecture). The
    // decoding libraries call these from their C code, which no exception may cross.
    std::int64_t Lit(void* p, std::size_t n) noexcept;
    std::int64_t Cherche(std::int64_t decalage, int origine) noexcept;
    // `n` bytes at `position`, without moving; false when the file does not hold them all.
    bool LitA(std::int64_t position, void* p, std::size_t n) const;

    std::int64_t Taille() const { return taille_; }
    std::int64_t Position() const { return position_; }
    // The message for the first failed read; a success while every read succeeded.
    Tresultat<> EtatLecture() const;

private:
    int fd_ = -1;
    std::int64_t taille_ = 0;
    std::int64_t position_ = 0;
    int erreur_ = 0;
};

class TdecodeurSon {
public:
    virtual ~TdecodeurSon() = default;
    TdecodeurSon(const TdecodeurSon&) = delete;
    TdecodeurSon& operator=(const TdecodeurSon&) = delete;

    int Canaux() const { return canaux_; }
    std::uint32_t Frequence() const { return frequence_; }

    // The next samples, whole frames, valid until the next call; empty at the end of the
    // stream. Fails for a damaged stream, a failed read or a change of format, with the
    // message shown to the user; the decoder is then done with.
    virtual Tresultat<std::span<const std::int16_t>> LitBloc() = 0;

    // Bytes of the file read so far over its size: 0 to 100.
    int Pourcentage() const;

    // Known at the end: the stream stops inside a frame (a file cut short). What came
    // before is whole and was delivered.
    bool FinEndommagee() const { return finEndommagee_; }

protected:
    TdecodeurSon() = default;
    // The damage met by the decoding, and how far into the file.
    Techec EchecDecodage() const;

    TfichierSource source_;
    int canaux_ = 0;
    std::uint32_t frequence_ = 0;
    bool finEndommagee_ = false;
};

// A decoder ready to give its first block, or why the file cannot be decoded.
using TdecodeurOuvert = Tresultat<std::unique_ptr<TdecodeurSon>>;
