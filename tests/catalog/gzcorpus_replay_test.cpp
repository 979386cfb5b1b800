#include "fuzz/gzcatalogfuzz.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

// Every seed of the gz catalog fuzzer is read back through the catalog reader and every
// parser once more.
TEST(CorpusReplay, GzCatalogSeedsAreReadSafely)
{
    const QDir dir(QStringLiteral(KOSMIRA_SOURCE_DIR "/tests/corpus/fuzz_gz_catalog"));
    const QStringList names = dir.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty()) << "no seeds in " << dir.path().toStdString();
    std::size_t read = 0;
    std::size_t lines = 0;
    for (const QString& name : names) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        const std::size_t n = FuzzGzCatalog(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                            static_cast<std::size_t>(bytes.size()));
        read += n > 0 ? 1 : 0;
        lines += n;
    }
    // Only the cut-off stream is refused.
    EXPECT_EQ(read + 1, static_cast<std::size_t>(names.size()));
    EXPECT_GT(lines, names.size());
}
