#include "fuzz/cataloglinesfuzz.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(CorpusReplay, CatalogLineSeedsParseSafely)
{
    const QDir dir(QStringLiteral(KOSMIRA_SOURCE_DIR "/tests/corpus/fuzz_catalog_lines"));
    const QStringList names = dir.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty()) << "no seeds in " << dir.path().toStdString();
    std::size_t lines = 0;
    for (const QString& name : names) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        lines += FuzzCatalogLines(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                  static_cast<std::size_t>(bytes.size()));
    }
    EXPECT_GT(lines, names.size());
}
