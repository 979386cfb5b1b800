#pragma once

#include "app/cchildframe.h"

class CKosmiraApp;
class CPhenomenaView;

// Child window "천문 현상" holding the list of one year's phenomena for the application's
// site: the year of the shown instant when it opens. Double-clicking an event makes its
// instant the shown one, so every window (the planetarium first) shows it. While the
// classic model is in use the window offers once to switch "정밀 계산" on, since the list
// is computed on the precise model. A change of site recomputes the list.
class CPhenomenaFrame : public CChildFrame {
    Q_OBJECT

public:
    explicit CPhenomenaFrame(CKosmiraApp& app, QWidget* parent = nullptr);

    CPhenomenaView* PhenomenaView() const { return view; }
    void RefreshView() override;

private:
    CKosmiraApp& app;
    CPhenomenaView* view = nullptr;
};
