#include "fuzz/dibimagefuzz.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(CorpusReplay, DibImageSeedsDecodeSafely)
{
    const QDir dir(QStringLiteral(KOSMIRA_SOURCE_DIR "/tests/corpus/fuzz_dib_image"));
    const QStringList names = dir.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty()) << "no seeds in " << dir.path().toStdString();
    int decoded = 0;
    for (const QString& name : names) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        decoded += FuzzDibImage(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                static_cast<std::size_t>(bytes.size()));
    }
    // The seeds include well-formed bitmaps of every depth.
    EXPECT_GE(decoded, 6);
}
