// The instruments of the interface tests: velta-sim run as its own process on a
// pseudo-terminal, or a bare pseudo-terminal whose far end the test drives byte by byte.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <sys/types.h>

#include <QString>
#include <QStringList>

// velta-sim with the given options; its line is at Chemin(). Stopped at destruction.
// Started with posix_spawn rather than QProcess, whose way of starting a process hides the
// test's later locks from ThreadSanitizer.
class TsimulateurTest {
public:
    explicit TsimulateurTest(const QStringList& options);
    ~TsimulateurTest();
    QString Chemin() const { return chemin_; }
    // What the instrument received: (line speed, command) in order, without the notes.
    std::vector<std::pair<int, std::string>> Commandes() const;
    // The notes of its log (lines that start with "# ").
    std::vector<std::string> Remarques() const;
    // Waits for the process to end by itself (a hang-up); false after the time given.
    bool AttendFin(int millisecondes);

private:
    pid_t pid_ = -1;
    QString chemin_;
    QString journal_;
};

// A pseudo-terminal in raw mode: the program opens Chemin(), the test writes and reads the
// other end.
class TligneNue {
public:
    TligneNue();
    ~TligneNue();
    QString Chemin() const { return chemin_; }
    void Ecrit(const std::vector<std::uint8_t>& octets);
    // Everything the program has sent so far.
    std::string Lit();

private:
    int maitre_ = -1;
    int esclave_ = -1;
    QString chemin_;
};

// Sets SAMPIX_PORTS for the life of the object: entry n is port n, an empty entry is absent.
class TportsTest {
public:
    explicit TportsTest(const QStringList& chemins);
    ~TportsTest();
};

// A path that names no device, for absent ports.
QString CheminAbsent();

// A WAV file of 11025 mono 16-bit samples at 11025 Hz whose values all differ, for
// velta-sim's "wav:" signal, and those samples.
std::pair<QString, std::vector<std::int16_t>> SignalConnu();
