#pragma once

#include <QDialog>
#include <QString>

#include "astro/sky/riseset.h"
#include "astro/sky/shownsky.h"

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

    // The Sun of the shown sky; its rising and setting on the shown local day at its site,
    // in its model.
    explicit CSunInfoDlg(const ShownSky& sky, QWidget* parent = nullptr);

    const Texts& Values() const { return texts; }

    // The field texts for a shown sky.
    static Texts Describe(const ShownSky& sky);

    // A rise (begin) or set of a local day as local "HH:MM:SS"; times that fall on the day
    // before or after are wrapped and marked, days without the event say why.
    static QString FormatEvent(const RiseSetResult& result, bool rise);

private:
    Texts texts;
};
