// The object search over the shipped catalogs: ranking and matching rules, every shipped name
// found by itself, and the entry for a further star list.
#include "shippedindex.h"

#include "astro/math/angles.h"
#include "catalog/catalogfile.h"
#include "search/searchtext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <set>
#include <string>

namespace {

TEST(SkyIndex, QueriesAndTheirFirstResults)
{
    const struct {
        const char* query;
        const char* first;
    } cases[] = {
        // Korean, Latin and English names, IAU abbreviations
        {"베텔게우스", "베텔게우스"},
        {"Betelgeuse", "베텔게우스"},
        {"betelgeuse", "베텔게우스"},
        {"BETEL GEUSE", "베텔게우스"},
        {"Orion", "오리온자리"},  // the constellation before "Orion Nebula"
        {"Ori", "오리온자리"},
        {"오리온", "오리온자리"},
        {"Cygnus", "백조자리"},
        {"UMa", "큰곰자리"},
        {"시리우스", "시리우스"},
        {"Sirius", "시리우스"},
        {"Polaris", "북극성"},
        {"북극성", "북극성"},
        // Bayer and Flamsteed designations in every spelling
        {"α Ori", "베텔게우스"},
        {"alf Ori", "베텔게우스"},
        {"alpha Ori", "베텔게우스"},
        {"Alpha Orionis", "베텔게우스"},
        {"58 Ori", "베텔게우스"},
        {"β Ori", "리겔"},
        {"bet ori", "리겔"},
        {"alpha cen", "리길 켄타우루스"},
        {"α1 Cen", "리길 켄타우루스"},
        {"alf CMa", "시리우스"},
        {"HIP 27989", "베텔게우스"},
        // Messier: with and without the space, Korean and English names
        {"M42", "오리온 대성운"},
        {"M 42", "오리온 대성운"},
        {"m42", "오리온 대성운"},
        {"M4", "M4"},  // the whole name before M40 .. M49
        {"M31", "안드로메다 은하"},
        {"안드로메다 은하", "안드로메다 은하"},
        {"Andromeda Galaxy", "안드로메다 은하"},
        {"플레이아데스", "플레이아데스 성단"},
        {"Pleiades", "플레이아데스 성단"},
        {"NGC 1976", "오리온 대성운"},  // the NGC object that is M42
        {"NGC 224", "안드로메다 은하"},
        // NGC objects
        {"NGC 7000", "북아메리카 성운"},
        {"ngc7000", "북아메리카 성운"},
        {"북아메리카 성운", "북아메리카 성운"},
        {"NGC 869", "페르세우스자리 h"},
        {"NGC 55", "NGC 55"},
        // the Sun, the Moon and the planets in Korean and English
        {"태양", "태양"},
        {"Sun", "태양"},
        {"달", "달"},
        {"moon", "달"},
        {"목성", "목성"},
        {"Jupiter", "목성"},
        {"Saturn", "토성"},
        {"명왕성", "명왕성"},
        // Korean initial consonants, alone and mixed with syllables
        {"ㅂㅌㄱㅇㅅ", "베텔게우스"},
        {"베텔ㄱ", "베텔게우스"},
        {"ㅅㄹㅇㅅ", "시리우스"},
        {"ㅂㄱㅅ", "북극성"},
        // beginnings and insides
        {"Betel", "베텔게우스"},
        {"텔게우", "베텔게우스"},
        {"geuse", "베텔게우스"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FirstName(c.query), c.first) << c.query;
}

TEST(SkyIndex, RanksWholeNamesBeforeBeginningsBeforeInsides)
{
    // "M1": M1 itself, then M10 .. M19 and M100 .. M110 (beginnings), and no inside match
    // comes before them.
    const auto hits = ShippedIndex().Find("M1", 50);
    ASSERT_GE(hits.size(), 12u);
    EXPECT_EQ(hits[0].rank, 0);
    EXPECT_EQ(ShippedIndex().Object(hits[0].object).number, 1);
    for (std::size_t i = 1; i < hits.size(); ++i)
        EXPECT_LE(hits[i - 1].rank, hits[i].rank) << i;
    // One hit per object.
    std::set<std::size_t> objects;
    for (const auto& h : hits)
        EXPECT_TRUE(objects.insert(h.object).second);
}

TEST(SkyIndex, NothingMatchesGivesNoHit)
{
    EXPECT_TRUE(ShippedIndex().Find("없는천체이름").empty());
    EXPECT_TRUE(ShippedIndex().Find("").empty());
    EXPECT_TRUE(ShippedIndex().Find("   ").empty());
    EXPECT_EQ(ShippedIndex().Find("M", 7).size(), 7u);  // the limit holds
}

// Every name the shipped files give an object finds that object by itself, as the first hit
// or, where several objects share the name (one NGC object under two numbers), among the
// hits of rank 0.
TEST(SkyIndex, EveryShippedNameFindsItsObject)
{
    const SkyIndex& index = ShippedIndex();
    std::size_t names = 0;
    for (std::size_t i = 0; i < index.Objects().size(); ++i) {
        const SkyObject& o = index.Object(i);
        if (o.sameAs >= 0)
            continue;
        for (const std::string& name : o.names) {
            ++names;
            const auto hits = index.Find(name, 400);
            bool found = false;
            for (const auto& h : hits)
                found = found || (h.rank == 0 && h.object == i);
            EXPECT_TRUE(found) << name;
            ASSERT_FALSE(hits.empty()) << name;
            EXPECT_EQ(hits.front().rank, 0) << name;
        }
    }
    EXPECT_GT(names, 2500u);
}

// The names of the files themselves, read here line by line, each find its object.
TEST(SkyIndex, EveryLineOfTheNameFilesIsFindable)
{
    const SkyIndex& index = ShippedIndex();
    auto findable = [&](const std::string& name) {
        const auto hits = index.Find(name, 5);
        return !hits.empty() && hits.front().rank == 0;
    };
    std::size_t checked = 0;
    CatalogFile file;
    ASSERT_TRUE(file.ReadLines(std::string(KOSMIRA_SOURCE_DIR) + "/data/starname.dat"));
    for (std::size_t i = 0; i < file.LineCount(); ++i, ++checked)
        EXPECT_TRUE(findable(std::string(file.Line(i)).substr(13))) << file.Line(i);
    ASSERT_TRUE(file.ReadLines(std::string(KOSMIRA_SOURCE_DIR) + "/data/ngc.dat"));
    for (std::size_t i = 0; i < file.LineCount(); ++i, ++checked)
        EXPECT_TRUE(findable(std::string(file.Line(i)).substr(31))) << file.Line(i);
    ASSERT_TRUE(file.ReadLines(std::string(KOSMIRA_SOURCE_DIR) + "/data/conname.dat"));
    for (std::size_t i = 0; i < file.LineCount(); ++i, ++checked) {
        const std::string line = file.Line(i);
        const std::size_t tab = line.find('\t');
        EXPECT_TRUE(findable(line.substr(0, tab))) << line;
        EXPECT_TRUE(findable(line.substr(tab + 1, line.find('\t', tab + 1) - tab - 1))) << line;
    }
    for (int m = 1; m <= 110; ++m, ++checked) {
        EXPECT_TRUE(findable("M" + std::to_string(m))) << m;
        EXPECT_TRUE(findable("M " + std::to_string(m))) << m;
    }
    ASSERT_TRUE(file.ReadLines(std::string(KOSMIRA_SOURCE_DIR) + "/data/designation.dat"));
    for (std::size_t i = 0; i < file.LineCount(); ++i) {
        std::string line = file.Line(i);
        std::size_t start = line.find('\t', line.find('\t') + 1) + 1;  // after kind and key
        const bool star = line[0] == 'S';
        for (std::size_t field = 2; start != 0; ++field) {
            const std::size_t tab = line.find('\t', start);
            const std::string name = line.substr(start, tab == std::string::npos ? tab : tab - start);
            start = tab == std::string::npos ? 0 : tab + 1;
            if (name.empty() || (star && field == 6) || (line[0] == 'M' && field == 5))
                continue;  // magnitudes
            EXPECT_TRUE(findable(name)) << line << " / " << name;
            ++checked;
        }
    }
    EXPECT_GT(checked, 2000u);
}

TEST(SkyIndex, MessierAndTheSameNgcObjectAreOneObject)
{
    const SkyIndex& index = ShippedIndex();
    const int m42 = index.MessierObject(42);
    ASSERT_GE(m42, 0);
    EXPECT_EQ(index.NgcObject(1976), m42);
    EXPECT_EQ(index.NgcObject(7000) >= 0, true);
    EXPECT_EQ(index.Object(static_cast<std::size_t>(index.NgcObject(7000))).kind, SkyObjectKind::Ngc);
    // M42 is a nebula: d3-celestial's "sfr" maps to the nebula code.
    EXPECT_EQ(index.Object(static_cast<std::size_t>(m42)).deepSkyType, NgcType::DiffuseNebula);
    EXPECT_EQ(index.Object(static_cast<std::size_t>(index.MessierObject(13))).deepSkyType,
              NgcType::GlobularCluster);
}

TEST(SkyIndex, NamedStarsSitOnTheirStarsWithMagnitudes)
{
    const SkyIndex& index = ShippedIndex();
    // Published V magnitudes (Hipparcos): Sirius -1.44, Betelgeuse 0.45 (variable), Vega 0.03.
    const struct {
        const char* name;
        double magnitude;
        int hip;
    } cases[] = {{"시리우스", -1.44, 32349}, {"베텔게우스", 0.45, 27989}, {"베가", 0.03, 91262}};
    for (const auto& c : cases) {
        const auto hits = index.Find(c.name, 1);
        ASSERT_EQ(hits.size(), 1u);
        const SkyObject& o = index.Object(hits[0].object);
        EXPECT_EQ(o.kind, SkyObjectKind::Star);
        EXPECT_GE(o.starIndex, 0) << c.name;
        EXPECT_NEAR(o.magnitude, c.magnitude, 0.05) << c.name;
        EXPECT_EQ(o.hip, c.hip);
    }
}

// A further star list (the deep Hipparcos catalogue) joins through AddStars: a known HIP
// number names the star that has it, a star on a star.dat position names that star, any
// other becomes a new star.
TEST(SkyIndex, FurtherStarsAreSearchableByTheirHipNumber)
{
    SkyIndex index(ShippedSources());
    const std::size_t before = index.Objects().size();
    const auto polaris = index.Find("Polaris", 1);
    ASSERT_EQ(polaris.size(), 1u);
    const SkyObject star0 = index.Object(index.StarObjects()[0]);
    const std::vector<HipStar> extra = {
        {11767, SphericalCoord(0.662, 1.5580), 1.97},  // Polaris, already known by number
        {999001, star0.position, star0.magnitude},      // on a star.dat position
        {999002, SphericalCoord(1.0, -0.5), 9.5},        // a new, faint star
    };
    EXPECT_EQ(index.AddStars(extra), 1u);
    EXPECT_EQ(index.Objects().size(), before + 1);
    EXPECT_EQ(index.Find("HIP 11767", 1)[0].object, polaris[0].object);
    EXPECT_EQ(index.Find("HIP 999001", 1)[0].object, index.StarObjects()[0]);
    const auto fresh = index.Find("HIP 999002", 1);
    ASSERT_EQ(fresh.size(), 1u);
    EXPECT_EQ(index.Object(fresh[0].object).magnitude, 9.5);
    EXPECT_EQ(fresh[0].rank, 0);
}

TEST(Designations, BadLinesAreRefused)
{
    Designations d;
    const char* const bad[] = {
        "",
        "X\tfoo",
        "S\tabc\t시리우스\tSirius\tα CMa\t9 CMa\t-1.44",   // HIP not a number
        "S\t32349\t시리우스\tSirius\tα CMa\t9 CMa",        // a field short
        "S\t32349\t시리우스\tSirius\tα CMa\t9 CMa\tnan",   // magnitude not finite
        "M\t111\t\t\t\t5.0",                              // no M111
        "M\t0\t\t\t\t5.0",
        "N\t7000\t\tNorth America",                       // no name
        "C\t\tOrion\tOrionis",
    };
    for (const char* line : bad)
        EXPECT_FALSE(ParseDesignationLine(line, d)) << line;
    EXPECT_TRUE(d.stars.empty() && d.messier.empty() && d.ngc.empty() && d.constellations.empty());
    EXPECT_TRUE(ParseDesignationLine("S\t32349\t시리우스\tSirius\tα CMa\t9 CMa\t-1.44\r", d));
    ASSERT_EQ(d.stars.size(), 1u);
    EXPECT_EQ(d.stars[0].flamsteed, "9 CMa");
    EXPECT_TRUE(ParseDesignationLine("M\t45\t플레이아데스 성단\tPleiades\t\t", d));
    EXPECT_TRUE(std::isnan(d.messier[0].magnitude));
}

TEST(Designations, TheShippedFileReadsWhole)
{
    Designations d;
    ASSERT_TRUE(ReadDesignations(std::string(KOSMIRA_SOURCE_DIR) + "/" + kDesignationFile, d));
    EXPECT_EQ(d.skippedLines, 0u);
    EXPECT_EQ(d.constellations.size(), 88u);
    EXPECT_EQ(d.stars.size(), 188u);
    EXPECT_EQ(d.messier.size(), 110u);
    EXPECT_EQ(d.ngc.size(), 776u);
    EXPECT_FALSE(ReadDesignations("/nonexistent/designation.dat", d));
}

// The deep list joined: every Hipparcos star is found by "HIP n", named and naked-eye stars
// keep their one entry. Places are the published J2000 (ICRS) ones (SIMBAD / Hipparcos, new
// reduction), magnitudes the published V.
constexpr double kPlaceToleranceArcsec = 1.0;
// Hipparcos V against today's published V; the variables (Betelgeuse, Proxima) differ most.
constexpr double kMagnitudeToleranceMag = 0.15;

double ArcsecBetween(const SphericalCoord& a, const SphericalCoord& b)
{
    const Vector3 u = a.ToVector(), v = b.ToVector();
    const double c = std::clamp(u.x * v.x + u.y * v.y + u.z * v.z, -1.0, 1.0);
    return std::acos(c) / kArcsecToRad;
}

SphericalCoord Place(double h, double m, double s, int sign, double d, double am, double as)
{
    return SphericalCoord((h + m / 60.0 + s / 3600.0) * 15.0 * kDegToRad,
                          sign * (d + am / 60.0 + as / 3600.0) * kDegToRad);
}

TEST(SkyIndexDeepStars, HipNumbersFindNamedNakedEyeAndDeepStars)
{
    const SkyIndex& index = ShippedIndexWithDeepStars();
    enum Kind { Named, NakedEye, Deep };
    const struct {
        const char* query;
        const char* first;  // the shown name
        Kind kind;
        SphericalCoord place;
        double v;
    } cases[] = {
        {"HIP 27989", "베텔게우스", Named, Place(5, 55, 10.305, +1, 7, 24, 25.43), 0.42},
        {"HIP 71683", "리길 켄타우루스", Named, Place(14, 39, 36.494, -1, 60, 50, 2.37), -0.01},
        {"HIP 32349", "시리우스", Named, Place(6, 45, 8.917, -1, 16, 42, 58.02), -1.46},
        {"hip11767", "북극성", Named, Place(2, 31, 49.09, +1, 89, 15, 50.8), 1.98},
        // 51 Peg, a naked-eye star without a name: star.dat's star, now with its number
        {"HIP 113357", "HIP 113357", NakedEye, Place(22, 57, 27.980, +1, 20, 46, 7.79), 5.46},
        // Fainter stars of the deep list: HD 209458, HD 189733, Lalande 21185, HD 80606,
        // Kapteyn's star, Barnard's star, Proxima Centauri
        {"HIP 108859", "HIP 108859", Deep, Place(22, 3, 10.772, +1, 18, 53, 3.54), 7.65},
        {"HIP 98505", "HIP 98505", Deep, Place(20, 0, 43.713, +1, 22, 42, 39.07), 7.67},
        {"HIP 54035", "HIP 54035", Deep, Place(11, 3, 20.194, +1, 35, 58, 11.58), 7.52},
        {"HIP 45982", "HIP 45982", Deep, Place(9, 22, 37.567, +1, 50, 36, 13.43), 9.06},
        {"HIP 24186", "HIP 24186", Deep, Place(5, 11, 40.58, -1, 45, 1, 6.3), 8.85},
        {"hip 87937", "HIP 87937", Deep, Place(17, 57, 48.50, +1, 4, 41, 36.2), 9.51},
        {"HIP 70890", "HIP 70890", Deep, Place(14, 29, 42.95, -1, 62, 40, 46.2), 11.13},
    };
    for (const auto& c : cases) {
        const auto hits = index.Find(c.query, 5);
        ASSERT_FALSE(hits.empty()) << c.query;
        EXPECT_EQ(hits[0].rank, 0) << c.query;
        const SkyObject& o = index.Object(hits[0].object);
        EXPECT_EQ(o.kind, SkyObjectKind::Star) << c.query;
        EXPECT_EQ(o.names.front(), c.first) << c.query;
        EXPECT_EQ("HIP " + std::to_string(o.hip), o.names[hits[0].name]) << c.query;
        EXPECT_LE(ArcsecBetween(o.position, c.place), kPlaceToleranceArcsec) << c.query;
        EXPECT_NEAR(o.magnitude, c.v, kMagnitudeToleranceMag) << c.query;
        EXPECT_EQ(index.IsDeepStar(hits[0].object), c.kind == Deep) << c.query;
        EXPECT_EQ(o.starIndex >= 0, c.kind != Deep) << c.query;
        // Only one object has the number: no other hit is a whole match.
        for (std::size_t i = 1; i < hits.size(); ++i)
            EXPECT_GT(hits[i].rank, 0) << c.query;
    }
    // Betelgeuse by name and by number is the same entry.
    EXPECT_EQ(index.Find("Betelgeuse", 1)[0].object, index.Find("HIP 27989", 1)[0].object);
    EXPECT_EQ(index.Find("α Cen", 1)[0].object, index.Find("HIP 71683", 1)[0].object);
}

TEST(SkyIndexDeepStars, EveryStarIsListedOnce)
{
    const SkyIndex& index = ShippedIndexWithDeepStars();
    const std::vector<DeepStar>& deep = ShippedDeepStars();
    ASSERT_EQ(deep.size(), 118216u);
    std::size_t faint = 0;
    for (const DeepStar& d : deep)
        faint += d.magnitude > 6.5f;

    std::set<int> numbers;
    std::size_t numbered = 0, nakedEyeNumbered = 0;
    for (std::uint32_t i : index.StarObjects()) {
        const SkyObject& o = index.Object(i);
        if (o.hip == 0)
            continue;
        ++numbered;
        EXPECT_TRUE(numbers.insert(o.hip).second) << "HIP " << o.hip << " twice";
        nakedEyeNumbered += o.starIndex >= 0;
    }
    // Every deep star is one object; the naked-eye ones are star.dat's stars, each of which
    // found its number; only the fainter ones are new.
    EXPECT_EQ(numbered, deep.size());
    EXPECT_EQ(nakedEyeNumbered, ShippedSources().stars.size());
    EXPECT_EQ(index.DeepStarCount(), faint);
    EXPECT_EQ(index.Objects().size(), ShippedIndex().Objects().size() + faint);

    // Joining the list once more adds nothing.
    SkyIndex again = index;
    EXPECT_EQ(again.AddStars(HipStarsOf(deep)), 0u);
    EXPECT_EQ(again.Objects().size(), index.Objects().size());
    EXPECT_EQ(again.NameCount(), index.NameCount());
}

TEST(SkyIndexDeepStars, QueriesOfNumbersAndTheirHits)
{
    const SkyIndex& index = ShippedIndexWithDeepStars();
    const struct {
        const char* query;
        std::size_t hits;   // with a limit of 200
        const char* first;  // the shown name of the first hit
    } cases[] = {
        {"HIP 1", 200, "HIP 1"},               // HIP 1 whole, then every number from 1..
        {"HIP 120416", 1, "HIP 120416"},       // the last number of the list
        {"HIP 120417", 0, ""},                 // beyond it
        {"HIP 2798", 11, "HIP 2798"},          // whole, then 27980..27989
        {"27989", 1, "베텔게우스"},            // inside a name
        {"HIP", 200, "시리우스"},             // every numbered star, the brightest first
        {"HIPX", 0, ""},
    };
    for (const auto& c : cases) {
        const auto hits = index.Find(c.query, 200);
        EXPECT_EQ(hits.size(), c.hits) << c.query;
        if (c.hits == 0 || hits.empty())
            continue;
        EXPECT_EQ(index.Object(hits[0].object).names.front(), c.first) << c.query;
        std::set<std::size_t> objects;
        for (const SearchHit& h : hits)
            EXPECT_TRUE(objects.insert(h.object).second) << c.query;
    }
    // Letters that every "HIP n" name holds: the brightest numbered stars, none brighter left
    // out, whatever the limit; "H" and "p" also reach other names (Hamal, Capella).
    for (const char* query : {"HIP", "hi", "H", "p"}) {
        for (std::size_t limit : {1u, 50u, 200u, 2000u}) {  // beyond the kept brightest too
            const auto hits = index.Find(query, limit);
            ASSERT_EQ(hits.size(), limit) << query;
            double faintest = -99.0;
            std::set<std::size_t> shown;
            for (const SearchHit& h : hits) {
                const SkyObject& o = index.Object(h.object);
                shown.insert(h.object);
                if (o.hip > 0 && o.names[h.name].rfind("HIP ", 0) == 0)
                    faintest = std::max(faintest, o.magnitude);
            }
            for (std::uint32_t i : index.StarObjects()) {
                const SkyObject& o = index.Object(i);
                if (o.hip > 0 && o.magnitude < faintest) {
                    EXPECT_EQ(shown.count(i), 1u) << query << " " << limit << " HIP " << o.hip;
                }
            }
            if (std::string(query) == "HIP") {
                EXPECT_EQ(index.Object(hits[0].object).names.front(), "시리우스");
            }
        }
    }
    // Other queries never scan the numbers; a query that could is recognised.
    const struct {
        const char* query;
        bool hip;
    } kinds[] = {{"HIP 27989", true}, {"hip", true}, {"27989", true}, {"M42", false},
                 {"베텔게우스", false}, {"", false}, {"HIP-27989", true}};
    for (const auto& k : kinds)
        EXPECT_EQ(SkyIndex::MayNameHipStar(k.query), k.hip) << k.query;
}

}  // namespace
