// The one way an expected failure is reported (a file that cannot be read or written, a
// sound card or a port that refuses, a decoder that gives up): a result that the caller
// cannot ignore, carrying on failure the message shown to the user as it stands, in the
// interface's language.
// Exceptions are left for the unforeseen; the application's handler catches them once.
#pragma once

#include <string>
#include <utility>
#include <variant>

#include "sound/Traduction.h"

// A failure and the text that tells the user what happened.
struct Techec {
    std::string message;
};

inline Techec Echec(std::string message) {
    return Techec{std::move(message)};
}

// A failure told by a text of this program's, translated, with what it names in place of %1...
template <class... Arguments>
Techec Echec(TtexteSource texte, const Arguments&... arguments) {
    return Techec{Traduit(texte, {std::string_view(arguments)...})};
}

// Either a value of T or a failure.
template <class T = void>
class [[nodiscard]] Tresultat {
public:
    Tresultat(T valeur) : contenu_(std::in_place_index<0>, std::move(valeur)) {}
    Tresultat(Techec echec) : contenu_(std::in_place_index<1>, std::move(echec)) {}

    bool Reussi() const { return contenu_.index() == 0; }
    explicit operator bool() const { return Reussi(); }

    // Only on success.
    T& Valeur() & { return std::get<0>(contenu_); }
    const T& Valeur() const& { return std::get<0>(contenu_); }
    T&& Valeur() && { return std::get<0>(std::move(contenu_)); }
    // Only on failure.
    const std::string& Message() const { return std::get<1>(contenu_).message; }

private:
    std::variant<T, Techec> contenu_;
};

// Success with nothing to give back, or a failure.
template <>
class [[nodiscard]] Tresultat<void> {
public:
    Tresultat() = default;
    Tresultat(Techec echec) : echec_(true), message_(std::move(echec.message)) {}

    bool Reussi() const { return !echec_; }
    explicit operator bool() const { return Reussi(); }
    // Only on failure.
    const std::string& Message() const { return message_; }

private:
    bool echec_ = false;
    std::string message_;
};
