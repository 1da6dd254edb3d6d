#include "sound/QuantificateurOptions.h"

#include <bit>

TquantificateurOptions::TquantificateurOptions(TtableQuantification& table, int q, bool huitBits,
                                               ToptionsNumerisation options)
    : q_(std::clamp(q, 1, 32768)),
      simple_(options == ToptionsNumerisation{}),
      dither_(options.dither),
      pasSon_(huitBits ? 256 : 1) {
    if (simple_) return;
    const int bits = huitBits ? 8 : 16;
    table.Regle(options.loi, bits - std::countr_zero(std::bit_floor(static_cast<unsigned>(q_))));
    niveaux_ = table.Niveaux();
    pas_ = table.Pas();
}
