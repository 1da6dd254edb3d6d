// The texts this core shows the user (failure messages), written in French with %1, %2... for
// what they name, and translated into the interface's language by a translator that the program
// installs at start (Qt's on the desktop, the page's map in the browser). lupdate reads
// Traduisible("Contexte", "texte") as QT_TRANSLATE_NOOP: see scripts/traductions.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

struct TtexteSource {
    const char* contexte;
    const char* texte;
};

constexpr TtexteSource Traduisible(const char* contexte, const char* texte) {
    return {contexte, texte};
}

// Gives a source text in the interface's language; nullptr brings back French, the text itself.
// Installed once, before the texts are used; read from any thread.
using Ttraducteur = std::string (*)(const char* contexte, const char* texte);
void InstalleTraducteur(Ttraducteur traducteur);

// The text in the interface's language, its %1 to %9 replaced by the arguments in one pass, so
// that a file name holding "%2" stays as it is. A mark with no argument stays as written.
std::string Traduit(TtexteSource source, std::initializer_list<std::string_view> arguments = {});
