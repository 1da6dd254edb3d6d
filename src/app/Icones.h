// The icons the standard set lacks, drawn at every size a screen may ask for, so that they stay
// sharp at any scale: recording, its Stop, and the digitised sound's play.
#pragma once

#include <QIcon>

// A red disc, as on every recorder.
QIcon IconeEnregistrement();
// A square inside a red ring: the end of a recording, not of a play.
QIcon IconeArretEnregistrement();
// The play triangle drawn as a staircase: the sampled and held sound.
QIcon IconeEcouteNumerisee();
