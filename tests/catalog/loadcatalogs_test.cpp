#include "catalog/catalogparser.h"
#include "catalog/loadcatalogs.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <thread>

namespace {

class CollectingSink : public CatalogMessageSink {
public:
    void Report(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

// A Milky Way band of 610 points: the first 223 along its northern edge, the next 387
// along its southern edge, both toward larger right ascension.
std::string BandFile(bool rightSense)
{
    std::string text;
    char line[64];
    auto add = [&](double raHours, double decDegrees) {
        std::snprintf(line, sizeof line, "%.6f\t%.6f\n", raHours, decDegrees);
        text += line;
    };
    const double north = rightSense ? 5 : -5;
    for (int i = 0; i < 223; ++i)
        add(1 + 4.0 * i / 222, north);
    for (int i = 0; i < 387; ++i)
        add(1 + 4.0 * i / 386, -north);
    return text;
}

// Small catalogs of every kind, written under <module>/data.
std::map<std::string, std::string> Fixtures()
{
    std::string messier;
    for (int i = 0; i < 110; ++i)
        messier += " 1.0000000000  0.5000000000 Gx\n";
    std::string cities;
    for (int i = 0; i < 40; ++i)
        cities += "지역" + std::to_string(i / 10) + "\t도시" + std::to_string(i) + "\t127.0\t37.5\t9\n";
    return {
        {"city.dat", cities},
        {"star.dat", " 1.7677953616 -0.2917512422 A -1.44\r\n 0.0013892821 -0.7730167977 G  6.28\r\n"},
        {"conname.dat", "Lyr\t거문고자리\t18.6000\t30.0000\nCMa\t큰개자리\t6.5000\t-26.0000\n"},
        {"starname.dat", "064509-164258시리우스\n183656+384701직녀\n"},
        {"conline.dat", "  0.54061225  0.73879264  0.30426325  0.62169675\n"},
        {"m.dat", messier},
        {"ngc.dat", " 0.0613762485 -0.4046038329 Gx NGC 45\n 0.0649838440 -0.6841102143 OC NGC 55\n"},
        {"conbound.dat", "  0.0000   28.0000 And\n  0.0000   31.3333 And\n 23.7500   31.3333 And\n"},
        {"conident.dat", "  0.0000 24.0000  88.0000 작은곰자리\n  0.0000 24.0000 -90.0000 팔분의자리\n"},
        {"milkyway.dat", BandFile(true)},
    };
}

class LoadCatalogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        module = dir.path().toStdString();
        ASSERT_TRUE(QDir(dir.path()).mkdir("data"));
        for (const auto& [name, text] : Fixtures())
            WriteText(DataPath(name), text);
    }

    std::string DataPath(const std::string& name) const { return module + "/data/" + name; }

    bool Load()
    {
        return LoadCatalogs(catalogs, module, sink);
    }

    QTemporaryDir dir;
    std::string module;
    CatalogSet catalogs;
    CollectingSink sink;
};

}  // namespace

TEST_F(LoadCatalogsTest, EveryListInFileOrder)
{
    ASSERT_TRUE(Load());
    EXPECT_TRUE(sink.texts.empty()) << sink.texts.front();
    ASSERT_EQ(catalogs.cities.size(), 40u);
    EXPECT_EQ(catalogs.cities[35].name, "도시35");
    ASSERT_EQ(catalogs.stars.size(), 2u);
    EXPECT_EQ(catalogs.stars[1].spectral, 'G');
    ASSERT_EQ(catalogs.constellationNames.size(), 2u);
    EXPECT_EQ(catalogs.constellationNames[1].name, "큰개자리");
    ASSERT_EQ(catalogs.starNames.size(), 2u);
    EXPECT_EQ(catalogs.starNames[1].name, "직녀");
    EXPECT_EQ(catalogs.constellationLines.size(), 1u);
    ASSERT_EQ(catalogs.messier.size(), 110u);
    EXPECT_EQ(catalogs.messier[0].number, 1);
    EXPECT_EQ(catalogs.messier[109].number, 110);
    ASSERT_EQ(catalogs.ngc.size(), 2u);
    EXPECT_EQ(catalogs.ngc[1].type, NgcType::OpenCluster);
    EXPECT_EQ(catalogs.boundaries.size(), 2u);
    ASSERT_EQ(catalogs.zones.size(), 2u);
    EXPECT_EQ(catalogs.zones[1].name, "팔분의자리");
    EXPECT_EQ(catalogs.milkyWay.points.size(), 610u);
    EXPECT_EQ(catalogs.milkyWay.outline.size(), 610u);
    EXPECT_EQ(catalogs.milkyWay.triangles.size(), 3u * 608u);
}

TEST_F(LoadCatalogsTest, WorkerThreadGivesTheSameLists)
{
    ASSERT_TRUE(Load());
    CatalogSet other;
    CollectingSink otherSink;
    bool loaded = false;
    std::thread worker([&] { loaded = LoadCatalogs(other, module, otherSink); });
    worker.join();
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(otherSink.texts.empty());
    ASSERT_EQ(other.starNames.size(), catalogs.starNames.size());
    for (std::size_t i = 0; i < other.starNames.size(); ++i)
        EXPECT_EQ(other.starNames[i].name, catalogs.starNames[i].name) << i;
    ASSERT_EQ(other.messier.size(), 110u);
    EXPECT_EQ(other.messier[42].number, catalogs.messier[42].number);
}

struct StopCase {
    const char* file;
    const char* message;
};

class LoadCatalogsStops : public LoadCatalogsTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(LoadCatalogsStops, UnreadableFileStopsTheLoad)
{
    const StopCase c = GetParam();
    ASSERT_EQ(std::remove(DataPath(c.file).c_str()), 0);
    EXPECT_FALSE(Load());
    ASSERT_EQ(sink.texts.size(), 1u);
    EXPECT_EQ(sink.texts[0], c.message);

    // Everything read before the failing file is kept, everything after stays empty.
    const std::vector<std::string> order = {"city.dat", "star.dat", "conname.dat", "starname.dat",
                                            "conline.dat", "m.dat", "ngc.dat", "conbound.dat",
                                            "conident.dat", "milkyway.dat"};
    const std::size_t failed =
        static_cast<std::size_t>(std::find(order.begin(), order.end(), c.file) - order.begin());
    auto loaded = [&](const char* name) {
        return static_cast<std::size_t>(std::find(order.begin(), order.end(), name) - order.begin()) < failed;
    };
    EXPECT_EQ(!catalogs.cities.empty(), loaded("city.dat"));
    EXPECT_EQ(!catalogs.stars.empty(), loaded("star.dat"));
    EXPECT_EQ(!catalogs.constellationNames.empty(), loaded("conname.dat"));
    EXPECT_EQ(!catalogs.starNames.empty(), loaded("starname.dat"));
    EXPECT_EQ(!catalogs.constellationLines.empty(), loaded("conline.dat"));
    EXPECT_EQ(!catalogs.messier.empty(), loaded("m.dat"));
    EXPECT_EQ(!catalogs.ngc.empty(), loaded("ngc.dat"));
    EXPECT_EQ(!catalogs.boundaries.empty(), loaded("conbound.dat"));
    EXPECT_EQ(!catalogs.zones.empty(), loaded("conident.dat"));
    EXPECT_TRUE(catalogs.milkyWay.points.empty());
    EXPECT_TRUE(catalogs.milkyWay.outline.empty());
    EXPECT_TRUE(catalogs.milkyWay.triangles.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryFileButTheFigures, LoadCatalogsStops,
    ::testing::Values(StopCase{"city.dat", "도시 데이터를 읽을 수 없습니다."},
                      StopCase{"star.dat", "별 데이터를 읽을 수 없습니다."},
                      StopCase{"conname.dat", "별자리 이름 데이터를 읽을 수 없습니다."},
                      StopCase{"starname.dat", "별 이름 데이터를 읽을 수 없습니다."},
                      StopCase{"m.dat", "메시에 데이터를 읽을 수 없습니다."},
                      StopCase{"ngc.dat", "NGC 데이터를 읽을 수 없습니다."},
                      StopCase{"conbound.dat", "별자리 데이터를 읽을 수 없습니다."},
                      StopCase{"conident.dat", "별자리 영역 데이터를 읽을 수 없습니다."},
                      StopCase{"milkyway.dat", "은하수 데이터를 읽을 수 없습니다."}));

TEST_F(LoadCatalogsTest, UnreadableFiguresGoOn)
{
    ASSERT_EQ(std::remove(DataPath("conline.dat").c_str()), 0);
    EXPECT_TRUE(Load());
    ASSERT_EQ(sink.texts.size(), 1u);
    EXPECT_EQ(sink.texts[0], "별자리 모양 데이터를 읽을 수 없습니다.");
    EXPECT_TRUE(catalogs.constellationLines.empty());
    EXPECT_EQ(catalogs.messier.size(), 110u);
    EXPECT_EQ(catalogs.ngc.size(), 2u);
    EXPECT_EQ(catalogs.zones.size(), 2u);
    EXPECT_EQ(catalogs.milkyWay.triangles.size(), 3u * 608u);
}

TEST_F(LoadCatalogsTest, CatalogPresentOnlyAsGz)
{
    const std::string stars = " 1.7677953616 -0.2917512422 A -1.44\n 0.1 0.2\n 0.3 0.4\n";
    ASSERT_EQ(std::remove(DataPath("star.dat").c_str()), 0);
    WriteGz(DataPath("star.dat.gz"), stars);
    EXPECT_TRUE(Load());
    EXPECT_TRUE(sink.texts.empty());
    ASSERT_EQ(catalogs.stars.size(), 3u);
    EXPECT_EQ(catalogs.stars[0].position.lon, 1.7677953616);
}

TEST_F(LoadCatalogsTest, ShortMilkyWayIsNotTriangulated)
{
    std::string band = BandFile(true);
    band.resize(band.size() / 2);  // about 305 points
    WriteText(DataPath("milkyway.dat"), band);
    EXPECT_TRUE(Load());
    ASSERT_EQ(sink.texts.size(), 1u);
    EXPECT_EQ(sink.texts[0], "삼각화가 안됩니다.");
    EXPECT_FALSE(catalogs.milkyWay.points.empty());
    EXPECT_TRUE(catalogs.milkyWay.outline.empty());
    EXPECT_TRUE(catalogs.milkyWay.triangles.empty());
}

TEST_F(LoadCatalogsTest, MilkyWayInTheWrongSenseFailsTriangulationButLoads)
{
    WriteText(DataPath("milkyway.dat"), BandFile(false));
    EXPECT_TRUE(Load());
    ASSERT_EQ(sink.texts.size(), 1u);
    EXPECT_EQ(sink.texts[0], "삼각화가 안됩니다.");
    EXPECT_EQ(catalogs.milkyWay.outline.size(), 610u);
}

TEST_F(LoadCatalogsTest, ModuleDirectoryWithTrailingSlash)
{
    EXPECT_TRUE(LoadCatalogs(catalogs, module + "/", sink));
    EXPECT_TRUE(sink.texts.empty());
    EXPECT_EQ(JoinModulePath("/opt/k", "data/m.dat"), "/opt/k/data/m.dat");
    EXPECT_EQ(JoinModulePath("/opt/k/", "data/m.dat"), "/opt/k/data/m.dat");
}

TEST(LoadShippedCatalogs, EveryShippedFileLoads)
{
    for (const char* name : {"city.dat", "conname.dat", "starname.dat", "conline.dat", "m.dat",
                             "ngc.dat", "conbound.dat", "conident.dat", "milkyway.dat"})
        if (!Exists(ShippedPath(std::string("data/") + name)))
            GTEST_SKIP() << "data/" << name << " is not shipped yet";
    if (!Exists(ShippedPath("data/star.dat")) && !Exists(ShippedPath("data/star.dat.gz")))
        GTEST_SKIP() << "data/star.dat is not shipped yet";

    CatalogSet catalogs;
    CollectingSink sink;
    ASSERT_TRUE(LoadCatalogs(catalogs, KOSMIRA_SOURCE_DIR, sink));
    EXPECT_TRUE(sink.texts.empty());
    EXPECT_GE(catalogs.cities.size(), 36u);
    EXPECT_GT(catalogs.stars.size(), 5000u);
    EXPECT_EQ(catalogs.constellationNames.size(), 88u);
    EXPECT_FALSE(catalogs.starNames.empty());
    EXPECT_FALSE(catalogs.constellationLines.empty());
    EXPECT_EQ(catalogs.messier.size(), 110u);
    EXPECT_FALSE(catalogs.ngc.empty());
    EXPECT_FALSE(catalogs.boundaries.empty());
    EXPECT_FALSE(catalogs.zones.empty());
    EXPECT_EQ(catalogs.milkyWay.outline.size(), 610u);
    EXPECT_EQ(catalogs.milkyWay.triangles.size(), 3u * 608u);
    for (const auto& name : catalogs.starNames)
        EXPECT_FALSE(name.name.empty());
    // Every boundary edge lies along a meridian or a parallel.
    for (const auto& b : catalogs.boundaries)
        EXPECT_TRUE(b.start.lon == b.end.lon || b.start.lat == b.end.lat);
}

// ----- Hostile catalogs: every bad record is skipped, counted and reported once per file -----

namespace {

struct HostileLine {
    const char* file;  // under data/
    const char* line;  // appended to the fixture's file
    const char* what;
};

// The size of the list a file fills.
std::size_t ListSize(const CatalogSet& c, const std::string& file)
{
    if (file == "city.dat") return c.cities.size();
    if (file == "star.dat") return c.stars.size();
    if (file == "conname.dat") return c.constellationNames.size();
    if (file == "starname.dat") return c.starNames.size();
    if (file == "conline.dat") return c.constellationLines.size();
    if (file == "m.dat") return c.messier.size();
    if (file == "ngc.dat") return c.ngc.size();
    if (file == "conbound.dat") return c.boundaries.size();
    if (file == "conident.dat") return c.zones.size();
    if (file == "milkyway.dat") return c.milkyWay.points.size();
    return 0;
}

class HostileLines : public LoadCatalogsTest, public ::testing::WithParamInterface<HostileLine> {};

}  // namespace

TEST_P(HostileLines, AreSkippedAndReportedOnce)
{
    const HostileLine h = GetParam();
    CatalogSet baseline;
    {
        CollectingSink quiet;
        ASSERT_TRUE(LoadCatalogs(baseline, module, quiet));
        ASSERT_TRUE(quiet.texts.empty());
    }
    std::string text = Fixtures().at(h.file);
    // Twice, to see that one message counts both.
    text += std::string(h.line) + "\n" + h.line + "\n";
    WriteText(DataPath(h.file), text);

    EXPECT_TRUE(Load()) << h.what;
    ASSERT_EQ(sink.texts.size(), 1u) << h.what;
    EXPECT_EQ(sink.texts[0], SkippedLinesMessage(std::string("data/") + h.file, 2)) << h.what;
    EXPECT_EQ(ListSize(catalogs, h.file), ListSize(baseline, h.file)) << h.what;
    // The later catalogs were still loaded.
    EXPECT_EQ(catalogs.milkyWay.triangles.size(), 3u * 608u) << h.what;
}

INSTANTIATE_TEST_SUITE_P(
    EveryNumberField, HostileLines,
    ::testing::Values(
        HostileLine{"city.dat", "지역\t도시\tnan\t37.5\t9", "longitude NaN"},
        HostileLine{"city.dat", "지역\t도시\t1e308\t37.5\t9", "longitude 1e308"},
        HostileLine{"city.dat", "지역\t도시\t127\t-91\t9", "latitude below -90"},
        HostileLine{"city.dat", "지역\t도시\t127\t37.5\t-1e9", "zone -1e9"},
        HostileLine{"city.dat", "지역\t도시\t127\t37.5\tinf", "zone infinite"},
        HostileLine{"star.dat", "nan           0.1           G  1.0", "RA NaN"},
        HostileLine{"star.dat", " 7.0000000000  0.1000000000 G  1.0", "RA beyond 2 pi"},
        HostileLine{"star.dat", " 1.0000000000 -1.6000000000 G  1.0", "Dec below -pi/2"},
        HostileLine{"star.dat", " 1.0000000000  0.1000000000 G  1e308", "magnitude 1e308"},
        HostileLine{"star.dat", " 1.0000000000  0.1000000000 G -1e308", "magnitude -1e308"},
        HostileLine{"star.dat", " 1.0000000000  0.1000000000 G -nan", "magnitude NaN"},
        HostileLine{"conname.dat", "Xxx\t이름\tnan\t30.0", "label RA NaN"},
        HostileLine{"conname.dat", "Xxx\t이름\t25.0\t30.0", "label RA 25 h"},
        HostileLine{"conname.dat", "Xxx\t이름\t12.0\t95.0", "label Dec 95 degrees"},
        HostileLine{"starname.dat", "995959+000000별", "RA 99 h"},
        HostileLine{"starname.dat", "120000+990000별", "Dec 99 degrees"},
        HostileLine{"conline.dat", "         nan  0.73879264  0.30426325  0.62169675", "start RA NaN"},
        HostileLine{"conline.dat", "  0.54061225  0.73879264  0.30426325       1e308", "end Dec 1e308"},
        HostileLine{"m.dat", " 9.0000000000  0.5000000000 Gx", "RA beyond 2 pi"},
        HostileLine{"m.dat", " 1.0000000000          -inf Gx", "Dec -inf"},
        HostileLine{"ngc.dat", " 0.0613762485        1e308 Gx NGC 1", "Dec 1e308"},
        HostileLine{"ngc.dat", "          nan -0.4046038329 OC NGC 2", "RA NaN"},
        HostileLine{"conbound.dat", "     inf   28.0000 And", "corner RA infinite"},
        HostileLine{"conbound.dat", "  1.0000  -100.000 And", "corner Dec -100 degrees"},
        HostileLine{"conident.dat", "  0.0000 24.0000  -1e9    작은곰자리", "decLow -1e9"},
        HostileLine{"conident.dat", "  0.0000 99.0000  10.0000 작은곰자리", "raHigh 99 h"},
        HostileLine{"milkyway.dat", "nan\t45.0", "RA NaN"},
        HostileLine{"milkyway.dat", "3.0\t1e308", "Dec 1e308"}));

TEST_F(LoadCatalogsTest, BadBoundaryCornerBreaksTheChain)
{
    // The corner between the two good ones is dropped; no segment jumps over it.
    WriteText(DataPath("conbound.dat"),
              "  0.0000   28.0000 And\n     nan   31.3333 And\n  0.0000   31.3333 And\n 23.7500   31.3333 And\n");
    EXPECT_TRUE(Load());
    ASSERT_EQ(sink.texts.size(), 1u);
    EXPECT_EQ(sink.texts[0], SkippedLinesMessage("data/conbound.dat", 1));
    ASSERT_EQ(catalogs.boundaries.size(), 1u);
    EXPECT_EQ(catalogs.boundaries[0].start.lat, catalogs.boundaries[0].end.lat);
}

TEST_F(LoadCatalogsTest, SkippedMessierLinesKeepTheNumbersOfTheOthers)
{
    std::string messier;
    for (int i = 0; i < 110; ++i)
        messier += i == 3 ? "nan nan\n" : " 1.0000000000  0.5000000000 Gx\n";
    WriteText(DataPath("m.dat"), messier);
    EXPECT_TRUE(Load());
    ASSERT_EQ(catalogs.messier.size(), 109u);
    EXPECT_EQ(catalogs.messier[2].number, 3);
    EXPECT_EQ(catalogs.messier[3].number, 5);
    EXPECT_EQ(catalogs.messier.back().number, 110);
}

TEST_F(LoadCatalogsTest, EmptyCatalogIsReportedAndLoadingGoesOn)
{
    WriteText(DataPath("star.dat"), "");
    EXPECT_TRUE(Load());
    ASSERT_EQ(sink.texts.size(), 1u);
    EXPECT_EQ(sink.texts[0], "data/star.dat 파일이 비어 있습니다.");
    EXPECT_TRUE(catalogs.stars.empty());
    EXPECT_EQ(catalogs.messier.size(), 110u);
}

TEST_F(LoadCatalogsTest, SkippedLinesOfAGzCatalogNameTheGzFile)
{
    ASSERT_EQ(std::remove(DataPath("conline.dat").c_str()), 0);
    WriteGz(DataPath("conline.dat.gz"), "nan\n");
    EXPECT_TRUE(Load());
    ASSERT_EQ(sink.texts.size(), 1u);
    EXPECT_EQ(sink.texts[0], SkippedLinesMessage("data/conline.dat.gz", 1));
}

TEST_F(LoadCatalogsTest, CityListWithoutTheDefaultSiteIsReported)
{
    std::string cities;
    for (int i = 0; i < 35; ++i)
        cities += "지역\t도시" + std::to_string(i) + "\t127.0\t37.5\t9\n";
    WriteText(DataPath("city.dat"), cities);
    EXPECT_TRUE(Load());
    ASSERT_EQ(sink.texts.size(), 1u);
    EXPECT_EQ(sink.texts[0], NoDefaultSiteMessage("data/city.dat"));
    EXPECT_NE(sink.texts[0].find("36번째"), std::string::npos);
    EXPECT_EQ(catalogs.cities.size(), 35u);
    EXPECT_EQ(catalogs.stars.size(), 2u);
}

TEST_F(LoadCatalogsTest, EmptyCityListGivesBothMessages)
{
    WriteText(DataPath("city.dat"), "");
    EXPECT_TRUE(Load());
    ASSERT_EQ(sink.texts.size(), 2u);
    EXPECT_EQ(sink.texts[0], "data/city.dat 파일이 비어 있습니다.");
    EXPECT_EQ(sink.texts[1], NoDefaultSiteMessage("data/city.dat"));
}

TEST_F(LoadCatalogsTest, StarNameOfMegabytesIsCut)
{
    std::string name;
    for (int i = 0; i < 1000000; ++i)
        name += "별";  // 3 MB of UTF-8
    WriteText(DataPath("starname.dat"), "064509-164258" + name + "\n183656+384701직녀\n");
    EXPECT_TRUE(Load());
    EXPECT_TRUE(sink.texts.empty());
    ASSERT_EQ(catalogs.starNames.size(), 2u);
    EXPECT_EQ(catalogs.starNames[0].name.size(), kMaxNameBytes);
    EXPECT_EQ(catalogs.starNames[1].name, "직녀");
}

TEST_F(LoadCatalogsTest, EveryTextFieldIsCapped)
{
    const std::string longName(5000, 'x');
    WriteText(DataPath("ngc.dat"), " 0.0613762485 -0.4046038329 Gx " + longName + "\n");
    WriteText(DataPath("conident.dat"), "  0.0000 24.0000 -90.0000 " + longName + "\n");
    WriteText(DataPath("conname.dat"), "Lyr\t" + longName + "\t18.6\t30.0\n");
    EXPECT_TRUE(Load());
    EXPECT_TRUE(sink.texts.empty());
    ASSERT_EQ(catalogs.ngc.size(), 1u);
    EXPECT_EQ(catalogs.ngc[0].name.size(), kMaxNameBytes);
    ASSERT_EQ(catalogs.zones.size(), 1u);
    EXPECT_EQ(catalogs.zones[0].name.size(), kMaxNameBytes);
    ASSERT_EQ(catalogs.constellationNames.size(), 1u);
    EXPECT_EQ(catalogs.constellationNames[0].name.size(), kMaxNameBytes);
}

namespace {

// A 24-bit bottom-up BMP of the given size, all black.
std::string BlackBmp(int width, int height)
{
    const int stride = (width * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = static_cast<std::uint32_t>(stride * height);
    std::string bmp(54 + pixelBytes, '\0');
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int k = 0; k < 4; ++k)
            bmp[at + k] = static_cast<char>((v >> (8 * k)) & 0xff);
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, 54 + pixelBytes);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    bmp[26] = 1;
    bmp[28] = 24;
    put32(34, pixelBytes);
    return bmp;
}

}  // namespace

TEST_F(LoadCatalogsTest, NameImageSmallerThanItsBandsIsReported)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("images"));
    WriteText(module + "/images/connames.bmp", BlackBmp(64, 87));
    EXPECT_TRUE(Load());
    ASSERT_EQ(sink.texts.size(), 1u);
    EXPECT_EQ(sink.texts[0], SmallNameImageMessage("images/connames.bmp"));
    EXPECT_EQ(catalogs.constellationNames.size(), 2u);
}

TEST_F(LoadCatalogsTest, NameImageWithoutFileHeaderIsCheckedToo)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("images"));
    WriteText(module + "/images/connames.bmp", BlackBmp(64, 40).substr(14));
    EXPECT_TRUE(Load());
    ASSERT_EQ(sink.texts.size(), 1u);
    EXPECT_EQ(sink.texts[0], SmallNameImageMessage("images/connames.bmp"));
}

TEST_F(LoadCatalogsTest, NameImageWithOneRowPerBandIsEnough)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("images"));
    WriteText(module + "/images/connames.bmp", BlackBmp(64, 88));
    EXPECT_TRUE(Load());
    EXPECT_TRUE(sink.texts.empty());
}
