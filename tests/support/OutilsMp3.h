// MP3 files made at test time with sox and lame, and mpg123 as the independent decoder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A full-scale square wave (a sine on the second channel) encoded by sox through
// libmp3lame; its decoding overshoots, as loud music does.
void FabriqueMp3Sox(const std::filesystem::path& mp3, int frequence, int canaux, double secondes);

// The same tone encoded by the lame command, which puts its own tag frame first.
void FabriqueMp3Lame(const std::filesystem::path& mp3, int frequence, int canaux, double secondes);

// A well-formed MP3 file that holds no sound: lame's tag frame alone.
void FabriqueMp3SansSon(const std::filesystem::path& mp3);

// Bytes that libmpg123 takes for MPEG Layer I, as with some binaries.
std::vector<std::uint8_t> BinaireCoucheI();

// The MP3 file with `taille` bytes of noise over its middle: the decoder gives up there.
void EndommageMilieu(const std::filesystem::path& mp3, std::size_t taille);

// What `mpg123 -w` writes for this file, read back with libsndfile.
std::vector<std::int16_t> EchantillonsMpg123(const std::filesystem::path& mp3);

// The samples of a WAV file, read with libsndfile; throws when it refuses the file.
std::vector<std::int16_t> EchantillonsWav(const std::filesystem::path& wav);

// Little-endian fields of a file image.
std::uint32_t Lit32(const std::vector<std::uint8_t>& v, std::size_t position);
std::uint16_t Lit16(const std::vector<std::uint8_t>& v, std::size_t position);
