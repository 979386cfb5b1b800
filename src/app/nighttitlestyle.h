#pragma once

// The application's style with night vision reaching the title bars of the child windows:
// the widget style draws those with colours of its own (white text and buttons on the active
// bar) that no palette changes, so at night the bar is drawn into an image and mapped to
// reds like every other picture (image/nightvision.h). By day everything is the base style's.
#include <QProxyStyle>

class CNightTitleStyle : public QProxyStyle {
public:
    // Takes ownership of base (nullptr: the application's default style).
    explicit CNightTitleStyle(QStyle* base = nullptr) : QProxyStyle(base) {}

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
};
