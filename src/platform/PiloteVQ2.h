// The VQ2 driver library (libvqcommx.so), loaded at start-up from the program's own folder.
// Every one of its entry points is found, or the library counts as absent: nothing ever
// calls an entry point that is missing.
#pragma once

#include <cstdint>

#include <QLibrary>
#include <QString>

struct TpointsEntreeVQ2 {
    std::uint32_t (*SetPortOpen)(const std::uint16_t* nom);
    std::int32_t (*SetPortClose)(std::uint32_t handle);
    std::int32_t (*ChangeVitesse)(std::uint32_t handle, std::int32_t code);
    std::int32_t (*LanceTHREAD)(std::uint32_t handle);
    std::int32_t (*IsRunTHREAD)();
    std::int32_t (*StopTHREAD)();
    std::int32_t (*SendH8)(const std::uint8_t* octets, std::int32_t nombre);
    std::int32_t (*EmptyBuffer)();
    std::int32_t (*GetLenH8)();
    std::int32_t (*GetH8)(std::uint8_t* tampon, std::int32_t nombre, std::int32_t reserve);
    std::int32_t (*StopAcquiLENTE)();
    std::int32_t (*GetVersion)();
    std::int32_t (*LanceGenerateur)();
    std::int32_t (*StopGenerateur)();
};

inline const char* const kNomBibliothequeVQ2 = "libvqcommx.so";

class TpiloteVQ2 {
public:
    // Loads <dossier>/libvqcommx.so when it is there; the library is unloaded with the object.
    explicit TpiloteVQ2(const QString& dossier);
    ~TpiloteVQ2();
    TpiloteVQ2(const TpiloteVQ2&) = delete;
    TpiloteVQ2& operator=(const TpiloteVQ2&) = delete;

    bool vq2OK() const { return vq2OK_; }
    const TpointsEntreeVQ2& Points() const { return points_; }

private:
    QLibrary bibliotheque_;
    TpointsEntreeVQ2 points_{};
    bool vq2OK_ = false;
};

// The program's one loader, set by main() before the window exists (none in tests unless
// they install one).
void InstallePiloteVQ2(TpiloteVQ2* pilote);
TpiloteVQ2* PiloteVQ2();
