// What the import asks of a decoder: the shape of the stream, its samples block after block
// as interleaved 16-bit values, and how far into the file it has read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

// Why a file cannot be decoded; the message is plain French, ready to show to the user.
class EDecodeurSon : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The compressed file a decoder reads, through this object only, so that the bytes read
// give the progress whatever the headers announce, and a failed read keeps its reason.
class TfichierSource {
public:
    // Throws EDecodeurSon when the file can't be opened or is not a regular file.
    explicit TfichierSource(const std::string& nom);
    ~TfichierSource();
    TfichierSource(const TfichierSource&) = delete;
    TfichierSource& operator=(const TfichierSource&) = delete;

    // As read(2) and lseek(2) on the file; a failed read is also kept (ErreurLecture).
    std::int64_t Lit(void* p, std::size_t n);
    std::int64_t Cherche(std::int64_t decalage, int origine);
    // `n` bytes at `position`, without moving; false when the file does not hold them all.
    bool LitA(std::int64_t position, void* p, std::size_t n) const;

    std::int64_t Taille() const { return taille_; }
    std::int64_t Position() const { return position_; }
    // The errno of the first failed read, 0 while every read succeeded.
    int ErreurLecture() const { return erreur_; }
    // Throws the message for a failed read; does nothing while none failed.
    void SignaleErreurLecture() const;

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
    // stream. Throws EDecodeurSon for a damaged stream, a failed read or a change of format.
    virtual std::span<const std::int16_t> LitBloc() = 0;

    // Bytes of the file read so far over its size: 0 to 100.
    int Pourcentage() const;

    // Known at the end: the stream stops inside a frame (a file cut short). What came
    // before is whole and was delivered.
    bool FinEndommagee() const { return finEndommagee_; }

protected:
    explicit TdecodeurSon(const std::string& nom) : source_(nom) {}

    TfichierSource source_;
    int canaux_ = 0;
    std::uint32_t frequence_ = 0;
    bool finEndommagee_ = false;
};
