#include "Glance.h"

Glance glanceAt(int k)
{
    static const double blinkLids[4] = {0.5, 1, 1, 0.5};
    static const double upLooks[4] = {-0.5, -1, -1, -0.5};
    Glance g;
    if (k >= 8 && k <= 11)
        g.lookX = -(k - 7) / 4.0;
    else if (k >= 12 && k <= 15)
        g.lookX = -1;
    else if (k >= 16 && k <= 19)
        g.lookX = -1 + (k - 15) / 4.0;
    else if (k >= 20 && k <= 23)
        g.lid = blinkLids[k - 20];
    else if (k >= 24 && k <= 27)
        g.lookX = (k - 23) / 4.0;
    else if (k >= 28 && k <= 29)
        g.lookX = 1;
    else if (k == 30)
        g.lookX = 0.5;
    else if (k >= 32 && k <= 35)
        g.lookY = upLooks[k - 32];
    return g;
}
