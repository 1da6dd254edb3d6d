// Importing 3-minute compressed files, each timed against the separate program that does the
// same on the same file: `mpg123 -w` for a 128 kbit/s stereo CBR MP3 and a VBR MP3 without a
// Xing header, `sox in.flac out.wav` for a FLAC file. The two run in turns within each
// repetition, so both see the same disk cache and load; the figures asked are the medians
// of the 5 repetitions (real_time is ours, ref_ms the other program's; CPU and ref_cpu_ms
// the processor time of each, which a loaded machine disturbs less). Ours is the window's
// import up to the moment it has the WAV file, the conversion's worker and the window's event
// loop included.
//
// And the window's responsiveness meanwhile: while the CBR file converts, a 1 ms timer keeps
// events coming, as a moving mouse would, and every event the UI thread handles is timed;
// ecart_max_ms is the longest gap between two of them (the goal: under 50 ms).
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include "EnvironnementBanc.h"
#include "app/WaveForm.h"

namespace {

const std::filesystem::path kDossier = std::filesystem::temp_directory_path() / "sampix-bench-mp3";

void Fabrique(const std::vector<std::string>& commande) {
    if (LanceProgramme(commande) != 0)
        throw std::runtime_error(commande[0] + " n'a pas pu fabriquer " + commande.back());
}

// A sweep on the left and pink noise on the right: the encoder has work on both channels.
std::filesystem::path Source() {
    const auto wav = kDossier / "source.wav";
    if (std::filesystem::exists(wav)) return wav;
    std::filesystem::create_directories(kDossier);
    Fabrique({"sox", "-n", "-r", "44100", "-c", "2", "-b", "16", wav.string(), "synth", "180", "sine",
              "100-4000", "pinknoise", "gain", "-6"});
    return wav;
}

std::filesystem::path Fichier(const char* nom, const std::vector<std::string>& encodeur) {
    const auto fichier = kDossier / nom;
    if (std::filesystem::exists(fichier)) return fichier;
    std::vector<std::string> commande = encodeur;
    commande.push_back(Source().string());
    commande.push_back(fichier.string());
    Fabrique(commande);
    return fichier;
}

double Secondes(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// The window's import as Open starts it, up to the WAV file written (which is not opened): the
// decoding on its worker, the window's event loop running meanwhile. False for a failure, which
// the window reports (muted here) without going on.
bool ConvertitDansLaFenetre(TWaveForm& fenetre, const std::filesystem::path& source, TrouteFichier route) {
    QEventLoop boucle;
    bool converti = false;
    const auto suite = [&](const QString&) {
        converti = true;
        boucle.quit();
    };
    if (!fenetre.ConvertitEnWav(QString::fromStdString(source.string()), route, suite)) return false;
    QTimer echec;
    QObject::connect(&echec, &QTimer::timeout, [&] {
        if (fenetre.Seance().Activite() != Tactivite::acConversion) boucle.quit();
    });
    echec.start(10);
    boucle.exec();
    return converti;
}

// Every event the UI thread handles, timed as it comes.
class TecartsEvenements : public QObject {
public:
    TecartsEvenements() : dernier_(std::chrono::steady_clock::now()) { qApp->installEventFilter(this); }
    ~TecartsEvenements() override { qApp->removeEventFilter(this); }
    std::chrono::steady_clock::duration ecartMax{};
    std::int64_t evenements = 0;

protected:
    bool eventFilter(QObject*, QEvent*) override {
        const auto maintenant = std::chrono::steady_clock::now();
        ecartMax = std::max(ecartMax, maintenant - dernier_);
        dernier_ = maintenant;
        ++evenements;
        return false;
    }

private:
    std::chrono::steady_clock::time_point dernier_;
};

void ConversionContreReference(benchmark::State& state, const std::filesystem::path& source,
                               TrouteFichier route, const std::vector<std::string>& reference) {
    TWaveForm fenetre;
    double nous = 0;
    double autre = 0;
    double processeurAutre = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        if (!ConvertitDansLaFenetre(fenetre, source, route)) state.SkipWithError("conversion refusée");
        const auto t1 = std::chrono::steady_clock::now();
        if (LanceProgramme(reference, &processeurAutre) != 0)
            state.SkipWithError("le programme de référence a échoué");
        const auto t2 = std::chrono::steady_clock::now();
        nous += Secondes(t1 - t0);
        autre += Secondes(t2 - t1);
        state.SetIterationTime(Secondes(t1 - t0));
    }
    state.counters["ref_ms"] = benchmark::Counter(1000 * autre / state.iterations());
    state.counters["ref_cpu_ms"] = benchmark::Counter(1000 * processeurAutre / state.iterations());
    state.counters["rapport"] = benchmark::Counter(nous / autre);
}

void Mp3CbrContreMpg123(benchmark::State& state) {
    const auto mp3 = Fichier("cbr.mp3", {"lame", "--quiet", "-b", "128"});
    ConversionContreReference(state, mp3, TrouteFichier::rMp3,
                              {"mpg123", "-q", "-w", (kDossier / "mpg123.wav").string(), mp3.string()});
}

void Mp3VbrContreMpg123(benchmark::State& state) {
    const auto mp3 = Fichier("vbr.mp3", {"lame", "--quiet", "-V", "2", "-t"});
    ConversionContreReference(state, mp3, TrouteFichier::rMp3,
                              {"mpg123", "-q", "-w", (kDossier / "mpg123.wav").string(), mp3.string()});
}

void FlacContreSox(benchmark::State& state) {
    const auto flac = Fichier("son.flac", {"sox"});
    std::vector<std::string> sox{"sox", flac.string(), (kDossier / "sox.wav").string()};
    ConversionContreReference(state, flac, TrouteFichier::rAutreFormat, sox);
}

void ReactiviteFenetrePendantMp3(benchmark::State& state) {
    const auto mp3 = Fichier("cbr.mp3", {"lame", "--quiet", "-b", "128"});
    TWaveForm fenetre;
    fenetre.show();
    std::chrono::steady_clock::duration ecartMax{};
    std::int64_t evenements = 0;
    for (auto _ : state) {
        QTimer tic;
        tic.setTimerType(Qt::PreciseTimer);
        tic.start(1);
        const TecartsEvenements ecarts;
        const auto t0 = std::chrono::steady_clock::now();
        if (!ConvertitDansLaFenetre(fenetre, mp3, TrouteFichier::rMp3))
            state.SkipWithError("conversion refusée");
        state.SetIterationTime(Secondes(std::chrono::steady_clock::now() - t0));
        ecartMax = std::max(ecartMax, ecarts.ecartMax);
        evenements += ecarts.evenements;
    }
    state.counters["ecart_max_ms"] = benchmark::Counter(1000 * Secondes(ecartMax));
    state.counters["evenements"] = benchmark::Counter(static_cast<double>(evenements) / state.iterations());
}

}  // namespace

BENCHMARK(Mp3CbrContreMpg123)->UseManualTime()->Iterations(1)->Repetitions(5)->Unit(benchmark::kMillisecond);
BENCHMARK(Mp3VbrContreMpg123)->UseManualTime()->Iterations(1)->Repetitions(5)->Unit(benchmark::kMillisecond);
BENCHMARK(FlacContreSox)->UseManualTime()->Iterations(1)->Repetitions(5)->Unit(benchmark::kMillisecond);
BENCHMARK(ReactiviteFenetrePendantMp3)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return ExecuteBancs(argc, argv);
}
