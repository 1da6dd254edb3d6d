// Writing a whole block at a place in a file, resuming short writes.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>

// False with errno set when the block could not be written whole (a full disk gives ENOSPC).
bool EcritA(int fd, const std::uint8_t* p, std::size_t taille, off_t position);
