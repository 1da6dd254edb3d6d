// Sounds as teachers find them. Opening a 3-minute 24-bit 48 kHz stereo WAV file, from the
// choice of the file to both views drawn (the decoding into a 16-bit file included), timed
// against `sox in.wav -b 16 out.wav` on the same file in the same repetition; the figure asked
// is the median of "rapport". And the envelope of a 60-minute sound, from the file to the
// excerpt dialog shown with it.
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <QApplication>

#include "EnvironnementBanc.h"
#include "app/DialogueExtrait.h"
#include "app/PaintBox.h"
#include "app/WaveForm.h"
#include "sound/EnveloppeWav.h"
#include "sound/LecteurWav.h"

namespace {

const std::filesystem::path kDossier = std::filesystem::temp_directory_path() / "sampix-bench-sons";

// A sweep on the left, pink noise on the right, made once by sox.
std::filesystem::path Fabrique(const char* nom, const std::vector<std::string>& format, const char* duree) {
    const auto fichier = kDossier / nom;
    if (std::filesystem::exists(fichier)) return fichier;
    std::filesystem::create_directories(kDossier);
    std::vector<std::string> commande{"sox", "-n"};
    commande.insert(commande.end(), format.begin(), format.end());
    commande.push_back(fichier.string());
    for (const char* a : {"synth", duree, "sine", "100-4000", "pinknoise", "gain", "-6"})
        commande.push_back(a);
    if (LanceProgramme(commande) != 0)
        throw std::runtime_error("sox n'a pas pu fabriquer " + fichier.string());
    return fichier;
}

double Secondes(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

void Wav24BitsContreSox(benchmark::State& state) {
    const auto source = Fabrique("trois-minutes-24bits.wav", {"-r", "48000", "-c", "2", "-b", "24"}, "180");
    const std::vector<std::string> sox{"sox", source.string(), "-b", "16", (kDossier / "sox.wav").string()};
    // The first part, as Enter on the excerpt dialog gives.
    const TchoixExtrait ancien =
        RemplaceChoixExtrait([](const TdemandeExtrait&) { return std::optional<std::int64_t>(0); });
    TWaveForm fenetre;
    fenetre.resize(1073, 350);
    double autre = 0;
    double nous = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        fenetre.OuvreFichier(QString::fromStdString(source.string()));
        Controle<TPaintBox>(fenetre, "PaintBox")->grab();
        Controle<TPaintBox>(fenetre, "PaintBoxAll")->grab();
        const auto t1 = std::chrono::steady_clock::now();
        if (fenetre.Seance().son.NbrePoints == 0) state.SkipWithError("son refusé");
        if (LanceProgramme(sox) != 0) state.SkipWithError("sox a échoué");
        const auto t2 = std::chrono::steady_clock::now();
        nous += Secondes(t1 - t0);
        autre += Secondes(t2 - t1);
        state.SetIterationTime(Secondes(t1 - t0));
    }
    RemplaceChoixExtrait(ancien);
    state.counters["ref_ms"] = benchmark::Counter(1000 * autre / state.iterations());
    state.counters["rapport"] = benchmark::Counter(nous / autre);
}

// 60 minutes of 16-bit stereo at 44100 Hz (635 MB), its envelope read from the file and the
// dialog painted with it.
void EnveloppeSoixanteMinutes(benchmark::State& state) {
    const auto source = Fabrique("soixante-minutes.wav", {"-r", "44100", "-c", "2", "-b", "16"}, "3600");
    const std::string nom = source.string();
    for (auto _ : state) {
        const TdescriptionWav d = DecritFichierWav(nom).Valeur();
        const TdemandeExtrait demande{
            nullptr,           QString::fromStdString(nom), EnveloppeWav(nom, d, 2048).Valeur(),
            d.tramesPresentes, TramesMax(d.format),         d.FreqEch};
        TDialogueExtrait dialogue(demande);
        dialogue.show();
        dialogue.grab();
    }
}

}  // namespace

BENCHMARK(Wav24BitsContreSox)->UseManualTime()->Iterations(1)->Repetitions(5)->Unit(benchmark::kMillisecond);
BENCHMARK(EnveloppeSoixanteMinutes)->Iterations(1)->Repetitions(5)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return ExecuteBancs(argc, argv);
}
