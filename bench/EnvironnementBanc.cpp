#include "EnvironnementBanc.h"

#include <cstdlib>
#include <fstream>
#include <vector>

std::filesystem::path PrepareEnvironnementBanc() {
    const auto home = std::filesystem::temp_directory_path() / "sampix-bench-home";
    std::filesystem::create_directories(home);
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::vector<char> silence(1 << 20, 0);
    std::ofstream(home / "IN.raw", std::ios::binary)
        .write(silence.data(), static_cast<std::streamsize>(silence.size()));
    std::ofstream(home / ".asoundrc")
        << "pcm.!default { type file; slave.pcm \"null\"; file \"" << (home / "OUT.raw").string()
        << "\"; infile \"" << (home / "IN.raw").string() << "\"; format \"raw\" }\n";
    return home;
}
