#pragma once

#include "astro/ephemeris/body.h"
#include "astro/math/sphericalcoord.h"
#include "render/copenglwnd.h"
#include "planetarium/layerflags.h"
#include "planetarium/skyscene.h"

#include <QPointF>

class SkyRenderer;

// The planetarium's sky view: the sky seen from the origin of the horizontal frame (x north,
// y east, z zenith) through a perspective camera aimed at ViewCentre, turned and zoomed by
// dragging, the arrow keys, the characters E N S W Z + - and the toolbar commands (the On*
// functions, routed here by the frame). Pixel positions are device pixels of the surface.
class CPlanetariumView : public COpenGLWnd {
    Q_OBJECT
public:
    explicit CPlanetariumView(const SkyScene& scene, QWidget* parent = nullptr);
    ~CPlanetariumView() override;

    static constexpr double kInitialAltitudeRad = 0.6457718232379019;  // 37 degrees
    static constexpr double kInitialFieldOfViewRad = 0.7853981633974483;  // 45 degrees
    static constexpr double kMinFieldOfViewRad = 0.0017453292519943296;  // 0.1 degree
    static constexpr double kMaxFieldOfViewRad = 1.5697963267948966;  // pi/2 - 0.001
    static constexpr double kArrowStepPerFieldOfView = 0.13333333333333333;  // 2/15

    // Azimuth and altitude (radians) at the centre of the view.
    const SphericalCoord& ViewCentre() const { return viewCentre_; }
    void SetViewCentre(const SphericalCoord& centre);
    // Vertical field of view, radians.
    double FieldOfView() const { return fieldOfView_; }

    // The toggles the next paint reads; the view keeps its own defaults until a palette's
    // flags are handed over. The flags must outlive the view.
    void SetLayerFlags(const LayerFlags* flags) { flags_ = flags ? flags : &ownFlags_; }
    const LayerFlags& Layers() const { return *flags_; }

    // Sky direction (azimuth, altitude) under the device pixel (px, py) of the surface,
    // unprojected on the far plane with the viewport and matrices of the last paint. False
    // when the window has no surface or the unprojection fails.
    bool ScreenToSky(double px, double py, SphericalCoord* direction);

    // Largest pointer travel, device pixels, between press and release that still counts as
    // a click (the sky has then turned by at most that much, as any drag turns it).
    static constexpr double kClickSlopPx = 3.0;
    static constexpr double kPickRadiusPx = 10.0;

    // Toolbar and character commands.
    void OnViewEast();    // 32807, "E": azimuth 90 degrees, altitude 0
    void OnViewNorth();   // 32810, "N": azimuth 0, altitude 0
    void OnViewSouth();   // 32809, "S": azimuth 180 degrees, altitude 0
    void OnViewWest();    // 32816, "W": azimuth 270 degrees, altitude 0
    void OnViewZenith();  // 32811, "Z": altitude 90 degrees, azimuth kept
    void OnZoomIn();      // 32812, "+": field of view x 2/3, not below 0.1 degree
    void OnZoomOut();     // 32813, "-": field of view x 1.5, not above pi/2 - 0.001
    void OnFindBody(Body body);  // 32794 .. 32805
    // 32793, the constellation search, is the application's dialog (CFindConstellationDlg).

    // What draws the sky (its star texture and name image, for the tests' oracle).
    const SkyRenderer& Renderer() const { return *renderer_; }

    // The object marked with a reticle (an index into the scene's SkyIndex), -1 for none.
    // Marking does not turn the view.
    void MarkObject(int object);
    int MarkedObject() const { return marked_; }
    // The object drawn nearest the device pixel (px, py) within 10 pixels (search/skypick.h),
    // with the matrices of the last paint; -1 when none or when the scene has no index.
    int ObjectAt(double px, double py) const;
    // Device pixel of the marked object in the last paint; false when none is marked or it
    // lies outside the view.
    bool MarkedPixel(double& px, double& py) const;
    // Turns the view onto a catalog object or body of the index and marks it, as the find
    // commands do: refused with kBelowHorizonMessage when it is below the horizon. True
    // when the view was turned.
    bool FindObject(int object);

    const SkyScene& Scene() const { return scene_; }

signals:
    // The sky direction under the pointer while it moves without a drag.
    void PointerMoved(const SphericalCoord& horizontal);
    // An object was chosen (a click on it, or the object search): its index in the scene's
    // SkyIndex. -1 when the mark was cleared (Esc, or a click on empty sky).
    void ObjectSelected(int object);

protected:
    void DrawScene() override;
    bool DrawsNightColours() const override;
    void OnContextCreated() override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void SetProjection();
    void LoadViewOrientation();
    void CameraTurned();
    void Drag(const QPointF& to);
    QPointF DevicePoint(const QPointF& logical) const;

    const SkyScene scene_;  // a copy of the references
    SphericalCoord viewCentre_{0.0, kInitialAltitudeRad};
    double fieldOfView_ = kInitialFieldOfViewRad;
    bool dragging_ = false;
    QPointF lastDragPoint_;
    QPointF pressPoint_;      // where the left button went down (device pixels)
    bool movedSincePress_ = false;
    int marked_ = -1;
    LayerFlags ownFlags_;
    const LayerFlags* flags_ = &ownFlags_;
    std::unique_ptr<SkyRenderer> renderer_;
};
