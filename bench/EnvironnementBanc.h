// What every benchmark process runs in: its own HOME, Qt offscreen, and ALSA's file device as
// the sound card (what is played lands in HOME/OUT.raw), so no figure depends on a user's setup.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <QString>
#include <QWidget>

// Sets up the environment above; returns the benchmark's HOME.
std::filesystem::path PrepareEnvironnementBanc();
std::filesystem::path DossierBanc();

// A 16-bit mono WAV file in the benchmark's HOME.
QString FichierWavBanc(const char* nom, const std::vector<std::int16_t>& echantillons,
                       std::uint32_t frequence);

// Runs a program, waits for it, and adds the processor time it used (user and system) to
// `processeur`; its exit code, or -1 when it could not run or was killed.
int LanceProgramme(const std::vector<std::string>& arguments, double* processeur = nullptr);

// A control or timer of the main window, found by its object name, which is its field name.
template <class T>
T* Controle(const QWidget& fenetre, const char* nom) {
    return fenetre.findChild<T*>(QLatin1StringView(nom));
}

// Processor time this process has used, in seconds.
double TempsProcesseur();

// Prepares the environment, starts the application with messages muted, runs the benchmarks.
int ExecuteBancs(int argc, char** argv);
