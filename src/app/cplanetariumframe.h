#pragma once

#include "app/cchildframe.h"
#include "planetarium/skyscene.h"

#include <QRect>

class CObjectInfoPanel;
class CPlanetariumView;
class CPointerBar;
class CShowBar;
class QDockWidget;

// The planetarium window: the sky view as the single pane, the pointer palette above the
// display palette docked on the left edge (both dockable on every edge), a full-screen
// presentation of the whole application, and the commands that show or hide the palettes.
// Each mode (normal, full screen) remembers its own palette choices.
class CPlanetariumFrame : public CChildFrame {
    Q_OBJECT
public:
    explicit CPlanetariumFrame(const SkyScene& scene, QWidget* parent = nullptr);
    ~CPlanetariumFrame() override;

    CPlanetariumView* PlanetariumView() const { return view_; }
    CPointerBar* PointerBar() const { return pointerBar_; }
    CShowBar* ShowBar() const { return showBar_; }
    QDockWidget* PointerDock() const { return pointerDock_; }
    QDockWidget* ShowDock() const { return showDock_; }
    // The click panel and its dock ("천체 정보"), shown while an object is chosen.
    CObjectInfoPanel* InfoPanel() const { return infoPanel_; }
    QDockWidget* InfoDock() const { return infoDock_; }

    // 32824 (F11): switches between the normal and the full-screen presentation.
    void ToggleFullScreen();
    // 32822 and 32823: flip the current mode's flag of a palette and show or hide it.
    void TogglePointerPalette();
    void ToggleDisplayPalette();

    // Grows the new MDI window, within the MDI area, until both palettes fit one above the
    // other.
    void OnInitialUpdate() override;

    bool IsFullScreen() const { return fullScreen_; }

    // The view as a printed sky chart (same centre, field, proportions and layers).
    bool CanPrint() const override { return view_ != nullptr; }
    std::unique_ptr<PrintJob> MakePrintJob() const override;
    bool PointerPaletteShown() const { return fullScreen_ ? pointerShownFull_ : pointerShown_; }
    bool DisplayPaletteShown() const { return fullScreen_ ? showShownFull_ : showShown_; }

private:
    void MapCommands();
    void ShowPalettes();
    void EnterFullScreen();
    void LeaveFullScreen();

    CPlanetariumView* view_ = nullptr;
    CPointerBar* pointerBar_ = nullptr;
    CShowBar* showBar_ = nullptr;
    QDockWidget* pointerDock_ = nullptr;
    QDockWidget* showDock_ = nullptr;
    CObjectInfoPanel* infoPanel_ = nullptr;
    QDockWidget* infoDock_ = nullptr;
    QRect savedRect_;             // the MDI window's rectangle before full screen
    bool savedMaximised_ = false;
    Qt::WindowStates savedMainState_;
    bool fullScreen_ = false;
    bool showShown_ = true;        // display palette, normal mode
    bool pointerShown_ = true;     // pointer palette, normal mode
    bool showShownFull_ = false;   // display palette, full screen
    bool pointerShownFull_ = false;  // pointer palette, full screen
};
