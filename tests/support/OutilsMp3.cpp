#include "support/OutilsMp3.h"

#include <random>
#include <stdexcept>

#include <sndfile.h>
#include <QProcess>
#include <QStringList>

#include "support/FichiersTest.h"

namespace {

QString Chemin(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

// The tools come with `./test` (scripts/installe-paquets test).
void Lance(const QString& programme, const QStringList& arguments) {
    QProcess processus;
    processus.start(programme, arguments);
    if (!processus.waitForFinished(120000) || processus.exitStatus() != QProcess::NormalExit ||
        processus.exitCode() != 0)
        throw std::runtime_error((programme + " " + arguments.join(' ') + " : " +
                                  QString::fromLocal8Bit(processus.readAllStandardError()))
                                     .toStdString());
}

QStringList Ton(int canaux, double secondes) {
    QStringList synth{"synth", QString::number(secondes), "square", "440"};
    if (canaux == 2) synth.append({"sine", "660"});
    synth.append({"gain", "-n"});
    return synth;
}

}  // namespace

void FabriqueMp3Sox(const std::filesystem::path& mp3, int frequence, int canaux, double secondes) {
    Lance("sox",
          QStringList{"-n", "-r", QString::number(frequence), "-c", QString::number(canaux), Chemin(mp3)} +
              Ton(canaux, secondes));
}

void FabriqueMp3Lame(const std::filesystem::path& mp3, int frequence, int canaux, double secondes) {
    auto wav = mp3;
    wav.replace_extension(".source.wav");
    Lance("sox", QStringList{"-n", "-r", QString::number(frequence), "-c", QString::number(canaux), "-b",
                             "16", Chemin(wav)} +
                     Ton(canaux, secondes));
    Lance("lame", {"--quiet", "-m", canaux == 1 ? "m" : "j", Chemin(wav), Chemin(mp3)});
    std::filesystem::remove(wav);
}

void FabriqueMp3SansSon(const std::filesystem::path& mp3) {
    auto wav = mp3;
    wav.replace_extension(".source.wav");
    Lance("sox", {"-n", "-r", "44100", "-c", "2", "-b", "16", Chemin(wav), "trim", "0", "0"});
    Lance("lame", {"--quiet", Chemin(wav), Chemin(mp3)});
    std::filesystem::remove(wav);
}

std::vector<std::uint8_t> BinaireCoucheI() {
    std::vector<std::uint8_t> v;
    for (int i = 0; i < 5000; ++i) v.insert(v.end(), {0xFF, 0xFE, 0x90, 0x00});
    return v;
}

void EndommageMilieu(const std::filesystem::path& mp3, std::size_t taille) {
    auto octets = LitOctets(mp3);
    std::mt19937 alea(2);
    const std::size_t milieu = octets.size() / 2;
    for (std::size_t i = milieu; i < milieu + taille && i < octets.size(); ++i)
        octets[i] = static_cast<std::uint8_t>(alea());
    EcritOctets(mp3, octets);
}

std::vector<std::int16_t> EchantillonsMpg123(const std::filesystem::path& mp3) {
    auto wav = mp3;
    wav.replace_extension(".mpg123.wav");
    Lance("mpg123", {"-q", "-w", Chemin(wav), Chemin(mp3)});
    auto echantillons = EchantillonsWav(wav);
    std::filesystem::remove(wav);
    return echantillons;
}

std::vector<std::int16_t> EchantillonsWav(const std::filesystem::path& wav) {
    SF_INFO info{};
    SNDFILE* sf = sf_open(wav.c_str(), SFM_READ, &info);
    if (!sf) throw std::runtime_error("libsndfile refuse " + wav.string() + " : " + sf_strerror(nullptr));
    std::vector<std::int16_t> v(static_cast<std::size_t>(info.frames * info.channels));
    const sf_count_t lus = sf_read_short(sf, v.data(), static_cast<sf_count_t>(v.size()));
    sf_close(sf);
    v.resize(static_cast<std::size_t>(lus));
    return v;
}

std::uint32_t Lit32(const std::vector<std::uint8_t>& v, std::size_t position) {
    return v.at(position) | v.at(position + 1) << 8 | v.at(position + 2) << 16 |
           static_cast<std::uint32_t>(v.at(position + 3)) << 24;
}

std::uint16_t Lit16(const std::vector<std::uint8_t>& v, std::size_t position) {
    return static_cast<std::uint16_t>(v.at(position) | v.at(position + 1) << 8);
}
