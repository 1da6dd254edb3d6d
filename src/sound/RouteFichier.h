// Which road a chosen sound file takes: the WAV reader, or a decoder into a WAV file.
#pragma once

#include <string>

enum class TrouteFichier {
    rWav,          // the WAV reader, directly
    rMp3,          // the MP3 decoder, then the WAV reader on the converted file
    rAutreFormat,  // libsndfile's decoders (FLAC, Ogg Vorbis, Opus, AIFF, the WAV files the reader
                   // does not take), then the WAV reader on the converted file
};

// The sound files the program offers to open, by extension (lower case, without the dot), and
// the road each takes when its content says nothing.
struct TextensionSon {
    const char* extension;
    TrouteFichier route;
};
inline constexpr TextensionSon kExtensionsSons[] = {
    {"wav", TrouteFichier::rWav},          {"mp3", TrouteFichier::rMp3},
    {"flac", TrouteFichier::rAutreFormat}, {"ogg", TrouteFichier::rAutreFormat},
    {"oga", TrouteFichier::rAutreFormat},  {"opus", TrouteFichier::rAutreFormat},
    {"aif", TrouteFichier::rAutreFormat},  {"aiff", TrouteFichier::rAutreFormat},
    {"aifc", TrouteFichier::rAutreFormat},
};

struct TchoixRoute {
    TrouteFichier route;
    std::string contenu;  // what the first bytes show: "WAV", "MP3", "FLAC", "Ogg", "AIFF", or empty
};

// The content decides first: RIFF/WAVE, an MPEG audio frame or an ID3v2 tag in front of one,
// "fLaC", "OggS", FORM/AIFF or AIFC. Content that says nothing (or a file that can't be read)
// leaves the choice to the extension, and any extension but the compressed ones goes to the
// WAV reader, which then reads or refuses the file as it always has.
// A WAV file goes to the reader when the reader takes it as it is: its format chunk at
// offset 12, integer PCM (tag 1, or WAVE_FORMAT_EXTENSIBLE with the PCM sub-format) of 8 or
// 16 bits, one or two channels; and when its header is too short to tell, so that the reader
// says so. Any other WAV file (other widths, floating point, mu-law, A-law, ADPCM, more
// channels, a Broadcast WAV's "bext" chunk first) is decoded by libsndfile.
TchoixRoute ChoisitRoute(const std::string& nom);
