#include "sound/QuantificateurOptions.h"

#include <algorithm>
#include <bit>

#include "sound/Quantification.h"

void TquantificateurOptions::Regle(int q, bool huitBits, ToptionsNumerisation options) {
    q_ = std::clamp(q, 1, 32768);
    huitBits_ = huitBits;
    options_ = options;
    if (options == ToptionsNumerisation{}) return;
    const int bits = huitBits ? 8 : 16;
    table_.Regle(options.loi, bits - std::countr_zero(std::bit_floor(static_cast<unsigned>(q_))));
}

std::int16_t TquantificateurOptions::Quantifie(std::int16_t v) {
    if (options_ == ToptionsNumerisation{}) return Quantifie16(v, q_);
    if (options_.dither) {
        const int pas = table_.Pas(v);
        if (pas > (huitBits_ ? 256 : 1))
            v = static_cast<std::int16_t>(std::clamp(v + generateur_.Decalage(pas), -32768, 32767));
    }
    return table_.Niveau(v);
}

std::uint8_t TquantificateurOptions::Quantifie(std::uint8_t v) {
    if (options_ == ToptionsNumerisation{}) return Quantifie8(v, q_);
    const int niveau = Quantifie(static_cast<std::int16_t>((v - 128) * 256));
    return static_cast<std::uint8_t>(std::min((niveau + 128) >> 8, 127) + 128);
}
