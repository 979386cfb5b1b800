#include "cli/findcommand.h"

#include "astro/math/angles.h"
#include "astro/sky/shownsky.h"
#include "astro/time/instant.h"
#include "catalog/deepstarindex.h"
#include "cli/almanaccommands.h"
#include "cli/jsonwriter.h"
#include "search/skyindex.h"
#include "search/skypick.h"

#include <cmath>
#include <fstream>
#include <unistd.h>

namespace {

// The folder of the running program ("" when unknown).
std::string ProgramFolder()
{
    char buf[4096];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return {};
    const std::string path(buf, static_cast<std::size_t>(n));
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool HasDataFolder(const std::string& dir)
{
    std::ifstream f(dir + "/data/conname.dat");
    return f.good();
}

// data/ beside the program (a build), else ../share/kosmira (an installed program).
std::string DefaultDataRoot()
{
    const std::string here = ProgramFolder();
    if (HasDataFolder(here))
        return here;
    const std::string shared = here + "/../share/kosmira";
    return HasDataFolder(shared) ? shared : here;
}

void Position(JsonWriter& j, const char* ra, const char* dec, const SphericalCoord& p, bool known)
{
    if (known) {
        j.Key(ra).Number(p.lon * kRadToDeg);
        j.Key(dec).Number(p.lat * kRadToDeg);
    } else {
        j.Key(ra).Null();
        j.Key(dec).Null();
    }
}

}  // namespace

int RunFindCommand(const std::string& query, const std::map<std::string, std::string>& options,
                   std::string& out, std::string& err)
{
    if (query.empty() || query.size() > 200) {
        err = "find needs a name of 1 to 200 bytes, e.g. find \"베텔게우스\"\n";
        return 2;
    }
    const auto dataOption = options.find("data");
    const std::string root = dataOption != options.end() ? dataOption->second : DefaultDataRoot();
    // A body's place needs an instant and a site; without --utc only catalogue objects have
    // positions.
    const bool timed = options.count("utc") > 0;
    ShownSky sky;
    if (timed) {
        double jd = 0.0, latitude = 0.0, longitude = 0.0;
        if (!ParseAlmanacUtcLatLon(options, jd, latitude, longitude, err))
            return 2;
        const Observer site("", "", float(longitude), float(latitude), 0.0f);
        sky = ComputeShownSkyAt(Instant::FromUT(jd), site, Model::Precise);
    } else if (options.count("lat") || options.count("lon")) {
        err = "--lat and --lon go with --utc\n";
        return 2;
    }

    SkySources sources;
    std::vector<std::string> messages;
    if (!ReadSkySources(root, sources, messages)) {
        err = "no catalog under " + root + "/data (" + messages.front() + "); see --data\n";
        return 2;
    }
    SkyIndex index(sources);
    // A query that can stand for a "HIP n" name also searches the deep list's stars.
    if (SkyIndex::MayNameHipStar(query)) {
        TextMessageSink sink;
        std::vector<DeepStar> deep;
        if (LoadDeepStars(root, sink, deep))
            index.AddStars(HipStarsOf(deep));
        err += sink.text;
    }
    const std::vector<SearchHit> hits = index.Find(query, 11);
    if (hits.empty()) {
        err = "no object is called '" + query + "'\n";
        return 1;
    }
    const SkyObject& o = index.Object(hits.front().object);
    const bool body = o.kind == SkyObjectKind::Body;
    JsonWriter j;
    j.BeginObject();
    j.Key("query").String(query);
    j.Key("name").String(o.names.empty() ? std::string() : o.names.front());
    j.Key("matched").String(o.names[hits.front().name]);
    j.Key("names").BeginArray();
    for (const std::string& n : o.names)
        j.String(n);
    j.EndArray();
    ObjectReport r;
    if (timed) {
        r = DescribeObject(index, hits.front().object, sky, sources.zones);
    } else {
        DescribeKind(o, r);
        r.j2000 = o.position;
        r.magnitude = o.magnitude;
        r.constellation = o.kind == SkyObjectKind::Constellation ? o.names.front()
                          : body ? std::string()
                                 : ConstellationOf(sources.zones, o.position);
    }
    j.Key("kind").String(r.kindKey);
    if (!r.typeKey.empty())
        j.Key("type").String(r.typeKey);
    Position(j, "ra_deg", "dec_deg", r.j2000, !body || timed);
    j.Key("magnitude").Number(r.magnitude);
    if (r.constellation.empty())
        j.Key("constellation").Null();
    else
        j.Key("constellation").String(r.constellation);
    if (timed)
        Position(j, "azimuth_deg", "altitude_deg", r.horizontal, true);
    if (o.hip > 0)
        j.Key("hip").Integer(o.hip);
    j.Key("others").BeginArray();
    for (std::size_t i = 1; i < hits.size(); ++i) {
        const SkyObject& other = index.Object(hits[i].object);
        j.String(other.names.empty() ? std::string() : other.names.front());
    }
    j.EndArray();
    j.EndObject();
    out = j.Text() + "\n";
    return 0;
}
