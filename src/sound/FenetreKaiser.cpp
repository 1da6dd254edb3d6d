#include "sound/FenetreKaiser.h"

#include <cmath>

double BesselI0(double x) {
    // Sum of ((x/2)^k / k!)², each term from the one before.
    const double quart = x * x / 4;
    double terme = 1, somme = 1;
    for (int k = 1; terme > 1e-17 * somme; ++k) {
        terme *= quart / (static_cast<double>(k) * k);
        somme += terme;
    }
    return somme;
}

double FenetreKaiser(double r, double beta) {
    if (r < -1 || r > 1) return 0;
    return BesselI0(beta * std::sqrt(1 - r * r)) / BesselI0(beta);
}
