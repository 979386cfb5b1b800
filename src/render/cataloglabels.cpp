#include "render/cataloglabels.h"

#include "catalog/catalogset.h"

CatalogLabels MakeCatalogLabels(const CatalogSet& catalogs, const QFont& nameFont,
                                const QFont& messierFont, Colour nameColour,
                                Colour messierColour)
{
    CatalogLabels labels;
    labels.starNames.reserve(catalogs.starNames.size());
    for (const auto& name : catalogs.starNames)
        labels.starNames.emplace_back(name.name, nameFont, nameColour, 0);
    labels.messier.reserve(catalogs.messier.size());
    for (const auto& object : catalogs.messier)
        labels.messier.emplace_back(MessierObject::LabelText(object.number), messierFont,
                                    messierColour, 0);
    return labels;
}
