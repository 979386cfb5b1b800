#pragma once

#include "planetarium/layerflags.h"

#include <QWidget>

#include <array>

class QCheckBox;

// The display palette of a planetarium window: fourteen check boxes, one per sky layer.
// A click copies all fourteen states into the flags and reports the change, so the frame
// can repaint its view at once. Every window has its own palette and flags.
class CShowBar : public QWidget {
    Q_OBJECT
public:
    explicit CShowBar(QWidget* parent = nullptr);

    const LayerFlags& Flags() const { return flags_; }
    // The check box with the given control id (1029 to 1041), or null.
    QCheckBox* CheckBox(int id) const;

    static constexpr int kLayerCount = 14;

signals:
    void LayersChanged();

private:
    void StoreStates();

    LayerFlags flags_;
    std::array<QCheckBox*, kLayerCount> boxes_{};
};
