#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QRect>
#include <QString>

#include <functional>

class QPaintDevice;
class QPainter;

// Night vision: everything on screen in red on black, so that the observer's eyes stay dark
// adapted. A view-time setting of the running program: views and dialogs map their colours
// while they paint on screen; images made for printing or saving never pass through it.
namespace NightVision {

bool On();
void SetOn(bool on);

// A colour as red of the same perceived brightness (Rec. 601 weights), scaled down by
// kDimming so the brightest white becomes a dim red: green and blue are always 0.
constexpr int kMaxRed = 200;
// White paper (the calendar's page, the ecliptic chart) is dimmer still: a page-sized patch of
// light would undo the dark adaptation the rest of the screen keeps.
constexpr int kPaperRed = 80;
QRgb Map(QRgb rgb);
QColor Map(const QColor& colour);
// Every pixel of an image in place (the image is converted to RGB32 or ARGB32 first).
void Map(QImage& image, int maxRed = kMaxRed);
// A copy of an image mapped, the original left as it is.
QImage Mapped(const QImage& image);
// A toolbar or window icon mapped for the night toolbar: an icon drawn dark on a light bar
// (black letters, a dark glyph: its opaque pixels average below half brightness) has its
// brightness turned over first, so that it reads as a bright red glyph on the dark bar
// instead of vanishing into it; any other icon maps as Mapped does.
QImage MappedIcon(const QImage& icon);
// An icon for the night: every size it has (else fallbackSize), normal and disabled, each
// pixmap through MappedIcon.
QIcon NightIcon(const QIcon& day, const QSize& fallbackSize);

// The palette and style sheet of widgets, menus and dialogs at night.
QPalette Palette();
QString StyleSheet();

// Paints `paint` onto a paint device (a widget) for the exposed rectangle: straight onto it by
// day, and through an off-screen image mapped to night colours at night. background fills the
// image first (the widget's window colour).
void Paint(QPaintDevice& device, const QRect& exposed, const QColor& background,
           const std::function<void(QPainter&)>& paint, int maxRed = kMaxRed);

}  // namespace NightVision
