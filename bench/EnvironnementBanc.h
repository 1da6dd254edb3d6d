// What every benchmark process runs in: its own HOME, Qt offscreen, and ALSA's file device as
// the sound card (what is played lands in HOME/OUT.raw), so no figure depends on a user's setup.
#pragma once

#include <filesystem>

std::filesystem::path PrepareEnvironnementBanc();
