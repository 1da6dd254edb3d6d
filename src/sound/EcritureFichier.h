// Writing a whole block at a place in a file, resuming short writes; where a file written
// beside its name and renamed over it must go.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// False with errno set when the block could not be written whole (a full disk gives ENOSPC).
bool EcritA(int fd, const std::uint8_t* p, std::size_t taille, off_t position);

// The name a new file renamed over `nom` takes: the file a link points to (the link stays), or
// `nom` itself when nothing is there. Nothing when `nom` is a folder, a device, a pipe or a
// socket: a rename would put a plain file in its place.
std::optional<std::string> CibleRemplacement(const std::string& nom);
