// The language of the texts built here, for an interface in French (the default) or English.
// Figures follow it: a decimal comma in French, a decimal point in English.
#pragma once

enum class Tlangue { francais, anglais };

// The text among a French one and an English one.
constexpr const char* Selon(Tlangue langue, const char* francais, const char* anglais) {
    return langue == Tlangue::anglais ? anglais : francais;
}
