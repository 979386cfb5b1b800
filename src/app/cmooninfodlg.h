#pragma once

#include <QDialog>
#include <QString>

#include "app/infolayout.h"
#include "astro/sky/shownsky.h"
#include "astro/time/skytime.h"

// "달 정보": the Moon at the shown instant (age, position, distance, size, parallax, phase)
// and its rising and setting at the site on the shown local day.
class CMoonInfoDlg : public QDialog {
public:
    // The texts of the value fields: the Sun's and these.
    struct Texts : BodyInfoTexts {
        QString age;
        QString parallax;
        QString phase;
    };

    // The Moon of the shown sky; its rising and setting on the shown local day at its site,
    // in its model.
    explicit CMoonInfoDlg(const ShownSky& sky, QWidget* parent = nullptr);

    const Texts& Values() const { return texts; }

    static Texts Describe(const ShownSky& sky);

    // Geocentric elongation in ecliptic longitude, Moon minus Sun, radians in [0, 2pi), of a
    // shown sky.
    static double LongitudeElongation(const ShownSky& sky);
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
