#pragma once

#include "astro/math/sphericalcoord.h"
#include "planetarium/skyscene.h"

#include <QString>
#include <QWidget>

class QLabel;

// The pointer palette of a planetarium window: the sky point under the mouse in horizontal,
// equatorial, ecliptic and galactic coordinates and the constellation that contains it.
// Longitudes (the azimuth included) are shown in hours, latitudes in degrees.
class CPointerBar : public QWidget {
    Q_OBJECT
public:
    explicit CPointerBar(const SkyScene& scene, QWidget* parent = nullptr);

    // Shows the horizontal direction (azimuth, altitude) for the shown instant and site.
    void Update(const SphericalCoord& horizontal);

    const QString& HorizontalText() const { return horizontalText_; }
    const QString& EquatorialText() const { return equatorialText_; }
    const QString& EclipticText() const { return eclipticText_; }
    const QString& GalacticText() const { return galacticText_; }
    const QString& ConstellationText() const { return constellationText_; }

    // "<caption1>: %6.3f\n<caption2>: %6.3f" with the longitude in hours and the latitude in
    // degrees.
    static QString FormatPair(const char* lonCaption, const char* latCaption,
                              const SphericalCoord& p);

private:
    void ShowTexts();

    const SkyScene scene_;  // a copy of the references
    QString constellationText_;
    QString eclipticText_;
    QString equatorialText_;
    QString galacticText_;
    QString horizontalText_;
    QLabel* constellationLabel_ = nullptr;
    QLabel* eclipticLabel_ = nullptr;
    QLabel* equatorialLabel_ = nullptr;
    QLabel* galacticLabel_ = nullptr;
    QLabel* horizontalLabel_ = nullptr;
};
