// The command-line mode, for preparing a lesson in one go:
//   sampix --bits B --pas S [--quantification LOI] [--dither] --sortie OUT.wav
//          [--reconstruction RECONSTRUIT.wav] [--image VUE.png] [--spectre SPECTRE.png] IN
// writes the digitised sound (with every option off, the bytes the window's Save gives for B
// and S), its reconstruction, the pictures of the two views and of the spectrum, prints two
// lines and ends: the measured and the textbook noise ratio (then the reconstruction's), and
// the bit rate. It draws offscreen by itself and never builds the main window: it runs on
// the sound and graph code alone, under a GUI application without widgets.
#pragma once

// True when the arguments ask for this mode (an argument starting with "--", or "-h").
bool EstLigneDeCommande(int argc, char** argv);

// Runs the mode; the process's exit code: 0 when everything was written, 1 when a file
// could not be read or written, 2 for a command line that cannot be run.
int ExecuteLigneDeCommande(int argc, char** argv);
