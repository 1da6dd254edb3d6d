// Entry point of every test executable: isolates the process from the user's folders
// and runs Qt offscreen, so no test touches real settings or opens a real window.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>
#include <QApplication>

#include "support/FichiersTest.h"

// The sound card of the tests: ALSA's file plugin. What is played lands in OUT.raw, what is
// recorded comes from IN.raw (silence unless a test writes it before opening the device). The
// capture side keeps its copy of what it records in COPIE-IN.raw: written to OUT.raw too, it
// would mix with what a full-duplex stream plays. The file plugin takes any format, so a
// second input, "seize", reads IN.raw as 16-bit samples only and converts them to the format
// asked; the WAV header it writes to SEIZE.wav tells the rate and channels asked.
void EcritConfigurationAlsa(const std::filesystem::path& home) {
    EcritOctets(home / "IN.raw", std::vector<std::uint8_t>(1 << 20, 0));
    const auto fichier = [&home](const char* sortie, const char* format) {
        return "{ type file; slave.pcm \"null\"; file \"" + (home / sortie).string() + "\"; infile \"" +
               (home / "IN.raw").string() + "\"; format \"" + format + "\" }";
    };
    std::ofstream(home / ".asoundrc")
        << "pcm.!default { type asym;\n"
        << "  playback.pcm { type file; slave.pcm \"null\"; file \"" << (home / "OUT.raw").string()
        << "\"; format \"raw\" }\n"
        << "  capture.pcm " << fichier("COPIE-IN.raw", "raw") << " }\n"
        << "pcm.seize { type linear; slave { pcm " << fichier("SEIZE.wav", "wav") << "; format S16_LE } }\n";
}

int main(int argc, char** argv) {
    const std::filesystem::path home = DossierTemporaireProcessus();
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_DATA_HOME", (home / ".local/share").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
    setenv("XDG_CACHE_HOME", (home / ".cache").c_str(), 1);
    setenv("XDG_DOCUMENTS_DIR", (home / "Documents").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (home / "run").c_str(), 1);
    std::filesystem::create_directories(home / "run");
    std::filesystem::permissions(home / "run", std::filesystem::perms::owner_all);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The interface's language as on a French system, whatever the machine's: tests that want
    // English ask for it.
    setenv("LANGUAGE", "fr", 1);
    EcritConfigurationAlsa(home);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    const int resultat = RUN_ALL_TESTS();
    std::error_code ignore;
    std::filesystem::remove_all(home, ignore);
    return resultat;
}
