#include "catalog/typeimagecache.h"
#include "image/messagesink.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class CollectingSink : public MessageSink {
public:
    void Report(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

// A 2 x 1 24-bit bitmap with a file header.
void WriteTinyBitmap(const std::string& path)
{
    const unsigned char bytes[] = {
        'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,                   // file header
        40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,     // info header
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0, 0, 255, 0, 255, 0, 0, 0,                                       // red, green, pad
    };
    WriteText(path, std::string(reinterpret_cast<const char*>(bytes), sizeof bytes));
}

}  // namespace

TEST(TypeImage, MissingImagesAreReportedOnceAndNotRetried)
{
    QTemporaryDir dir;
    const std::string module = dir.path().toStdString();
    ASSERT_TRUE(QDir(dir.path()).mkdir("images"));
    WriteTinyBitmap(module + "/images/Galaxy.bmp");
    TypeImageCache cache;
    CollectingSink sink;
    const DibImage* galaxy = cache.Get(NgcType::Galaxy, module, sink);
    ASSERT_NE(galaxy, nullptr);
    EXPECT_EQ(galaxy->width, 2);
    ASSERT_EQ(sink.texts.size(), 4u);
    EXPECT_EQ(sink.texts[0], "Failed to open DIB file " + module + "/images/OpenNebular.bmp.\n");
    EXPECT_EQ(sink.texts[3], "Failed to open DIB file " + module + "/images/DiffuseNebular.bmp.\n");
    // Every paint asks again for every object: no second report, no second read.
    EXPECT_EQ(cache.Get(NgcType::OpenCluster, module, sink), nullptr);
    EXPECT_EQ(sink.texts.size(), 4u);
    WriteTinyBitmap(module + "/images/OpenNebular.bmp");
    EXPECT_EQ(cache.Get(NgcType::OpenCluster, module, sink), nullptr);
    EXPECT_EQ(sink.texts.size(), 4u);
    EXPECT_EQ(cache.Get(NgcType::Galaxy, module, sink), galaxy);
}

TEST(TypeImage, ShippedImagesOnePerTypeSharedAboveThree)
{
    for (const char* name : TypeImageCache::kFileNames)
        if (!Exists(ShippedPath(name)))
            GTEST_SKIP() << name << " is not shipped yet";
    TypeImageCache cache;
    CollectingSink sink;
    const std::string module = KOSMIRA_SOURCE_DIR;
    const DibImage* images[5];
    for (int t = 0; t < 5; ++t) {
        images[t] = cache.Get(static_cast<NgcType>(t), module, sink);
        ASSERT_NE(images[t], nullptr) << t;
    }
    EXPECT_TRUE(sink.texts.empty());
    for (int t = 0; t < 5; ++t)
        for (int u = t + 1; u < 5; ++u)
            EXPECT_NE(images[t], images[u]);
    EXPECT_EQ(cache.Get(static_cast<NgcType>(7), module, sink), images[4]);
    EXPECT_EQ(cache.Get(static_cast<NgcType>(-1), module, sink), images[4]);

    NgcObject galaxy("NGC 224", NgcType::Galaxy, SphericalCoord(0.19, 0.72));
    const DibImage* shared = TypeImage(galaxy, module, sink);
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(TypeImage(galaxy, module, sink), shared);
    EXPECT_TRUE(sink.texts.empty());
}
