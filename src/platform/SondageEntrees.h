// The sound-input survey: the input devices and the recording format each one offers.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "platform/FluxAudio.h"

// The formats tried, in order: the lowest rate wins, 16 bits before 8 bits.
inline constexpr TformatCarte kFormatsEssayes[] = {
    {11025, 16}, {22050, 16}, {44100, 16}, {11025, 8}, {22050, 8}, {44100, 8},
};

struct TresultatSondage {
    std::vector<TperipheriqueEntree> entrees;
    std::vector<std::optional<TformatCarte>> formats;  // the first accepted format, per device
    int parDefaut = -1;                                // position of the system's default input, or -1
};

using TformatAccepte = std::function<bool(int peripherique, TformatCarte format)>;

// Tries the formats of each device in order and keeps the first one it accepts.
TresultatSondage SondeEntrees(std::vector<TperipheriqueEntree> entrees, int peripheriqueParDefaut,
                              const TformatAccepte& accepte);

// The survey of the sound card, replaceable so that tests can stand in other devices.
using TsondeEntrees = std::function<TresultatSondage()>;
TresultatSondage SondeEntreesSon();
TsondeEntrees RemplaceSondeEntrees(TsondeEntrees sonde);
