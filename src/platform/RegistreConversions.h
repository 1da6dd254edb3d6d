// Where a converted sound goes, and the registry of the files Sampix wrote ("conversions.ini"
// in the data folder): a conversion replaces only its own earlier result from the same source,
// never a teacher's file nor the source itself.
#pragma once

#include <string>

// The folder a conversion of `source` writes into, ending with '/': the source's own folder,
// or the data folder when the source's folder cannot be written (no permission, a read-only
// medium).
std::string DossierConversion(const std::string& source);

// The file a conversion of `source` writes in `dossier` (ending with '/'): the first of
// "base.wav", "base (Sampix).wav", "base (Sampix 2).wav", "base (Sampix 3).wav"... (base: the
// source's name without its extension) that no file holds, or that holds a plain file Sampix
// wrote from this same source and that nobody has changed since (its size and modification
// time are still those recorded). Never `source` itself, nor a link, a pipe or a folder.
std::string NomConversion(const std::string& source, const std::string& dossier);

// Records that `fichier` has just been written from `source`, with its size and modification
// time now. A registry that cannot be written costs only a new name next time.
void NoteConversion(const std::string& fichier, const std::string& source);
