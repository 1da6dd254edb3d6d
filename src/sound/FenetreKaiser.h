// Kaiser's window, in plain arithmetic: std::cyl_bessel_i, which it is usually written with, is
// missing from some standard libraries (the browser build's).
#pragma once

// The modified Bessel function I0, by its power series: within 1e-15 of the exact value for the
// arguments a window takes (below 50).
double BesselI0(double x);

// The window at r in -1 .. 1 (0 outside): I0(beta·sqrt(1 - r²)) / I0(beta).
double FenetreKaiser(double r, double beta);
