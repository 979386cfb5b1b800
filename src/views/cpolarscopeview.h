#pragma once

#include "views/polarscopefield.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QLabel;
class QPainter;
class QRadioButton;
class QTimer;
struct ShownSky;

// The "극축 맞추기" window's view: the polar scope's field (reticle with the 12 clock
// positions, the pole distances of the pole star in 2025-2040, the pole, the pole star and,
// for southern sites, sigma Octantis' trapezium neighbours) on the left, the figures and the
// "정립"/"도립" and "지금" choices on the right. It shows the shown sky's instant and site;
// with "지금" it follows the computer's clock, recomputing once a second on a timer that
// runs only while "지금" is on.
class CPolarScopeView : public QWidget {
    Q_OBJECT

public:
    // The current UT as a Julian date (injected by tests).
    using Clock = std::function<double()>;

    explicit CPolarScopeView(const ShownSky& sky, QWidget* parent = nullptr);

    void SetClock(Clock clock) { clock_ = std::move(clock); }
    void SetInverted(bool inverted);
    bool Inverted() const { return field_.inverted; }
    // Starts or stops following the clock (the "지금" check box does the same).
    void SetFollowClock(bool follow);
    bool FollowsClock() const;

    // Recomputes for the shown sky's site (and instant unless following the clock) and
    // repaints.
    void Refresh();
    // One step of the "지금" timer.
    void Tick();

    const PolarScopeField& Field() const { return field_; }
    // Where the field is drawn, and the pixel of a field offset (radians, x right, y up).
    QRect ScopeRect() const;
    QPointF ToPixel(const QRect& scope, double x, double y) const;
    // Draws the field into scope (the paint event, the benchmark).
    void RenderScope(QPainter& painter, const QRect& scope) const;
    // The figure labels, for tests.
    QString FigureText() const;

    static QColor PoleStarColor() { return QColor(255, 214, 0); }
    static QColor NeighbourColor() { return QColor(255, 120, 40); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Recompute(const Instant& instant);
    void UpdateFigures();
    static double ClockNow();

    const ShownSky& sky_;
    Clock clock_;
    PolarScopeField field_;
    bool epochsSouth_ = false;
    std::vector<EpochCircle> epochs_;
    QTimer* timer_ = nullptr;
    QWidget* panel_ = nullptr;
    QLabel* figures_ = nullptr;
    QRadioButton* upright_ = nullptr;
    QRadioButton* inverting_ = nullptr;
    QCheckBox* now_ = nullptr;
};
