#include "sound/RouteFichier.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "sound/Fichiers.h"
#include "sound/NomsFichiers.h"

namespace {

using Toctets = std::array<std::uint8_t, 60>;

// Reads up to 60 bytes at `position`; the bytes the file does not hold stay 0.
Toctets LitDebut(const Tfichier& f, std::uint64_t position) {
    Toctets o{};
    f.LitA(static_cast<std::int64_t>(position), o.data(), o.size());
    return o;
}

bool Commence(const Toctets& o, const char* texte, std::size_t decalage = 0) {
    return std::memcmp(o.data() + decalage, texte, std::strlen(texte)) == 0;
}

// An MPEG audio frame header: 11 bits of sync, a defined version and layer.
bool EnTeteMpeg(const Toctets& o) {
    return o[0] == 0xFF && (o[1] & 0xE0) == 0xE0 && (o[1] & 0x18) != 0x08 && (o[1] & 0x06) != 0;
}

// ID3v2: "ID3", version, flags, then the tag size in four 7-bit bytes (header and an
// optional 10-byte footer, flagged by bit 4, not counted).
std::uint64_t TailleId3v2(const Toctets& o) {
    std::uint64_t taille = 10;
    for (int i = 6; i < 10; ++i) taille += static_cast<std::uint64_t>(o[i] & 0x7F) << (7 * (9 - i));
    return (o[5] & 0x10) ? taille + 10 : taille;
}

std::uint16_t Lit16(const Toctets& o, std::size_t i) {
    return static_cast<std::uint16_t>(o[i] | (o[i + 1] << 8));
}

// Whether the WAV reader takes this header as it is (see ChoisitRoute).
bool LisibleTelQuel(const Toctets& o, std::uint64_t taille) {
    constexpr std::uint16_t kPcm = 1, kExtensible = 0xFFFE;
    // The rest of the PCM sub-format's GUID, after its first two bytes (the tag).
    static constexpr std::uint8_t kSuiteGuidPcm[] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                                     0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
    if (taille < 36) return true;
    if (!Commence(o, "fmt ", 12)) return false;
    std::uint16_t etiquette = Lit16(o, 20);
    if (etiquette == kExtensible && taille >= 60 &&
        std::memcmp(o.data() + 46, kSuiteGuidPcm, sizeof kSuiteGuidPcm) == 0)
        etiquette = Lit16(o, 44);
    const std::uint16_t canaux = Lit16(o, 22);
    const std::uint16_t bits = Lit16(o, 34);
    return etiquette == kPcm && (canaux == 1 || canaux == 2) && (bits == 8 || bits == 16);
}

std::string Contenu(const std::string& nom, bool& lisibleTelQuel) {
    // Only a plain file is looked into: opening a pipe would wait for a writer.
    const auto ouvert = Tfichier::OuvreLecture(nom);
    if (!ouvert) return {};
    const Tfichier& f = ouvert.Valeur();
    Toctets o = LitDebut(f, 0);
    if (Commence(o, "RIFF") && Commence(o, "WAVE", 8)) {
        lisibleTelQuel = LisibleTelQuel(o, static_cast<std::uint64_t>(f.Taille()));
        return "WAV";
    }
    if (Commence(o, "ID3")) {
        // Some FLAC files carry an ID3v2 tag too: what follows the tag decides.
        if (Commence(LitDebut(f, TailleId3v2(o)), "fLaC")) return "FLAC";
        return "MP3";
    }
    if (EnTeteMpeg(o)) return "MP3";
    if (Commence(o, "fLaC")) return "FLAC";
    if (Commence(o, "OggS")) return "Ogg";
    if (Commence(o, "FORM") && (Commence(o, "AIFF", 8) || Commence(o, "AIFC", 8))) return "AIFF";
    return {};
}

}  // namespace

TchoixRoute ChoisitRoute(const std::string& nom) {
    const std::string extension = MajusculesAscii(ExtensionFichier(nom));
    bool lisibleTelQuel = false;
    const std::string contenu = Contenu(nom, lisibleTelQuel);
    if (contenu == "WAV")
        return {lisibleTelQuel ? TrouteFichier::rWav : TrouteFichier::rAutreFormat, contenu};
    if (!contenu.empty())
        return {contenu == "MP3" ? TrouteFichier::rMp3 : TrouteFichier::rAutreFormat, contenu};
    for (const TextensionSon& e : kExtensionsSons)
        if (extension.starts_with('.') && extension.substr(1) == MajusculesAscii(e.extension))
            return {e.route, contenu};
    return {TrouteFichier::rWav, contenu};
}
