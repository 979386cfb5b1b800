#pragma once

#include "image/textbitmap.h"
#include "render/displaycolors.h"

#include <vector>

class CatalogSet;
class QFont;

// Colours of the catalog labels, drawn on black (the defaults of DisplayColors).
constexpr Colour kStarNameLabelColour = MakeColour(255, 219, 57);
constexpr Colour kMessierLabelColour = MakeColour(187, 219, 57);

// The label pictures of the loaded star names and Messier objects, one per record in catalog
// order: each star name as read, each Messier object as "M%d" of its number.
struct CatalogLabels {
    std::vector<TextBitmap> starNames;
    std::vector<TextBitmap> messier;
};

// Renders the labels of `catalogs` with the two fonts and colours. Needs no display and no
// OpenGL context; safe on a worker thread when the fonts are that thread's copies.
CatalogLabels MakeCatalogLabels(const CatalogSet& catalogs, const QFont& nameFont,
                                const QFont& messierFont,
                                Colour nameColour = kStarNameLabelColour,
                                Colour messierColour = kMessierLabelColour);
