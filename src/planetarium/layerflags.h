#pragma once

// The fourteen layer toggles of a planetarium window, held by its display palette and read
// by the sky view on every paint. Nonzero means the layer is drawn.
struct LayerFlags {
    int eclipticGrid = 0;
    int equatorialGrid = 0;
    int horizontalGrid = 0;
    int messier = 1;
    int solarSystem = 1;
    int stars = 1;
    int starNames = 1;
    int boundaries = 1;
    int figures = 1;
    int constellationNames = 1;
    int galacticGrid = 0;
    int milkyWay = 1;
    int ngc = 0;
    int faintStars = 1;  // the deep list's stars when the field is narrow (with stars)
};
