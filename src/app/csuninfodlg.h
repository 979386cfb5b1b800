#pragma once

#include <QDialog>
#include <QString>

#include "app/infolayout.h"
#include "astro/sky/shownsky.h"

class QLabel;

// "태양 정보": where the Sun is at the shown instant and when it rises and sets at the site
// on the shown local day.
class CSunInfoDlg : public QDialog {
public:
    // The texts of the value fields.
    using Texts = BodyInfoTexts;

    // The Sun of the shown sky; its rising and setting on the shown local day at its site,
    // in its model.
    explicit CSunInfoDlg(const ShownSky& sky, QWidget* parent = nullptr);

    const Texts& Values() const { return texts; }

    // The field texts for a shown sky.
    static Texts Describe(const ShownSky& sky);

private:
    Texts texts;
};
