// File-name helpers that behave the same for every caller (dialogs, conversions, saves).
#pragma once

#include <string>

// The extension of the last path component, dot included ("" when there is none).
std::string ExtensionFichier(const std::string& nom);

// Plain ASCII upper-casing, for extension tests.
std::string MajusculesAscii(std::string texte);

// Replaces the extension of the last path component, or appends one when there is none.
std::string ChangeExtension(const std::string& nom, const std::string& extension);

// The name a saved sound takes: its extension becomes ".wav" when the file's name has no
// upper-case letter (a name typed in lower case keeps its case), ".WAV" otherwise.
std::string NomFichierWav(const std::string& nom);
