#pragma once

#include "app/cchildframe.h"

class CPolarScopeView;
struct ShownSky;

// Child window "극축 맞추기": the polar scope's field for the shown site and instant (or the
// computer's clock with "지금"). No commands of its own.
class CPolarAxisFrame : public CChildFrame {
    Q_OBJECT

public:
    explicit CPolarAxisFrame(const ShownSky& sky, QWidget* parent = nullptr);

    CPolarScopeView* ScopeView() const { return scope; }
    void RefreshView() override;

private:
    CPolarScopeView* scope = nullptr;
};
