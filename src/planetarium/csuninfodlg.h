#pragma once

#include <QDialog>
#include <QString>

#include "astro/observer.h"
#include "astro/riseset.h"
#include "astro/skytime.h"
#include "astro/sun.h"

class QLabel;

// "태양 정보": where the Sun is at the shown instant and when it rises and sets at the site
// on the shown local day.
class CSunInfoDlg : public QDialog {
public:
    // The texts of the value fields.
    struct Texts {
        QString rightAscension;
        QString declination;
        QString distance;
        QString diameter;
        QString rising;
        QString setting;
    };

    // sun: computed for the shown UT; shownLocal: the shown local civil instant (its date is
    // the day whose rising and setting are shown); site: the observer.
    CSunInfoDlg(const Sun& sun, const SkyTime& shownLocal, const Observer& site, QWidget* parent = nullptr);

    const Texts& Values() const { return texts; }

    // The field texts for a Sun, a local day and a site.
    static Texts Describe(const Sun& sun, const SkyDate& localDate, const Observer& site);

    // Shared formats of the two information dialogs.
    // Right ascension (radians) as "19h 45m 12s", rounded to the second.
    static QString FormatRightAscension(double ra);
    // Declination (radians) as "+23° 26′ 05″", rounded to the arc second.
    static QString FormatDeclination(double dec);
    // An angle (radians) in arc minutes, "32.5′".
    static QString FormatArcMinutes(double angle);
    // A whole number with thousands separators, "147,098,074".
    static QString FormatGrouped(double value);
    // A rise (begin) or set of a local day as local "HH:MM:SS"; times that fall on the day
    // before or after are wrapped and marked, days without the event say why.
    static QString FormatEvent(const RiseSetResult& result, bool rise);

private:
    Texts texts;
};
