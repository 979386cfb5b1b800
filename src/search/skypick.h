#pragma once

#include "astro/math/sphericalcoord.h"
#include "astro/sky/riseset.h"
#include "catalog/constellationzone.h"
#include "search/skyindex.h"

#include <memory>
#include <string>
#include <vector>

struct ShownSky;

// The click lookup: the object drawn nearest a pixel of the sky view.

// How the view projects the catalogue frame (J2000 equatorial unit vectors) to window pixels,
// as the last paint did, and which point layers it drew.
struct PickFrame {
    double modelView[16] = {};   // column-major, J2000 equatorial -> eye
    double projection[16] = {};  // column-major
    int viewport[4] = {0, 0, 0, 0};
    bool bodies = true;
    bool starNames = true;
    bool stars = true;
    bool messier = true;
    bool ngc = false;
    // The faintest magnitude of the deep stars drawn (none fainter than the naked-eye list's
    // 6.5 at the opening field of view; higher when zoomed in with "어두운 별" on).
    double deepStarLimit = 6.5;
};

// Window pixel (x right, y down from the top edge, as mouse events give it) of a J2000 unit
// vector; false when it lies behind the camera or outside the view volume.
bool ProjectToPixel(const PickFrame& frame, const Vector3& unit, double& x, double& y);

// The object picked at pixel (x, y) within radius pixels, in tiers: the bodies (nearest),
// then named stars (nearest), then any star (brightest; a deep star only when the frame draws
// it), then Messier and NGC objects (nearest); -1 when nothing on a drawn layer lies that
// close.
int PickObject(const SkyIndex& index, const ShownSky& sky, const PickFrame& frame, double x,
               double y, double radius = 10.0);

// Azimuth and altitude of an object in the shown sky: a body as the shown sky holds it, a
// catalog object from its J2000 place carried to the date and the sidereal time (the sky
// view's own way), without refraction.
SphericalCoord HorizontalPlace(const SkyIndex& index, std::size_t object, const ShownSky& sky);

// Where a body of the shown sky is, as a J2000 direction (what the sky view draws).
SphericalCoord BodyJ2000(const ShownSky& sky, Body body);

// Everything the click panel and `kosmira-almanac find` say about an object in a shown sky.
struct ObjectReport {
    std::vector<std::string> names;
    std::string kindText;  // Korean: "별", "행성", "메시에 천체 (구상 성단)" ...
    std::string kindKey;   // "sun", "moon", "planet", "constellation", "star", "messier", "ngc"
    std::string typeKey;   // deep sky: "galaxy", "open_cluster", "globular_cluster",
                           // "planetary_nebula", "nebula"; otherwise empty
    double magnitude = 0.0;  // NaN when unknown
    SphericalCoord j2000;    // RA, Dec J2000
    SphericalCoord ofDate;   // RA, Dec of date (bodies: geocentric apparent, as shown)
    SphericalCoord horizontal;  // azimuth from north through east, altitude (no refraction)
    std::string constellation;  // Korean name, empty when unknown
    RiseSetResult riseSet;      // local hours of the shown date
    bool hasTransit = false;
    double transit = 0.0;       // local hours
};

// The report of one object for the shown sky (its instant, site, model); zones may be empty.
ObjectReport DescribeObject(const SkyIndex& index, std::size_t object, const ShownSky& sky,
                            const std::vector<ConstellationZone>& zones);

// The kind of an object in words: kindText, kindKey and typeKey of ObjectReport.
void DescribeKind(const SkyObject& object, ObjectReport& report);

// The constellation holding a J2000 position (Korean name), empty when no zone has it.
std::string ConstellationOf(const std::vector<ConstellationZone>& zones,
                            const SphericalCoord& j2000);

// Korean word of a deep-sky type: "은하", "산개 성단", "구상 성단", "행성상 성운", "성운".
const char* DeepSkyTypeKorean(NgcType type);
