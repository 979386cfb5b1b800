#pragma once

#include <QDialog>
#include <QString>

#include "astro/moon.h"
#include "astro/observer.h"
#include "astro/skytime.h"

// "달 정보": the Moon at the shown instant (age, position, distance, size, parallax, phase)
// and its rising and setting at the site on the shown local day.
class CMoonInfoDlg : public QDialog {
public:
    struct Texts {
        QString age;
        QString rightAscension;
        QString declination;
        QString distance;
        QString diameter;
        QString parallax;
        QString phase;
        QString rising;
        QString setting;
    };

    // moon: computed for the shown UT; shownLocal: the shown local civil instant (its date is
    // the day whose rising and setting are shown); site: the observer.
    CMoonInfoDlg(const Moon& moon, const SkyTime& shownLocal, const Observer& site, QWidget* parent = nullptr);

    const Texts& Values() const { return texts; }

    static Texts Describe(const Moon& moon, const SkyDate& localDate, const Observer& site);

    // Geocentric elongation in ecliptic longitude, Moon minus Sun, radians in [0, 2pi), for a
    // UT instant, from the Moon and Sun models of the program.
    static double LongitudeElongation(const SkyTime& ut);
    // Days since the last new moon (elongation 0) before the UT instant, found by stepping
    // back along the same models at the mean synodic rate until the elongation vanishes.
    static double AgeDays(const SkyTime& ut);
    // Korean name of the phase for an elongation (radians): 삭, 초승달, 상현달, 상현망간의 달,
    // 보름달, 하현망간의 달, 하현달, 그믐달. Each principal phase covers 12 degrees either side.
    static QString PhaseName(double elongation);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Texts texts;
    double illuminated = 0.0;   // fraction 0..1
    double elongation = 0.0;    // radians, [0, 2pi)
};
