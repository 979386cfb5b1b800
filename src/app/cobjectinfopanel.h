#pragma once

#include <QWidget>

class QFormLayout;
class QLabel;
class SkyIndex;
struct SkyScene;

// The click panel of a planetarium window: names, kind, magnitude, RA/Dec J2000 and of date,
// azimuth and altitude, constellation, and rise, transit and set on the shown date of the
// object chosen in its sky view (search/skypick.h computes them; this only shows the rows).
class CObjectInfoPanel : public QWidget {
    Q_OBJECT
public:
    explicit CObjectInfoPanel(const SkyScene& scene, QWidget* parent = nullptr);

    // Shows an object of the scene's index; -1 empties the panel.
    void ShowObject(int object);
    int Object() const { return object_; }
    // The value shown beside a caption ("이름", "종류" ...), empty when there is none.
    QString Value(const QString& caption) const;

private:
    const SkyScene& scene_;
    QFormLayout* form_ = nullptr;
    int object_ = -1;
};
