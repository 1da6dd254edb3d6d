#include "graph/Couleurs.h"

TCouleur couleurCourbe = 0x808080;
TCouleur couleurBis = 0x0000FF;
TCouleur couleurNiveau = 0xE0E0E0;
TCouleur couleurErreur = 0xFF0000;
