// Where the main window opens: a size that uses the screen it opens on, or the place and size
// it had when it was last closed, as long as that is still on a screen.
#pragma once

#include <optional>

#include <QList>
#include <QRect>
#include <QSize>

// The share of the screen's free area the window takes at its first start, each way.
inline constexpr double kPartEcran = 0.88;

// The first placement on a screen whose free area is `disponible`: kPartEcran of it each way,
// or `souhaitee` (what the controls ask for) when that is larger, never larger than the
// area, centred in it.
QRect PlacementInitial(const QRect& disponible, QSize souhaitee);

// The window as it was saved, where it was, when it still overlaps one of the screens' free
// areas, its size brought within that screen's; saved off every screen, its size centred on
// `principal` (brought within it); with nothing saved, the first placement on `principal`.
QRect PlacementFenetre(const std::optional<QRect>& sauvee, const QList<QRect>& ecrans, const QRect& principal,
                       QSize souhaitee);
