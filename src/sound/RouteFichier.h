// Which road a chosen sound file takes: the WAV reader, or a decoder into a WAV file beside it.
#pragma once

#include <string>

enum class TrouteFichier {
    rWav,          // the WAV reader, directly
    rMp3,          // the MP3 decoder, then the WAV reader on the converted file
    rAutreFormat,  // the decoders of FLAC, Ogg Vorbis, Opus and AIFF, then the WAV reader
    rNomWav,       // compressed sound under a ".wav" name: converting it would write over it
};

struct TchoixRoute {
    TrouteFichier route;
    std::string contenu;  // what the first bytes show: "WAV", "MP3", "FLAC", "Ogg", "AIFF", or empty
};

// The content decides first: RIFF/WAVE, an MPEG audio frame or an ID3v2 tag in front of one,
// "fLaC", "OggS", FORM/AIFF or AIFC. Content that says nothing (or a file that can't be read)
// leaves the choice to the extension, and any extension but the compressed ones goes to the
// WAV reader, which then reads or refuses the file as it always has.
TchoixRoute ChoisitRoute(const std::string& nom);
