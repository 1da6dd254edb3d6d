// What the detail graph shows about its cursors, outside its canvas: the level under the
// main cursor and the floating duration label. The graph has no widgets; the window copies
// these fields into EditDecimal, EditBinaire (text and hint) and the label Temps.
#pragma once

#include <string>

struct TlecturesRepere {
    std::string decimal;  // level number in decimal; empty when no level can be shown
    std::string binaire;  // the same as binary digits
    std::string hexa;     // the same in hexadecimal, shown as EditBinaire's hint

    bool tempsVisible = false;
    // Position of the label in the coordinates of the paint box's parent, and its text;
    // they keep their last values while the label is hidden.
    int tempsLeft = 0;
    int tempsTop = 0;
    std::string tempsTexte;

    bool operator==(const TlecturesRepere&) const = default;
};
