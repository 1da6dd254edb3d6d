// Importing a 3-minute 128 kbit/s stereo MP3, timed against `mpg123 -w` on the same file.
// The two run in turns within each repetition, so both see the same disk cache and load.
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include <benchmark/benchmark.h>
#include <QApplication>

#include "EnvironnementBanc.h"
#include "app/WaveForm.h"
#include "platform/Messages.h"

extern char** environ;

namespace {

const std::filesystem::path kDossier = std::filesystem::temp_directory_path() / "sampix-bench-mp3";

int Lance(std::initializer_list<const char*> arguments) {
    std::vector<char*> argv;
    for (const char* a : arguments) argv.push_back(const_cast<char*>(a));
    argv.push_back(nullptr);
    pid_t pid;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
    int etat = 0;
    waitpid(pid, &etat, 0);
    return WIFEXITED(etat) ? WEXITSTATUS(etat) : -1;
}

// A sweep on the left and pink noise on the right: the encoder has work on both channels.
std::filesystem::path Chanson() {
    const auto mp3 = kDossier / "chanson.mp3";
    if (std::filesystem::exists(mp3)) return mp3;
    std::filesystem::create_directories(kDossier);
    if (Lance({"sox", "-n", "-r", "44100", "-c", "2", "-C", "128", mp3.c_str(), "synth", "180", "sine",
               "100-4000", "pinknoise", "gain", "-6"}) != 0)
        throw std::runtime_error("sox n'a pas pu fabriquer " + mp3.string());
    return mp3;
}

double Secondes(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

void ConversionMp3ContreMpg123(benchmark::State& state) {
    const auto mp3 = Chanson();
    const auto sortieMpg123 = kDossier / "mpg123.wav";
    TWaveForm fenetre;
    const QString source = QString::fromStdString(mp3.string());
    double nous = 0;
    double reference = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        if (fenetre.ConvertitEnWav(source, TrouteFichier::rMp3).isEmpty()) state.SkipWithError("conversion refusée");
        const auto t1 = std::chrono::steady_clock::now();
        if (Lance({"mpg123", "-q", "-w", sortieMpg123.c_str(), mp3.c_str()}) != 0)
            state.SkipWithError("mpg123 a échoué");
        const auto t2 = std::chrono::steady_clock::now();
        nous += Secondes(t1 - t0);
        reference += Secondes(t2 - t1);
        state.SetIterationTime(Secondes(t1 - t0));
    }
    state.counters["mpg123_ms"] = benchmark::Counter(1000 * reference / state.iterations());
    state.counters["rapport"] = benchmark::Counter(nous / reference);
}
BENCHMARK(ConversionMp3ContreMpg123)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(11)
    ->Unit(benchmark::kMillisecond)
    ->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv) {
    return ExecuteBancs(argc, argv);
}
