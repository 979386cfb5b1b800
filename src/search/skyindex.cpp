#include "search/skyindex.h"

#include "astro/math/angles.h"
#include "catalog/catalogchecks.h"
#include "catalog/catalogfile.h"
#include "catalog/catalogparser.h"
#include "catalog/deepstarindex.h"
#include "catalog/loadcatalogs.h"
#include "format/skytext.h"
#include "search/searchtext.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// A magnitude the star lists store as a float, back to the hundredths they publish
// (9.06, not 9.06000041962).
double PublishedMagnitude(float magnitude)
{
    return std::round(double(magnitude) * 100.0) / 100.0;
}

constexpr double kSameStarRad = 30.0 * kArcsecToRad;  // starname.dat is rounded to 1 s
constexpr double kSameHipStarRad = 2.0 * kArcsecToRad;
constexpr double kSameMagnitude = 0.1;

// A character of the key of a "HIP n" name.
bool IsHipKeyChar(char32_t c)
{
    return c == U'h' || c == U'i' || c == U'p' || (c >= U'0' && c <= U'9');
}

// How a key holds the query: 0 whole, 1 at its beginning, 2 inside; -1 not at all.
int MatchRank(const char32_t* key, std::size_t size, const std::u32string& q)
{
    if (size < q.size())
        return -1;
    for (std::size_t at = 0; at + q.size() <= size; ++at) {
        std::size_t i = 0;
        while (i < q.size() && SearchText::Matches(q[i], key[at + i]))
            ++i;
        if (i == q.size())
            return at > 0 ? 2 : size == q.size() ? 0 : 1;
    }
    return -1;
}

// The key of "HIP n" ("hip" and the digits) into out; its length.
std::size_t HipKey(std::uint32_t hip, char32_t (&out)[16])
{
    char32_t digits[10];
    std::size_t n = 0;
    do {
        digits[n++] = char32_t(U'0' + hip % 10);
        hip /= 10;
    } while (hip > 0);
    out[0] = U'h';
    out[1] = U'i';
    out[2] = U'p';
    for (std::size_t i = 0; i < n; ++i)
        out[3 + i] = digits[n - 1 - i];
    return 3 + n;
}

int KindOrder(SkyObjectKind kind)
{
    return static_cast<int>(kind);
}

void AddName(SkyObject& o, const std::string& name)
{
    if (!name.empty() && std::find(o.names.begin(), o.names.end(), name) == o.names.end())
        o.names.push_back(name);
}

SkyObject PointObject(SkyObjectKind kind, const SphericalCoord& position)
{
    SkyObject o;
    o.kind = kind;
    o.position = position;
    o.unit = position.ToVector();
    return o;
}

// "NGC 5194/5" -> 5194; 0 for any other catalogue.
int NgcNumberOf(const std::string& designation)
{
    if (designation.compare(0, 4, "NGC ") != 0)
        return 0;
    int n = 0;
    for (std::size_t i = 4; i < designation.size() && i < 9; ++i) {
        const char c = designation[i];
        if (c < '0' || c > '9')
            break;
        n = n * 10 + (c - '0');
    }
    return n;
}

// The abbreviation's genitive, e.g. "Ori" -> "Orionis", from the constellation lines.
std::string GenitiveOf(const Designations& d, const std::string& designation)
{
    const std::size_t space = designation.rfind(' ');
    if (space == std::string::npos)
        return {};
    const std::string abbreviation = designation.substr(space + 1);
    for (const ConstellationDesignation& c : d.constellations)
        if (c.abbreviation == abbreviation)
            return designation.substr(0, space + 1) + c.genitive;
    return {};
}

// Reads one catalog file; false (with the message) when it cannot be read.
template <typename F>
bool ReadEach(const std::string& moduleDir, const char* relative, const char* unreadable,
              std::vector<std::string>& messages, F&& line)
{
    CatalogFile file;
    if (!file.ReadLines(JoinModulePath(moduleDir, relative))) {
        messages.push_back(unreadable);
        return false;
    }
    for (std::size_t i = 0; i < file.LineCount(); ++i)
        line(file.Line(i));
    return true;
}

}  // namespace

const char* BodyNameEnglish(Body body)
{
    static const char* const kNames[kBodyCount] = {"Sun",    "Moon",   "Mercury", "Venus",
                                                   "Mars",   "Jupiter", "Saturn", "Uranus",
                                                   "Neptune", "Pluto"};
    return kNames[BodyIndex(body)];
}

bool ReadSkySources(const std::string& moduleDir, SkySources& s, std::vector<std::string>& messages)
{
    bool any = false;
    any |= ReadEach(moduleDir, "data/star.dat", kStarDataUnreadable, messages, [&](const char* l) {
        const auto star = ParseStarLine(l);
        if (IsUsableStar(star))
            s.stars.push_back({star.position, PublishedMagnitude(star.magnitude)});
    });
    any |= ReadEach(moduleDir, "data/starname.dat", kStarNameDataUnreadable, messages,
                    [&](const char* l) {
                        StarNameFields f = ReadStarNameLine(l);
                        if (IsSkyPosition(f.position))
                            s.starNames.push_back({std::move(f.name), f.position});
                    });
    any |= ReadEach(moduleDir, "data/conname.dat", kConstellationNameDataUnreadable, messages,
                    [&](const char* l) {
                        const auto c = ParseConstellationNameLine(l);
                        s.constellations.push_back({c.name, c.position});
                    });
    // m.dat has the columns of ngc.dat; its name field is for people only.
    any |= ReadEach(moduleDir, "data/m.dat", kMessierDataUnreadable, messages, [&](const char* l) {
        const auto o = ParseNgcLine(l);
        if (IsSkyPosition(o.position))
            s.messier.push_back({std::string(), o.position, o.type});
    });
    any |= ReadEach(moduleDir, "data/ngc.dat", kNgcDataUnreadable, messages, [&](const char* l) {
        const auto o = ParseNgcLine(l);
        if (IsSkyPosition(o.position))
            s.ngc.push_back({o.name, o.position, o.type});
    });
    ReadEach(moduleDir, "data/conident.dat", kConstellationRegionDataUnreadable, messages,
             [&](const char* l) {
                 auto z = ParseZoneLine(l);
                 if (IsUsableZone(z))
                     s.zones.push_back(std::move(z));
             });
    if (!ReadDesignations(JoinModulePath(moduleDir, kDesignationFile), s.designations))
        messages.push_back(kDesignationDataUnreadable);
    return any;
}

void SkyIndex::Build(const SkySources& s)
{
    objects_.clear();
    keys_.clear();
    stars_.clear();
    deepSky_.clear();
    messierByNumber_.assign(111, -1);
    ngcByNumber_.clear();
    deepBegin_ = static_cast<std::size_t>(-1);
    hipNames_.clear();
    deepBrightest_ = HUGE_VAL;
    const Designations& d = s.designations;

    for (Body b : kAllBodies) {
        SkyObject o;
        o.kind = SkyObjectKind::Body;
        o.body = b;
        o.names = {BodyNameKorean(b), BodyNameEnglish(b)};
        objects_.push_back(std::move(o));
    }

    for (std::size_t i = 0; i < s.constellations.size(); ++i) {
        SkyObject o = PointObject(SkyObjectKind::Constellation, s.constellations[i].position);
        AddName(o, s.constellations[i].name);
        if (i < d.constellations.size()) {
            AddName(o, d.constellations[i].latin);
            AddName(o, d.constellations[i].abbreviation);
            AddName(o, d.constellations[i].genitive);
        }
        objects_.push_back(std::move(o));
    }

    // Every star of star.dat; named stars take the names of the star they sit on.
    const std::size_t firstStar = objects_.size();
    for (std::size_t i = 0; i < s.stars.size(); ++i) {
        SkyObject o = PointObject(SkyObjectKind::Star, s.stars[i].position);
        o.magnitude = s.stars[i].magnitude;
        o.starIndex = static_cast<int>(i);
        stars_.push_back(static_cast<std::uint32_t>(objects_.size()));
        objects_.push_back(std::move(o));
    }
    const double sameStarCos = std::cos(kSameStarRad);
    for (const SkySources::Named& n : s.starNames) {
        const Vector3 u = n.position.ToVector();
        int best = -1;
        double bestCos = sameStarCos;
        for (std::size_t i = firstStar; i < firstStar + s.stars.size(); ++i) {
            const Vector3& v = objects_[i].unit;
            const double c = u.x * v.x + u.y * v.y + u.z * v.z;
            if (c > bestCos && objects_[i].names.empty()) {
                bestCos = c;
                best = static_cast<int>(i);
            }
        }
        if (best < 0) {
            best = static_cast<int>(objects_.size());
            stars_.push_back(static_cast<std::uint32_t>(best));
            objects_.push_back(PointObject(SkyObjectKind::Star, n.position));
        }
        SkyObject& o = objects_[static_cast<std::size_t>(best)];
        AddName(o, n.name);
        for (const StarDesignation& sd : d.stars) {
            if (sd.korean != n.name)
                continue;
            AddName(o, sd.proper);
            AddName(o, sd.bayer);
            AddName(o, sd.flamsteed);
            AddName(o, GenitiveOf(d, sd.bayer));
            o.hip = sd.hip;
            AddName(o, "HIP " + std::to_string(sd.hip));
            if (!std::isnan(sd.magnitude))
                o.magnitude = sd.magnitude;  // as published, not rounded to a float
            break;
        }
    }

    for (std::size_t i = 0; i < s.messier.size() && i < 110; ++i) {
        SkyObject o = PointObject(SkyObjectKind::Messier, s.messier[i].position);
        o.number = static_cast<int>(i) + 1;
        o.deepSkyType = s.messier[i].type;
        const std::string label = "M" + std::to_string(o.number);
        const MessierDesignation* md = nullptr;
        for (const MessierDesignation& m : d.messier)
            md = m.number == o.number ? &m : md;
        if (md) {
            AddName(o, md->korean);
            AddName(o, label);
            AddName(o, md->english);
            AddName(o, md->ngc);
            o.magnitude = md->magnitude;
        } else {
            AddName(o, label);
        }
        messierByNumber_[static_cast<std::size_t>(o.number)] = static_cast<int>(objects_.size());
        deepSky_.push_back(static_cast<std::uint32_t>(objects_.size()));
        objects_.push_back(std::move(o));
    }

    for (const SkySources::DeepSky& n : s.ngc) {
        SkyObject o = PointObject(SkyObjectKind::Ngc, n.position);
        o.deepSkyType = n.type;
        AddName(o, n.name);
        o.number = NgcNumberOf(n.name);
        for (const NgcDesignation& nd : d.ngc) {
            if (nd.name != n.name)
                continue;
            o.number = nd.number;
            AddName(o, "NGC " + std::to_string(nd.number));
            AddName(o, nd.english);
        }
        const int self = static_cast<int>(objects_.size());
        // The same object as a Messier one: its names join the Messier object.
        for (const MessierDesignation& m : d.messier) {
            const int messier = m.number >= 1 && m.number <= 110
                                    ? messierByNumber_[static_cast<std::size_t>(m.number)]
                                    : -1;
            if (o.number == 0 || NgcNumberOf(m.ngc) != o.number || messier < 0)
                continue;
            for (const std::string& name : o.names)
                AddName(objects_[static_cast<std::size_t>(messier)], name);
            o.sameAs = messier;
        }
        if (o.number > 0)
            ngcByNumber_.emplace_back(o.number, o.sameAs >= 0 ? o.sameAs : self);
        if (o.sameAs < 0)
            deepSky_.push_back(static_cast<std::uint32_t>(self));
        objects_.push_back(std::move(o));
    }
    std::sort(ngcByNumber_.begin(), ngcByNumber_.end());

    for (std::size_t i = 0; i < objects_.size(); ++i)
        AddKeys(i);
}

void SkyIndex::AddKeys(std::size_t object)
{
    const SkyObject& o = objects_[object];
    if (o.sameAs >= 0)
        return;
    for (std::size_t n = 0; n < o.names.size(); ++n)
        for (std::u32string& k : SearchText::NameKeys(o.names[n]))
            if (!k.empty())
                keys_.push_back({std::move(k), static_cast<std::uint32_t>(object),
                                 static_cast<std::uint32_t>(n)});
}

std::size_t SkyIndex::AddStars(const std::vector<HipStar>& stars)
{
    // The stars already known, by number and (those without one) by declination.
    std::vector<std::pair<int, std::uint32_t>> byHip;
    std::vector<std::pair<double, std::uint32_t>> byDec;
    for (std::uint32_t i : stars_) {
        const SkyObject& o = objects_[i];
        if (o.hip > 0)
            byHip.emplace_back(o.hip, i);
        else
            byDec.emplace_back(o.position.lat, i);
    }
    std::sort(byHip.begin(), byHip.end());
    std::sort(byDec.begin(), byDec.end());

    // The further stars in number order (a number given twice names one star).
    std::vector<std::uint32_t> order;
    order.reserve(stars.size());
    for (std::size_t i = 0; i < stars.size(); ++i)
        if (stars[i].hip > 0)
            order.push_back(static_cast<std::uint32_t>(i));
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return stars[a].hip < stars[b].hip;
    });

    // First the matches, so that the new objects are made in one allocation.
    const double sameCos = std::cos(kSameHipStarRad);
    constexpr std::int64_t kNew = -1, kSameAsBefore = -2;
    std::vector<std::int64_t> match(order.size(), kNew);
    std::size_t newCount = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const HipStar& h = stars[order[k]];
        if (k > 0 && stars[order[k - 1]].hip == h.hip) {
            match[k] = kSameAsBefore;
            continue;
        }
        const auto known = std::lower_bound(byHip.begin(), byHip.end(),
                                            std::make_pair(h.hip, std::uint32_t(0)));
        if (known != byHip.end() && known->first == h.hip) {
            match[k] = known->second;
            continue;
        }
        const Vector3 u = h.position.ToVector();
        double bestCos = sameCos;
        auto it = std::lower_bound(byDec.begin(), byDec.end(),
                                   std::make_pair(h.position.lat - kSameHipStarRad, std::uint32_t(0)));
        for (; it != byDec.end() && it->first <= h.position.lat + kSameHipStarRad; ++it) {
            const SkyObject& o = objects_[it->second];
            const double c = u.x * o.unit.x + u.y * o.unit.y + u.z * o.unit.z;
            const bool sameMagnitude = std::isnan(o.magnitude) || std::isnan(h.magnitude) ||
                                       std::fabs(o.magnitude - h.magnitude) <= kSameMagnitude;
            if (o.hip == 0 && sameMagnitude && c > bestCos) {
                bestCos = c;
                match[k] = it->second;
            }
        }
        if (match[k] >= 0)
            objects_[static_cast<std::size_t>(match[k])].hip = h.hip;  // taken
        else
            ++newCount;
    }

    if (newCount > 0 && deepBegin_ > objects_.size())
        deepBegin_ = objects_.size();
    objects_.reserve(objects_.size() + newCount);
    stars_.reserve(stars_.size() + newCount);
    hipNames_.reserve(hipNames_.size() + order.size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        const HipStar& h = stars[order[k]];
        std::string name = "HIP " + std::to_string(h.hip);
        if (match[k] == kNew) {
            SkyObject o = PointObject(SkyObjectKind::Star, h.position);
            o.magnitude = h.magnitude;
            o.hip = h.hip;
            if (h.magnitude < deepBrightest_)
                deepBrightest_ = h.magnitude;
            o.names.push_back(std::move(name));
            hipNames_.push_back({static_cast<std::uint32_t>(h.hip),
                                 static_cast<std::uint32_t>(objects_.size()), 0});
            stars_.push_back(static_cast<std::uint32_t>(objects_.size()));
            objects_.push_back(std::move(o));
            continue;
        }
        if (match[k] < 0)
            continue;
        const std::size_t i = static_cast<std::size_t>(match[k]);
        SkyObject& o = objects_[i];
        if (std::find(o.names.begin(), o.names.end(), name) != o.names.end())
            continue;
        o.names.push_back(std::move(name));
        hipNames_.push_back({static_cast<std::uint32_t>(h.hip), static_cast<std::uint32_t>(i),
                             static_cast<std::uint32_t>(o.names.size() - 1)});
    }
    struct Entry {
        double magnitude;
        std::uint32_t object, name;
        bool operator<(const Entry& o) const
        {
            return magnitude != o.magnitude ? magnitude < o.magnitude : object < o.object;
        }
    };
    std::vector<Entry> brightness(hipNames_.size());
    for (std::size_t k = 0; k < hipNames_.size(); ++k) {
        const double m = objects_[hipNames_[k].object].magnitude;
        brightness[k] = {std::isnan(m) ? 99.0 : m, hipNames_[k].object, std::uint32_t(k)};
    }
    // Only the brightest are kept in order: more than a list of hits shows.
    if (brightness.size() > kBrightHipNames) {
        std::nth_element(brightness.begin(), brightness.begin() + kBrightHipNames,
                         brightness.end());
        brightness.resize(kBrightHipNames);
    }
    std::sort(brightness.begin(), brightness.end());
    hipNamesByBrightness_.resize(brightness.size());
    for (std::size_t k = 0; k < brightness.size(); ++k)
        hipNamesByBrightness_[k] = brightness[k].name;
    return newCount;
}

bool SkyIndex::MayNameHipStar(const std::string& query)
{
    const std::u32string q = SearchText::Key(query);
    return !q.empty() && std::all_of(q.begin(), q.end(), IsHipKeyChar);
}

int SkyIndex::MessierObject(int number) const
{
    if (number < 1 || number >= static_cast<int>(messierByNumber_.size()))
        return -1;
    return messierByNumber_[static_cast<std::size_t>(number)];
}

int SkyIndex::NgcObject(int number) const
{
    const auto it = std::lower_bound(ngcByNumber_.begin(), ngcByNumber_.end(),
                                     std::make_pair(number, -1));
    return it != ngcByNumber_.end() && it->first == number ? it->second : -1;
}

std::vector<SearchHit> SkyIndex::Find(const std::string& query, std::size_t limit) const
{
    const std::u32string q = SearchText::Key(query);
    std::vector<SearchHit> hits;
    if (q.empty())
        return hits;
    // Best hit per object, found in one pass over the keys. A deep star has one name, so
    // only the objects before them need the merge.
    std::vector<int> bestOf;
    auto add = [&](std::size_t object, std::size_t name, int rank) {
        if (object >= deepBegin_) {
            hits.push_back({object, name, rank});
            return;
        }
        if (bestOf.empty())
            bestOf.assign(std::min(objects_.size(), deepBegin_), -1);
        int& slot = bestOf[object];
        if (slot < 0) {
            slot = static_cast<int>(hits.size());
            hits.push_back({object, name, rank});
        } else if (rank < hits[static_cast<std::size_t>(slot)].rank) {
            hits[static_cast<std::size_t>(slot)] = {object, name, rank};
        }
    };
    for (const Key& k : keys_) {
        const int rank = MatchRank(k.key.data(), k.key.size(), q);
        if (rank >= 0)
            add(k.object, k.name, rank);
    }
    // The "HIP n" names AddStars gave, read from the numbers.
    if (!hipNames_.empty() && std::all_of(q.begin(), q.end(), IsHipKeyChar)) {
        char32_t key[16];
        const bool digits =
            std::any_of(q.begin(), q.end(), [](char32_t c) { return c >= U'0' && c <= U'9'; });
        if (!digits && (limit <= hipNamesByBrightness_.size() ||
                        hipNamesByBrightness_.size() == hipNames_.size())) {
            // Letters only ("H", "HIP"): every number's name holds them alike, in "hip". The
            // hits keep the brightest first, so the brightest `limit` names are all that count.
            const int rank = MatchRank(key, HipKey(hipNames_.front().hip, key), q);
            const std::size_t count = std::min(limit, hipNamesByBrightness_.size());
            for (std::size_t k = 0; rank >= 0 && k < count; ++k) {
                const HipName& h = hipNames_[hipNamesByBrightness_[k]];
                add(h.object, h.name, rank);
            }
        } else {
            for (const HipName& h : hipNames_) {
                const int rank = MatchRank(key, HipKey(h.hip, key), q);
                if (rank >= 0)
                    add(h.object, h.name, rank);
            }
        }
    }
    auto order = [this](const SearchHit& a, const SearchHit& b) {
        if (a.rank != b.rank)
            return a.rank < b.rank;
        const SkyObject& x = objects_[a.object];
        const SkyObject& y = objects_[b.object];
        if (x.kind != y.kind)
            return KindOrder(x.kind) < KindOrder(y.kind);
        const double mx = std::isnan(x.magnitude) ? 99.0 : x.magnitude;
        const double my = std::isnan(y.magnitude) ? 99.0 : y.magnitude;
        if (mx != my)
            return mx < my;
        return a.object < b.object;
    };
    if (hits.size() > limit) {
        std::partial_sort(hits.begin(), hits.begin() + static_cast<std::ptrdiff_t>(limit),
                          hits.end(), order);
        hits.resize(limit);
    } else {
        std::sort(hits.begin(), hits.end(), order);
    }
    return hits;
}

std::vector<HipStar> HipStarsOf(const std::vector<DeepStar>& deep)
{
    std::vector<HipStar> stars;
    stars.reserve(deep.size());
    for (const DeepStar& s : deep)
        if (s.hip > 0 && s.hip <= 0x7fffffffu)
            stars.push_back({static_cast<int>(s.hip), s.position, PublishedMagnitude(s.magnitude)});
    return stars;
}
