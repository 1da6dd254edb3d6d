// The MP3 decoder, over libmpg123: the stream is decoded to its real end whatever its
// headers announce, with the gapless trimming that mpg123 does by default, into exactly
// the 16-bit samples that `mpg123 -w` writes.
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>

#include "platform/DecodeurSon.h"

struct mpg123_handle_struct;

// True when libmpg123 starts and has a decoder for this processor.
bool DecodeurMp3Disponible();

// The tests stand in for the library's answer (a machine without a decoder); an empty one
// asks the library again. Returns the previous one.
using TdisponibiliteMp3 = std::function<bool()>;
TdisponibiliteMp3 RemplaceDisponibiliteMp3(TdisponibiliteMp3 disponibilite);

class TdecodeurMp3 : public TdecodeurSon {
public:
    // Opens an MPEG audio Layer III file; anything else (other formats, MPEG Layer I or II,
    // which some binaries pass for) is refused with its reason.
    static TdecodeurOuvert Ouvre(const std::string& nom);

    // Fails too when the rate or the channel count changes in mid-stream (files joined
    // end to end), or when a frame of another layer comes.
    Tresultat<std::span<const std::int16_t>> LitBloc() override;

private:
    struct TfermeMpg123 {
        void operator()(mpg123_handle_struct* mh) const;
    };

    TdecodeurMp3() = default;
    Tresultat<> Demarre(const std::string& nom);
    Tresultat<> VerifieFormat();
    Tresultat<> VerifieCouche();

    std::unique_ptr<mpg123_handle_struct, TfermeMpg123> mh_;
};
