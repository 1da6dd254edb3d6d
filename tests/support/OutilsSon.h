// Sound files made at test time with the command-line tools (sox, lame, opusenc), and read
// back by independent decoders: libsndfile for WAV files, the mpg123 program for MP3.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <QStringList>

// Runs a tool and throws with its stderr when it fails. The tools come with `./test`
// (scripts/installe-paquets test).
void Lance(const QString& programme, const QStringList& arguments);

QString Chemin(const std::filesystem::path& p);

struct TsonLu {
    int canaux = 0;
    int frequence = 0;
    std::vector<std::int16_t> echantillons;
};

// Any file libsndfile reads, as 16-bit samples.
TsonLu LitSon(const std::filesystem::path& fichier);

// What `mpg123 -w` writes for an MP3 file.
TsonLu DecodeParMpg123(const std::filesystem::path& mp3);

// Empty when both hold the same samples; otherwise names the first sample that differs
// (its index, frame and channel, and both values) or the lengths.
std::string PremiereDifference(const std::vector<std::int16_t>& obtenus,
                               const std::vector<std::int16_t>& attendus, int canaux);
