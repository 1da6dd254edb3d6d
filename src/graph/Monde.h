// One axis of a graph: its range and the linear world-to-pixel mapping a*w + b.
#pragma once

class Tmonde {
public:
    double mini = 0.0;  // the range only sets the scale of the detail graph's value axis
    double maxi = 1.0;
    double a = 1.0;  // pixels per world unit
    double b = 0.0;  // pixel of world value 0

    void SetMinMax(double min, double max);
};
