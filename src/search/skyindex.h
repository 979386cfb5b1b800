#pragma once

#include "astro/ephemeris/body.h"
#include "astro/math/sphericalcoord.h"
#include "astro/math/vector3.h"
#include "catalog/constellationzone.h"
#include "catalog/ngcobject.h"
#include "search/designations.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Every object Kosmira can name or show a point for, with all its names, and the search over
// those names. Built once from the catalog files (ReadSkySources) and read-only afterwards,
// except for AddStars, the entry for a further star list.

enum class SkyObjectKind { Body, Constellation, Star, Messier, Ngc };

struct SkyObject {
    SkyObjectKind kind = SkyObjectKind::Star;
    // Every name; the first is the one shown (the Korean one where there is one). Unnamed
    // stars of star.dat have none.
    std::vector<std::string> names;
    SphericalCoord position;  // RA, Dec J2000, radians (bodies: unused, see the shown sky)
    Vector3 unit;             // position as a unit vector (J2000 equatorial)
    double magnitude = std::nan("");  // V; NaN when unknown (bodies: from the shown sky)
    Body body = Body::Sun;    // kind Body
    int hip = 0;              // Hipparcos number, 0 when unknown
    int number = 0;           // Messier or NGC number
    NgcType deepSkyType = NgcType::DiffuseNebula;  // Messier, Ngc
    int starIndex = -1;       // index in star.dat (stars)
    // An NGC object that is also a Messier object is listed once, as the Messier object;
    // the NGC record points there and is not searched itself.
    int sameAs = -1;
};

// The catalog records the index is built from (file order, unusable lines skipped as the
// program's loader skips them).
struct SkySources {
    struct Named {
        std::string name;
        SphericalCoord position;
    };
    struct Point {
        SphericalCoord position;
        double magnitude = 0.0;
    };
    struct DeepSky {
        std::string name;
        SphericalCoord position;
        NgcType type = NgcType::DiffuseNebula;
    };
    std::vector<Named> starNames;       // data/starname.dat
    std::vector<Point> stars;           // data/star.dat
    std::vector<DeepSky> messier;       // data/m.dat (type from the same columns as ngc.dat)
    std::vector<DeepSky> ngc;           // data/ngc.dat
    std::vector<Named> constellations;  // data/conname.dat: Korean name, label point
    std::vector<ConstellationZone> zones;  // data/conident.dat
    Designations designations;          // data/designation.dat
};

// Reads the files of SkySources under moduleDir/data. Each file that cannot be read adds its
// Korean message to `messages` (the loader's texts) and leaves its list empty; false when
// none of the object files could be read.
bool ReadSkySources(const std::string& moduleDir, SkySources& sources,
                    std::vector<std::string>& messages);

// A star of a further list (a deep Hipparcos catalogue): searchable as "HIP n".
struct HipStar {
    int hip = 0;
    SphericalCoord position;  // RA, Dec J2000, radians
    double magnitude = 0.0;
};

struct SearchHit {
    std::size_t object = 0;
    std::size_t name = 0;  // the name that matched
    int rank = 0;          // 0 the whole name, 1 its beginning, 2 inside it
};

class SkyIndex {
public:
    SkyIndex() = default;
    explicit SkyIndex(const SkySources& sources) { Build(sources); }

    // The ten bodies, the constellations, every star of star.dat (named ones with their
    // names), the Messier objects and the NGC objects.
    void Build(const SkySources& sources);

    // Joins further stars (the deep list): a star whose HIP number a star of the index
    // already has, or that lies within 2" of a star.dat star of about its magnitude (0.1),
    // lends that object its "HIP n" name; any other becomes a new star named "HIP n", a
    // "deep star". Both lookups go through sorted tables (by number, by declination), so
    // joining the 118,216 stars of the deep list costs a few tens of milliseconds. These
    // names get no search keys: Find reads them from the numbers when the query can stand
    // for a "HIP n" name, so other queries cost what they did. Returns the number of new
    // objects.
    std::size_t AddStars(const std::vector<HipStar>& stars);

    // Objects whose names match the query (SearchText: spaces, case and Greek spelling
    // ignored, Korean initial consonants accepted), one hit per object, best first: whole
    // names before beginnings before insides; then bodies, constellations, stars, Messier,
    // NGC; then brighter first. At most `limit` hits.
    std::vector<SearchHit> Find(const std::string& query, std::size_t limit = 50) const;

    const std::vector<SkyObject>& Objects() const { return objects_; }
    const SkyObject& Object(std::size_t i) const { return objects_[i]; }
    // The object of a body, a Messier number (1..110), an NGC number; -1 when absent.
    int BodyObject(Body body) const
    {
        return objects_.size() >= std::size_t(kBodyCount) ? static_cast<int>(BodyIndex(body)) : -1;
    }
    int MessierObject(int number) const;
    int NgcObject(int number) const;
    // The objects of the point layers, for the click lookup.
    const std::vector<std::uint32_t>& StarObjects() const { return stars_; }
    const std::vector<std::uint32_t>& DeepSkyObjects() const { return deepSky_; }
    // How many names are searched by key (the "HIP n" names AddStars gave not counted).
    std::size_t NameCount() const { return keys_.size(); }
    // Whether an object is a deep star: one AddStars made, known by its HIP number only.
    bool IsDeepStar(std::size_t object) const
    {
        return object >= deepBegin_ && object < objects_.size();
    }
    std::size_t DeepStarCount() const
    {
        return deepBegin_ < objects_.size() ? objects_.size() - deepBegin_ : 0;
    }
    // The magnitude of the brightest deep star (+infinity when there is none). Deep stars
    // come after every other star in StarObjects.
    double DeepStarsBrightest() const { return deepBrightest_; }
    // Whether a query can match a "HIP n" name at all (its key only has the letters of "hip"
    // and digits): the CLI loads the deep list only for such a query.
    static bool MayNameHipStar(const std::string& query);

private:
    void AddKeys(std::size_t object);

    struct Key {
        std::u32string key;
        std::uint32_t object;
        std::uint32_t name;
    };
    std::vector<SkyObject> objects_;
    std::vector<Key> keys_;
    std::vector<std::uint32_t> stars_;    // star objects, star.dat order first
    std::vector<std::uint32_t> deepSky_;  // Messier then NGC objects (not the merged ones)
    std::vector<int> messierByNumber_;
    std::vector<std::pair<int, int>> ngcByNumber_;  // NGC number, object; sorted
    std::size_t deepBegin_ = static_cast<std::size_t>(-1);  // first deep star (AddStars)
    // The "HIP n" names AddStars gave (not among the keys: Find reads them from here).
    struct HipName {
        std::uint32_t hip, object, name;
    };
    std::vector<HipName> hipNames_;
    // The brightest kBrightHipNames of hipNames_ by the magnitude of their objects, then object
    // number: a query without digits that "HIP n" names hold holds all of them alike, so only
    // the brightest can be shown.
    static constexpr std::size_t kBrightHipNames = 1024;
    std::vector<std::uint32_t> hipNamesByBrightness_;
    double deepBrightest_ = HUGE_VAL;
};

struct DeepStar;
// Stars of the deep list (DeepStarIndex::Stars, LoadDeepStars) as AddStars takes them (those
// without a HIP number left out; AddStars puts them in number order itself).
std::vector<HipStar> HipStarsOf(const std::vector<DeepStar>& deep);

// English name of a body, "Sun", "Moon", "Mercury" ... "Pluto".
const char* BodyNameEnglish(Body body);
