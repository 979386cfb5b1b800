#pragma once

#include "astro/math/sphericalcoord.h"
#include "planetarium/skyscene.h"

#include <QDialog>

class CPlanetariumView;
class QComboBox;
class QPushButton;

// "별자리 찾기" (find constellation): an editable, unsorted drop-down of the constellation
// names in catalog order. OK looks the typed text up (exact match, letter case ignored) and
// accepts only a constellation whose label point is at or above the horizon of the shown
// instant and site, remembering that point's horizontal position; otherwise it says why
// and stays open. Cancel changes nothing.
class CFindConstellationDlg : public QDialog {
    Q_OBJECT
public:
    explicit CFindConstellationDlg(const SkyScene& scene, QWidget* parent = nullptr);
    ~CFindConstellationDlg() override;

    // The find-constellation command of a sky view: runs the dialog modally over the view
    // and, when it closes with OK, turns the view's centre onto the constellation found.
    // True when the view was turned.
    static bool FindInView(CPlanetariumView& view);

    // Azimuth and altitude (radians) of the constellation last accepted; (0, 0) before.
    const SphericalCoord& FoundPosition() const { return found_; }

    QComboBox* NameBox() const { return nameBox_; }
    QPushButton* OkButton() const { return okButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }

    // "그런 별자리는 없습니다." (there is no such constellation), UTF-8.
    static const char* const kNoSuchConstellationMessage;

private:
    void OnOk();

    const SkyScene scene_;  // a copy of the references
    SphericalCoord found_;
    QComboBox* nameBox_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};
