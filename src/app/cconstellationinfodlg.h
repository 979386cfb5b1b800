#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class CPlanetariumView;
struct SkyScene;

// "별자리 정보": one constellation of the shipped tables, chosen from a list (opened on the
// one at the centre of a planetarium view): Latin name, abbreviation, area from the
// identification zones, its named stars by magnitude, its Messier and NGC objects, when its
// label point transits on the shown night and how high, and the month in which it transits
// at 21:00 local time.
class CConstellationInfoDlg : public QDialog {
public:
    struct Texts {
        QString latin;
        QString abbreviation;
        QString area;
        QString stars;
        QString messier;
        QString ngc;
        QString transit;
        QString month;
    };

    // index: position in the scene's constellation names (out of range: the first).
    CConstellationInfoDlg(const SkyScene& scene, int index, QWidget* parent = nullptr);

    // The values of constellation `index` of the scene's shipped tables, for its shown sky.
    static Texts Describe(const SkyScene& scene, int index);
    // The constellation at the centre of the view (its index in the names, -1 when none).
    static int IndexAtCentre(const CPlanetariumView& view);
    // The command of a planetarium view: the dialog for its centre, modal over it.
    static void ShowForView(CPlanetariumView& view);

    int Current() const;
    const Texts& Values() const { return texts_; }

private:
    void Show(int index);

    const SkyScene& scene_;
    QComboBox* names_ = nullptr;
    QLabel* labels_[8] = {};
    Texts texts_;
};
