// The play selection on the overview strip, dragged by its edges or as a whole. Columns of
// the strip; the window turns them into frames when the button is released.
#pragma once

#include <cstdint>
#include <optional>

// What a press on the strip grabbed.
enum class TcurseurTemps : std::uint8_t { curNormal, curDebut, curFin, curDeplace };

// The grab at column X of a selection from debutPB to finPB. A selection narrower than 50
// columns can only be moved, from inside: its edges would be too close to tell apart.
TcurseurTemps ChercheCurseurTemps(int debutPB, int finPB, int X);

// The band while it is dragged, and the column of the last accepted step.
struct TbandeSelection {
    int debutPB = 0;
    int finPB = 0;
    int Xdeplace = 0;

    bool operator==(const TbandeSelection&) const = default;
};

// One mouse move to column X while `etat` is dragged, between the curve limits L and R: the
// band after the step, or nothing when the step is refused (an edge on or past a limit, or
// the start reaching the end). A refused move of the whole band keeps Xdeplace, so the
// next one is measured from the last accepted column.
std::optional<TbandeSelection> GlisseSelection(TcurseurTemps etat, const TbandeSelection& bande, int X, int L,
                                               int R);
