#include "graph/CurseurTemps.h"

#include <cstdlib>

namespace {

constexpr int kLargeurEtroite = 50;
constexpr int kPriseBord = 5;

}  // namespace

TcurseurTemps ChercheCurseurTemps(int debutPB, int finPB, int X) {
    const bool dedans = debutPB < X && X < finPB;
    if (finPB - debutPB < kLargeurEtroite && dedans) return TcurseurTemps::curDeplace;
    if (std::abs(X - debutPB) < kPriseBord) return TcurseurTemps::curDebut;
    if (std::abs(X - finPB) < kPriseBord) return TcurseurTemps::curFin;
    if (dedans) return TcurseurTemps::curDeplace;
    return TcurseurTemps::curNormal;
}

std::optional<TbandeSelection> GlisseSelection(TcurseurTemps etat, const TbandeSelection& bande, int X, int L,
                                               int R) {
    TbandeSelection b = bande;
    switch (etat) {
        case TcurseurTemps::curDebut:
            if (!(L < X && X < b.finPB)) return std::nullopt;
            b.debutPB = X;
            return b;
        case TcurseurTemps::curFin:
            if (!(b.debutPB < X && X < R)) return std::nullopt;
            b.finPB = X;
            return b;
        case TcurseurTemps::curDeplace: {
            const int dx = X - b.Xdeplace;
            if (!(b.debutPB + dx > L && b.finPB + dx < R)) return std::nullopt;
            b.debutPB += dx;
            b.finPB += dx;
            b.Xdeplace = X;
            return b;
        }
        case TcurseurTemps::curNormal:
            break;
    }
    return std::nullopt;
}
