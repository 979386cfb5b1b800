#include "astro/ephemeris/body.h"

const char* BodyKey(Body b)
{
    static const char* const keys[kBodyCount] = {"sun",     "moon",   "mercury", "venus",
                                                 "mars",    "jupiter", "saturn", "uranus",
                                                 "neptune", "pluto"};
    const int i = BodyIndex(b);
    return i >= 0 && i < kBodyCount ? keys[i] : "";
}
