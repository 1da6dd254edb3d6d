// File helpers shared by the tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A fresh folder for this test process (created on first call, removed by the test main).
std::filesystem::path DossierTemporaireProcessus();

// A fresh, empty folder under the process folder, one per call.
std::filesystem::path NouveauDossier();

// A folder nobody can write for the life of the object: a read-only bind mount as root, whom
// permissions do not stop; mode 0555 otherwise. Actif() says whether it worked.
class TdossierLectureSeule {
public:
    explicit TdossierLectureSeule(const std::filesystem::path& d);
    ~TdossierLectureSeule();
    TdossierLectureSeule(const TdossierLectureSeule&) = delete;
    TdossierLectureSeule& operator=(const TdossierLectureSeule&) = delete;
    bool Actif() const;

private:
    std::filesystem::path d_;
    bool monte_ = false;
};

void EcritOctets(const std::filesystem::path& chemin, const std::vector<std::uint8_t>& octets);
std::vector<std::uint8_t> LitOctets(const std::filesystem::path& chemin);

// A PCM WAV file image with the canonical 44-byte header; dataSize defaults to the data's size.
std::vector<std::uint8_t> ImageWav(int canaux, std::uint32_t frequence, int bits,
                                   const std::vector<std::uint8_t>& donnees, std::int64_t tailleDonnees = -1);

void Ajoute16(std::vector<std::uint8_t>& v, std::uint16_t x);
void Ajoute32(std::vector<std::uint8_t>& v, std::uint32_t x);
void AjouteTexte(std::vector<std::uint8_t>& v, const char* texte);
