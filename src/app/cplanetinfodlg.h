#pragma once

#include <QDialog>
#include <QString>

#include "astro/ephemeris/body.h"
#include "astro/sky/riseset.h"
#include "astro/sky/shownsky.h"

class CatalogSet;

// "<행성> 정보": one planet of the shown sky (so it follows "정밀 계산"), or the Earth.
// Planets: place of date, altitude and azimuth, distances and light time, magnitude,
// elongation, phase, apparent size, constellation, and rise, transit and set on the shown
// local date. The Earth: distance from the Sun, orbital speed, heliocentric longitude and
// the nearest equinox or solstice.
class CPlanetInfoDlg : public QDialog {
public:
    struct Row {
        const char* caption;     // UTF-8
        const char* objectName;  // Latin-1
        QString text;
    };

    // body: Mercury .. Pluto; earth true shows the Earth instead (body is then ignored).
    CPlanetInfoDlg(const ShownSky& sky, Body body, bool earth, const CatalogSet& catalogs,
                   QWidget* parent = nullptr);

    const std::vector<Row>& Rows() const { return rows_; }
    // The text of a row by its object name ("magnitude"), empty when there is none.
    QString Value(const QString& objectName) const;

    // The rows of a planet and of the Earth, without a dialog.
    static std::vector<Row> DescribePlanet(const ShownSky& sky, Body body,
                                           const CatalogSet& catalogs);
    static std::vector<Row> DescribeEarth(const ShownSky& sky);
    // A rise (begin) or set of a local day as in the calendar: the time, or "안뜸" (below
    // all day), "안짐" (above all day), "없음" (not on this day).
    static QString EventText(const RiseSetResult& result, bool rise);
    // Korean name of a body ("수성").
    static QString BodyName(Body body);

private:
    std::vector<Row> rows_;
};
