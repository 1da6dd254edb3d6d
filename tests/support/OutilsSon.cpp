#include "support/OutilsSon.h"

#include <stdexcept>

#include <sndfile.h>
#include <QProcess>

void Lance(const QString& programme, const QStringList& arguments) {
    QProcess p;
    p.start(programme, arguments);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw std::runtime_error(
            (programme + " " + arguments.join(' ') + " : " + p.readAllStandardError()).toStdString());
}

QString Chemin(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

TsonLu LitSon(const std::filesystem::path& fichier) {
    SF_INFO info{};
    SNDFILE* sf = sf_open(fichier.c_str(), SFM_READ, &info);
    if (!sf) throw std::runtime_error("libsndfile refuse " + fichier.string());
    TsonLu son{info.channels, info.samplerate, {}};
    son.echantillons.resize(static_cast<std::size_t>(info.frames * info.channels));
    son.echantillons.resize(static_cast<std::size_t>(
        sf_read_short(sf, son.echantillons.data(), static_cast<sf_count_t>(son.echantillons.size()))));
    sf_close(sf);
    return son;
}

TsonLu DecodeParMpg123(const std::filesystem::path& mp3) {
    const auto wav = std::filesystem::path(mp3).replace_extension(".mpg123.wav");
    Lance("mpg123", {"-q", "-w", Chemin(wav), Chemin(mp3)});
    return LitSon(wav);
}

std::string PremiereDifference(const std::vector<std::int16_t>& obtenus,
                               const std::vector<std::int16_t>& attendus, int canaux) {
    const std::size_t n = std::min(obtenus.size(), attendus.size());
    for (std::size_t i = 0; i < n; ++i)
        if (obtenus[i] != attendus[i])
            return "échantillon " + std::to_string(i) + " (trame " + std::to_string(i / canaux) + ", voie " +
                   std::to_string(i % canaux) + ") : " + std::to_string(obtenus[i]) + " au lieu de " +
                   std::to_string(attendus[i]);
    if (obtenus.size() != attendus.size())
        return std::to_string(obtenus.size()) + " échantillons au lieu de " + std::to_string(attendus.size());
    return {};
}
