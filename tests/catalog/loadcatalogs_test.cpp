#include "catalog/loadcatalogs.h"
#include "testfiles.h"

#include <QDir>
#include <QFontMetrics>
#include <QImage>
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

QFont PixelFont(const char* family, int pixels)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    return font;
}

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
        return LoadCatalogs(catalogs, module, sink, PixelFont("NanumGothic", 14),
                            PixelFont("Liberation Sans", 12));
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
    EXPECT_EQ(catalogs.cities[35]->name, "도시35");
    ASSERT_EQ(catalogs.stars.size(), 2u);
    EXPECT_EQ(catalogs.stars[1]->spectral, 'G');
    ASSERT_EQ(catalogs.constellationNames.size(), 2u);
    EXPECT_EQ(catalogs.constellationNames[1]->name, "큰개자리");
    ASSERT_EQ(catalogs.starNames.size(), 2u);
    EXPECT_EQ(catalogs.starNames[1]->name, "직녀");
    EXPECT_EQ(catalogs.constellationLines.size(), 1u);
    ASSERT_EQ(catalogs.messier.size(), 110u);
    EXPECT_EQ(catalogs.messier[0]->number, 1);
    EXPECT_EQ(catalogs.messier[109]->number, 110);
    ASSERT_EQ(catalogs.ngc.size(), 2u);
    EXPECT_EQ(catalogs.ngc[1]->type, NgcType::OpenCluster);
    EXPECT_EQ(catalogs.boundaries.size(), 2u);
    ASSERT_EQ(catalogs.zones.size(), 2u);
    EXPECT_EQ(catalogs.zones[1]->name, "팔분의자리");
    EXPECT_EQ(catalogs.milkyWay.points.size(), 610u);
    EXPECT_EQ(catalogs.milkyWay.outline.size(), 610u);
    EXPECT_EQ(catalogs.milkyWay.triangles.size(), 3u * 608u);
}

TEST_F(LoadCatalogsTest, LabelsAreRenderedWithTheirFontsAndColours)
{
    ASSERT_TRUE(Load());
    QImage device(1, 1, QImage::Format_RGB32);
    const QFontMetrics nameMetrics(PixelFont("NanumGothic", 14), &device);
    const QFontMetrics messierMetrics(PixelFont("Liberation Sans", 12), &device);
    // "직녀": two syllables, four code page 949 bytes, six average widths.
    const TextBitmap& vega = catalogs.starNames[1]->label;
    EXPECT_EQ(vega.Width(), nameMetrics.averageCharWidth() * 6);
    EXPECT_EQ(vega.Height(), nameMetrics.height());
    const TextBitmap& m110 = catalogs.messier[109]->label;
    EXPECT_EQ(m110.Width(), static_cast<int>(messierMetrics.averageCharWidth() * 4 * 1.5));
    EXPECT_EQ(m110.Height(), messierMetrics.height());
    EXPECT_EQ(m110.PixelAt(m110.Width() - 1, 0), 0u);  // black background

    // Text is blended over black, so its strongest pixel is the label colour scaled by its
    // coverage; small text may have no pixel of full coverage.
    constexpr int kChannelTolerance = 3;
    auto expectTextColour = [&](const TextBitmap& label, std::uint32_t colour) {
        std::uint32_t strongest = 0;
        for (int y = 0; y < label.Height(); ++y)
            for (int x = 0; x < label.Width(); ++x)
                if ((label.PixelAt(x, y) & 0xff) > (strongest & 0xff))
                    strongest = label.PixelAt(x, y);
        const double coverage = (strongest & 0xff) / double(colour & 0xff);
        EXPECT_GT(coverage, 0.6);
        EXPECT_NEAR(double((strongest >> 8) & 0xff), coverage * ((colour >> 8) & 0xff), kChannelTolerance);
        EXPECT_NEAR(double((strongest >> 16) & 0xff), coverage * ((colour >> 16) & 0xff), kChannelTolerance);
    };
    expectTextColour(vega, kStarNameLabelColour);
    expectTextColour(m110, kMessierLabelColour);
}

TEST_F(LoadCatalogsTest, WorkerThreadGivesTheSameLabels)
{
    ASSERT_TRUE(Load());
    CatalogSet other;
    CollectingSink otherSink;
    bool loaded = false;
    std::thread worker([&] {
        loaded = LoadCatalogs(other, module, otherSink, PixelFont("NanumGothic", 14),
                              PixelFont("Liberation Sans", 12));
    });
    worker.join();
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(otherSink.texts.empty());
    ASSERT_EQ(other.starNames.size(), catalogs.starNames.size());
    for (std::size_t i = 0; i < other.starNames.size(); ++i) {
        const TextBitmap& a = catalogs.starNames[i]->label;
        const TextBitmap& b = other.starNames[i]->label;
        ASSERT_EQ(a.DataSize(), b.DataSize());
        EXPECT_TRUE(std::equal(a.Data(), a.Data() + a.DataSize(), b.Data())) << i;
    }
    ASSERT_EQ(other.messier.size(), 110u);
    EXPECT_EQ(other.messier[42]->label.DataSize(), catalogs.messier[42]->label.DataSize());
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
    EXPECT_EQ(catalogs.stars[0]->position.lon, 1.7677953616);
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
    EXPECT_TRUE(LoadCatalogs(catalogs, module + "/", sink, PixelFont("NanumGothic", 14),
                             PixelFont("Liberation Sans", 12)));
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
    ASSERT_TRUE(LoadCatalogs(catalogs, KOSMIRA_SOURCE_DIR, sink, PixelFont("NanumGothic", 14),
                             PixelFont("Liberation Sans", 12)));
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
        EXPECT_GT(name->label.Width(), 0) << name->name;
    // Every boundary edge lies along a meridian or a parallel.
    for (const auto& b : catalogs.boundaries)
        EXPECT_TRUE(b->start.lon == b->end.lon || b->start.lat == b->end.lat);
}
