#include "EnvironnementBanc.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>

#include <benchmark/benchmark.h>
#include <QApplication>

#include "platform/Messages.h"
#include "sound/EcrivainWav.h"

extern char** environ;

std::filesystem::path DossierBanc() {
    return std::filesystem::temp_directory_path() / "sampix-bench-home";
}

QString FichierWavBanc(const char* nom, const std::vector<std::int16_t>& echantillons,
                       std::uint32_t frequence) {
    const auto chemin = DossierBanc() / nom;
    const auto trames = static_cast<std::int32_t>(echantillons.size());
    const std::vector<std::uint8_t> tete = EnTeteWav(TformatWave::f16, trames, frequence);
    std::ofstream f(chemin, std::ios::binary);
    f.write(reinterpret_cast<const char*>(tete.data()), static_cast<std::streamsize>(tete.size()));
    f.write(reinterpret_cast<const char*>(echantillons.data()),
            static_cast<std::streamsize>(2 * echantillons.size()));
    return QString::fromStdString(chemin.string());
}

double TempsProcesseur() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_utime.tv_sec + r.ru_stime.tv_sec + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

std::filesystem::path PrepareEnvironnementBanc() {
    const auto home = DossierBanc();
    std::filesystem::create_directories(home);
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::vector<char> silence(1 << 20, 0);
    std::ofstream(home / "IN.raw", std::ios::binary)
        .write(silence.data(), static_cast<std::streamsize>(silence.size()));
    // The capture side keeps its copy apart, or a full-duplex stream would mix it into OUT.raw.
    std::ofstream(home / ".asoundrc")
        << "pcm.!default { type asym;\n"
        << "  playback.pcm { type file; slave.pcm \"null\"; file \"" << (home / "OUT.raw").string()
        << "\"; format \"raw\" }\n"
        << "  capture.pcm { type file; slave.pcm \"null\"; file \"" << (home / "COPIE-IN.raw").string()
        << "\"; infile \"" << (home / "IN.raw").string() << "\"; format \"raw\" } }\n";
    return home;
}

int ExecuteBancs(int argc, char** argv) {
    PrepareEnvironnementBanc();
    QApplication app(argc, argv);
    RemplaceAfficheurMessage([](const QString&) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

int LanceProgramme(const std::vector<std::string>& arguments, double* processeur) {
    std::vector<char*> argv;
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
    int etat = 0;
    rusage usage{};
    wait4(pid, &etat, 0, &usage);
    if (processeur)
        *processeur += usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                       1e-6 * (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
    return WIFEXITED(etat) ? WEXITSTATUS(etat) : -1;
}
