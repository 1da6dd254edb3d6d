#include "graph/Monde.h"

void Tmonde::SetMinMax(double min, double max) {
    mini = min;
    maxi = max;
}
