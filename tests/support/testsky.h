#pragma once

#include "astro/sky/shownsky.h"
#include "catalog/catalogset.h"
#include "planetarium/cplanetariumview.h"
#include "render/cataloglabels.h"
#include "render/displaycolors.h"
#include "planetarium/skyscene.h"
#include "immediatesky.h"

#include <QFont>
#include <QPointF>
#include <gtest/gtest.h>

class QWidget;

#include <array>
#include <memory>

// A fixed shown state for the sky views: Seoul, 2024-01-15 21:00 local time (12:00 UT),
// bodies computed for it, empty catalogs unless a test fills them.
struct TestSky {
    TestSky();
    // Recomputes the whole shown sky (classic model) for a local time at the site.
    void SetLocalTime(double localJulianDate);

    ShownSky shown;
    // Parts of the shown sky by name; tests may change them before a paint.
    Observer& observer = shown.site;
    SkyTime& localTime = shown.local;
    SkyTime& ut = shown.ut;
    SkyTime& lst = shown.lst;
    CatalogSet catalogs;
    // Labels of the catalogs' names; empty unless LoadShippedCatalogs or a test fills them
    // (the renderer makes its own while these do not match the catalogs).
    CatalogLabels labels;
    DisplayColors colours;
    QFont labelFont;
    QFont messierFont;
    SkyScene scene;
};

// A 400 x 300 sky view over the fixed test sky, shown and exposed before each test; it can
// draw with the immediate-mode oracle (SetImmediateMode).
class ShownSkyView : public testing::Test {
protected:
    void SetUp() override;

    TestSky sky;
    std::unique_ptr<OracleSkyView> view;
};

// Fills the sky's catalogs from the shipped data/ and their labels with its fonts.
bool LoadShippedCatalogs(TestSky& sky);

// Directory of the sources (data/ and images/ live there).
const char* SourceDir();

// A pointer move without buttons at a logical position of the widget, delivered at once
// (QTest may merge moves to a position it believes the pointer is already at).
void SendMouseMove(QWidget* widget, const QPointF& position);
