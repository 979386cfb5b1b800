#include "views/cpolarscopeview.h"
#include "image/nightvision.h"

#include "astro/math/angles.h"
#include "astro/sky/shownsky.h"
#include "astro/time/juliandate.h"
#include "format/skytext.h"

#include <QPaintEvent>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr int kPanelWidth = 290;   // pixels
constexpr int kScopeMargin = 24;   // pixels around the reticle
constexpr int kTickIntervalMs = 1000;
constexpr double kUnixEpochJd = 2440587.5;

QString UtText(double jd)
{
    const double midnight = std::floor(jd - 0.5) + 0.5;
    const CalendarDate d = CalendarFromJulianDate(midnight + 0.25);
    return QStringLiteral("%1-%2-%3 %4")
        .arg(d.year, 4, 10, QLatin1Char('0'))
        .arg(d.month, 2, 10, QLatin1Char('0'))
        .arg(d.day, 2, 10, QLatin1Char('0'))
        .arg(QString::fromStdString(FormatHours((jd - midnight) * 24.0)));
}

// A clock reading or shown instant that is not a number reads as J2000.0.
Instant InstantOf(double jdUT)
{
    return Instant::FromUT(std::isfinite(jdUT) ? jdUT : 2451545.0);
}

}  // namespace

CPolarScopeView::CPolarScopeView(const ShownSky& sky, QWidget* parent)
    : QWidget(parent), sky_(sky), clock_(&CPolarScopeView::ClockNow)
{
    setMinimumSize(720, 460);
    timer_ = new QTimer(this);
    timer_->setInterval(kTickIntervalMs);
    connect(timer_, &QTimer::timeout, this, &CPolarScopeView::Tick);

    panel_ = new QWidget(this);
    panel_->setFixedWidth(kPanelWidth);
    figures_ = new QLabel(panel_);
    figures_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    figures_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    upright_ = new QRadioButton(QStringLiteral("정립"), panel_);
    inverting_ = new QRadioButton(QStringLiteral("도립"), panel_);
    inverting_->setChecked(true);
    auto* views = new QButtonGroup(this);
    views->addButton(upright_);
    views->addButton(inverting_);
    now_ = new QCheckBox(QStringLiteral("지금"), panel_);
    auto* choices = new QHBoxLayout;
    choices->addWidget(upright_);
    choices->addWidget(inverting_);
    choices->addStretch(1);
    auto* column = new QVBoxLayout(panel_);
    column->addWidget(figures_);
    column->addLayout(choices);
    column->addWidget(now_);
    column->addStretch(1);
    auto* row = new QHBoxLayout(this);
    row->addStretch(1);
    row->addWidget(panel_);

    connect(inverting_, &QRadioButton::toggled, this, [this](bool on) { SetInverted(on); });
    connect(now_, &QCheckBox::toggled, this, [this](bool on) { SetFollowClock(on); });
    Refresh();
}

double CPolarScopeView::ClockNow()
{
    return kUnixEpochJd + static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 86400000.0;
}

void CPolarScopeView::SetInverted(bool inverted)
{
    if (inverting_->isChecked() != inverted)
        (inverted ? inverting_ : upright_)->setChecked(true);  // comes back here once
    if (field_.inverted == inverted)
        return;
    field_.inverted = inverted;
    Recompute(InstantOf(field_.jdUT));
}

void CPolarScopeView::SetFollowClock(bool follow)
{
    if (now_->isChecked() != follow)
        now_->setChecked(follow);
    if (follow == timer_->isActive())
        return;
    if (follow)
        timer_->start();
    else
        timer_->stop();
    Refresh();
}

bool CPolarScopeView::FollowsClock() const
{
    return timer_->isActive();
}

void CPolarScopeView::Refresh()
{
    Recompute(InstantOf(FollowsClock() ? clock_() : sky_.instant.jdUT));
}

void CPolarScopeView::Tick()
{
    Recompute(InstantOf(clock_()));
}

void CPolarScopeView::Recompute(const Instant& instant)
{
    const double latitude = sky_.site.latitude;
    const bool south = PoleStarOfLatitude(latitude) != PoleStarId::Polaris;
    if (epochs_.empty() || south != epochsSouth_) {
        epochs_ = ComputeEpochCircles(PoleStarOfLatitude(latitude));
        epochsSouth_ = south;
    }
    field_ = ComputePolarScopeField(instant, sky_.site.longitude, latitude, field_.inverted,
                                    epochs_);
    UpdateFigures();
    update();
}

QString CPolarScopeView::FigureText() const
{
    return figures_->text();
}

void CPolarScopeView::UpdateFigures()
{
    const PoleStarPlace& p = field_.pole;
    const CatalogueStar& star = PoleStarCatalogue(p.star);
    const double untilTransitHours = (p.nextUpperTransitJdUT - field_.jdUT) * 24.0;
    QStringList lines;
    lines << QStringLiteral("별: %1 (HIP %2)").arg(QString::fromUtf8(star.name)).arg(star.hip)
          << QStringLiteral("세계시: %1").arg(UtText(field_.jdUT))
          << QStringLiteral("시간각: %1").arg(QString::fromStdString(
                 FormatHoursMinutes(p.hourAngle * kRadToHours)))
          << QStringLiteral("시계 위치: %1").arg(QString::fromStdString(
                 FormatClockPosition(field_.stars.front().clock)))
          << QStringLiteral("겉보기 적경: %1").arg(QString::fromStdString(
                 FormatRightAscension(p.apparent.ra)))
          << QStringLiteral("겉보기 적위: %1").arg(QString::fromStdString(
                 FormatDeclination(p.apparent.dec)))
          << QStringLiteral("극까지 거리: %1").arg(QString::fromStdString(
                 FormatArcMinutes(p.poleDistance)))
          << QStringLiteral("극 고도의 대기차: %1").arg(QString::fromStdString(
                 FormatArcMinutes(field_.refraction)))
          << QStringLiteral("극 위 자오선 통과까지: %1").arg(QString::fromStdString(
                 FormatHoursMinutes(untilTransitHours)));
    figures_->setText(lines.join(QLatin1Char('\n')));
}

QRect CPolarScopeView::ScopeRect() const
{
    const int w = width() - kPanelWidth;
    const int side = std::max(10, std::min(w, height()) - 2 * kScopeMargin);
    return QRect((w - side) / 2, (height() - side) / 2, side, side);
}

QPointF CPolarScopeView::ToPixel(const QRect& scope, double x, double y) const
{
    const double scale = scope.width() / 2.0 / field_.fieldRadius;  // pixels per radian
    const QPointF c = QRectF(scope).center();
    return {c.x() + x * scale, c.y() - y * scale};
}

void CPolarScopeView::RenderScope(QPainter& painter, const QRect& scope) const
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QPointF c = QRectF(scope).center();
    const double rim = scope.width() / 2.0;
    const double scale = rim / field_.fieldRadius;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(8, 10, 24));
    painter.drawEllipse(c, rim, rim);

    // Reticle: rim, cross hair and the 12 clock positions.
    const QColor reticle(200, 40, 40);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(reticle, 1.5));
    painter.drawEllipse(c, rim, rim);
    painter.setPen(QPen(reticle, 1.0));
    painter.drawLine(QPointF(c.x() - rim, c.y()), QPointF(c.x() + rim, c.y()));
    painter.drawLine(QPointF(c.x(), c.y() - rim), QPointF(c.x(), c.y() + rim));
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    for (int hour = 0; hour < 12; ++hour) {
        const double a = hour * kTwoPi / 12.0;
        const QPointF dir(std::sin(a), -std::cos(a));
        painter.drawLine(c + dir * (rim * 0.9), c + dir * rim);
        const QPointF at = c + dir * (rim * 0.82);
        painter.drawText(QRectF(at.x() - 12, at.y() - 9, 24, 18), Qt::AlignCenter,
                         QString::number(hour == 0 ? 12 : hour));
    }

    // Epoch circles: the pole star's pole distance in 2025-2040.
    QPen dashed(QColor(70, 150, 220), 1.0, Qt::DashLine);
    painter.setPen(dashed);
    for (const EpochCircle& e : field_.epochs) {
        const double r = e.radius * scale;
        painter.drawEllipse(c, r, r);
    }
    if (!field_.epochs.empty()) {
        font.setPixelSize(11);
        painter.setFont(font);
        // The first and last years: the outer one above its circle, the inner one below.
        const EpochCircle& first = field_.epochs.front();
        const EpochCircle& last = field_.epochs.back();
        const bool firstOuter = first.radius > last.radius;
        const EpochCircle& outer = firstOuter ? first : last;
        const EpochCircle& inner = firstOuter ? last : first;
        painter.drawText(QPointF(c.x() + 4, c.y() - outer.radius * scale - 3),
                         QString::number(outer.year));
        painter.drawText(QPointF(c.x() + 4, c.y() - inner.radius * scale + 12),
                         QString::number(inner.year));
    }

    // The pole.
    painter.setPen(QPen(Qt::white, 1.5));
    painter.drawLine(c + QPointF(-6, 0), c + QPointF(6, 0));
    painter.drawLine(c + QPointF(0, -6), c + QPointF(0, 6));

    // The stars, the pole star last so that it stays on top.
    font.setPixelSize(12);
    painter.setFont(font);
    for (auto it = field_.stars.rbegin(); it != field_.stars.rend(); ++it) {
        const bool main = it == std::prev(field_.stars.rend());
        const QPointF at = ToPixel(scope, it->x, it->y);
        const QColor colour = main ? PoleStarColor() : NeighbourColor();
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        const double radius = main ? 6.0 : 4.0;
        painter.drawEllipse(at, radius, radius);
        painter.setPen(QColor(220, 220, 220));
        painter.drawText(at + QPointF(radius + 3, -radius - 2),
                         QString::fromUtf8(PoleStarCatalogue(it->id).name));
    }
    painter.setBrush(Qt::NoBrush);
}

void CPolarScopeView::paintEvent(QPaintEvent* event)
{
    NightVision::Paint(*this, event->rect(), palette().color(QPalette::Window), [this](QPainter& painter) {
        painter.fillRect(QRect(0, 0, width() - kPanelWidth, height()), Qt::black);
        RenderScope(painter, ScopeRect());
    });
}
