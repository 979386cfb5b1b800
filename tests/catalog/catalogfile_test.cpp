#include "catalog/catalogfile.h"
#include "catalog/gzfilestream.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>
#include <vector>

namespace {

std::vector<std::string> Lines(const CatalogFile& file)
{
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < file.LineCount(); ++i)
        lines.emplace_back(file.Line(i));
    return lines;
}

std::vector<std::string> Split(const std::string& bytes)
{
    CatalogFile file;
    file.Assign(bytes.data(), bytes.size());
    return Lines(file);
}

using Strings = std::vector<std::string>;

class CatalogFileTest : public ::testing::Test {
protected:
    std::string PathOf(const char* name) const { return QDir(dir.path()).filePath(name).toStdString(); }
    QTemporaryDir dir;
};

}  // namespace

TEST(SplitLines, EveryLineEndSplitsTheSame)
{
    EXPECT_EQ(Split("a\r\nb\n"), (Strings{"a", "b"}));
    EXPECT_EQ(Split("a\nb"), (Strings{"a", "b"}));
    EXPECT_EQ(Split("a\rb\r"), (Strings{"a", "b"}));
    EXPECT_EQ(Split("a\r\nb\r\n"), (Strings{"a", "b"}));
    EXPECT_EQ(Split("a\rb\nc\r\nd"), (Strings{"a", "b", "c", "d"}));
}

TEST(SplitLines, TwoLineEndsInARowGiveOneEmptyLine)
{
    EXPECT_EQ(Split("a\n\nb"), (Strings{"a", "", "b"}));
    EXPECT_EQ(Split("a\r\rb"), (Strings{"a", "", "b"}));
    EXPECT_EQ(Split("a\r\n\r\nb"), (Strings{"a", "", "b"}));
    // LF then CR is two line ends, not one.
    EXPECT_EQ(Split("a\n\rb"), (Strings{"a", "", "b"}));
    EXPECT_EQ(Split("\n"), (Strings{""}));
    EXPECT_EQ(Split("\n\n"), (Strings{"", ""}));
}

TEST(SplitLines, LineEndAtTheVeryEndAddsNoLine)
{
    EXPECT_EQ(Split("a\n"), (Strings{"a"}));
    EXPECT_EQ(Split("a\r"), (Strings{"a"}));
    EXPECT_EQ(Split("a\r\n"), (Strings{"a"}));
    EXPECT_EQ(Split(""), Strings{});
}

TEST(SplitLines, LastLineWithoutTerminatorIsTerminatedInsideTheBuffer)
{
    const std::string bytes = "12345\n678";
    CatalogFile file;
    file.Assign(bytes.data(), bytes.size());
    ASSERT_EQ(file.LineCount(), 2u);
    EXPECT_STREQ(file.Line(1), "678");
    EXPECT_EQ(file.Length(), bytes.size());
    // Lines are writable: parsers may cut fields in place.
    file.Line(0)[2] = '\0';
    EXPECT_STREQ(file.Line(0), "12");
}

TEST(SplitLines, LinesPointIntoOneBufferInFileOrder)
{
    CatalogFile file;
    const std::string bytes = "ab\ncd\r\nef";
    file.Assign(bytes.data(), bytes.size());
    ASSERT_EQ(file.LineCount(), 3u);
    EXPECT_EQ(file.Line(1) - file.Line(0), 3);
    EXPECT_EQ(file.Line(2) - file.Line(1), 4);
}

TEST_F(CatalogFileTest, ReadsAPlainFile)
{
    WriteText(PathOf("star.dat"), "first\r\nsecond\r\n");
    CatalogFile file;
    ASSERT_TRUE(file.ReadLines(PathOf("star.dat")));
    EXPECT_EQ(Lines(file), (Strings{"first", "second"}));
    file.Release();
    EXPECT_EQ(file.LineCount(), 0u);
    EXPECT_EQ(file.Length(), 0u);
}

TEST_F(CatalogFileTest, EmptyPlainFileIsReadWithNoLines)
{
    WriteText(PathOf("empty.dat"), "");
    CatalogFile file;
    EXPECT_TRUE(file.ReadLines(PathOf("empty.dat")));
    EXPECT_EQ(file.LineCount(), 0u);
}

TEST_F(CatalogFileTest, GzOnlyGivesTheSameLinesAsThePlainFile)
{
    const std::string text = "  0.0000   28.0000 And\r\n  0.0000   31.3333 And\n 23.7500   31.3333 And";
    WriteText(PathOf("plain.dat"), text);
    WriteGz(PathOf("packed.dat.gz"), text);
    CatalogFile plain;
    CatalogFile packed;
    ASSERT_TRUE(plain.ReadLines(PathOf("plain.dat")));
    ASSERT_TRUE(packed.ReadLines(PathOf("packed.dat")));
    EXPECT_EQ(Lines(packed), Lines(plain));
    EXPECT_EQ(packed.LineCount(), 3u);
    EXPECT_EQ(packed.Length(), text.size());
}

TEST_F(CatalogFileTest, LargeGzIsJoinedFromManyChunks)
{
    // Compresses to far less than its size, so many chunks of the compressed size are read.
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "line " + std::to_string(i % 7) + "\n";
    WriteGz(PathOf("big.dat.gz"), text);
    CatalogFile file;
    ASSERT_TRUE(file.ReadLines(PathOf("big.dat")));
    ASSERT_EQ(file.LineCount(), 20000u);
    EXPECT_STREQ(file.Line(19998), "line 6");
    EXPECT_STREQ(file.Line(19999), "line 0");
    EXPECT_EQ(file.Length(), text.size());
}

TEST_F(CatalogFileTest, PlainFileWinsOverGz)
{
    WriteText(PathOf("both.dat"), "plain\n");
    WriteGz(PathOf("both.dat.gz"), "packed\n");
    CatalogFile file;
    ASSERT_TRUE(file.ReadLines(PathOf("both.dat")));
    EXPECT_EQ(Lines(file), (Strings{"plain"}));
}

TEST_F(CatalogFileTest, ReadOnlyGzIsRead)
{
    WriteGz(PathOf("ro.dat.gz"), "x\ny\n");
    ASSERT_EQ(chmod(PathOf("ro.dat.gz").c_str(), 0444), 0);
    CatalogFile file;
    ASSERT_TRUE(file.ReadLines(PathOf("ro.dat")));
    EXPECT_EQ(Lines(file), (Strings{"x", "y"}));
}

TEST_F(CatalogFileTest, MissingFileFails)
{
    CatalogFile file;
    EXPECT_FALSE(file.ReadLines(PathOf("none.dat")));
    EXPECT_EQ(file.LineCount(), 0u);
}

TEST_F(CatalogFileTest, GzThatDecompressesToNothingFails)
{
    WriteGz(PathOf("void.dat.gz"), "");
    WriteText(PathOf("zero.dat.gz"), "");
    CatalogFile file;
    EXPECT_FALSE(file.ReadLines(PathOf("void.dat")));
    EXPECT_FALSE(file.ReadLines(PathOf("zero.dat")));
    EXPECT_EQ(file.LineCount(), 0u);
}

TEST_F(CatalogFileTest, DamagedGzFails)
{
    std::string text;
    for (int i = 0; i < 500; ++i)
        text += "row " + std::to_string(i) + "\n";
    WriteGz(PathOf("whole.dat.gz"), text);
    std::ifstream in(PathOf("whole.dat.gz"), std::ios::binary);
    std::string packed((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    WriteText(PathOf("cut.dat.gz"), packed.substr(0, packed.size() / 2));
    CatalogFile file;
    EXPECT_FALSE(file.ReadLines(PathOf("cut.dat")));
    EXPECT_EQ(file.LineCount(), 0u);
}

TEST_F(CatalogFileTest, GzPathThatDoesNotFitIsRefused)
{
    // The ".gz" name is built in 260 bytes: a plain path of 256 bytes fits, 257 does not.
    std::string folder = PathOf("");
    while (folder.size() < 200) {
        folder += std::string(40, 'd') + "/";
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
    }
    auto pathOfLength = [&](std::size_t total) {
        return folder + std::string(total - folder.size() - 4, 'n') + ".dat";
    };
    const std::string fits = pathOfLength(256);
    const std::string tooLong = pathOfLength(257);
    ASSERT_EQ(fits.size(), 256u);
    WriteGz(fits + ".gz", "fits\n");
    WriteGz(tooLong + ".gz", "too long\n");
    CatalogFile file;
    ASSERT_TRUE(file.ReadLines(fits));
    EXPECT_EQ(Lines(file), (Strings{"fits"}));
    EXPECT_FALSE(file.ReadLines(tooLong));
    EXPECT_EQ(file.LineCount(), 0u);
    // The plain file itself has no such limit.
    WriteText(tooLong, "plain\n");
    EXPECT_TRUE(file.ReadLines(tooLong));
}

TEST_F(CatalogFileTest, ReleaseBetweenFilesOfOneObject)
{
    WriteText(PathOf("one.dat"), "1\n2\n3\n");
    WriteText(PathOf("two.dat"), "4\n");
    CatalogFile file;
    ASSERT_TRUE(file.ReadLines(PathOf("one.dat")));
    EXPECT_EQ(file.LineCount(), 3u);
    file.Release();
    ASSERT_TRUE(file.ReadLines(PathOf("two.dat")));
    EXPECT_EQ(Lines(file), (Strings{"4"}));
}

TEST_F(CatalogFileTest, GzStreamReadsWhatWasWritten)
{
    GzFileStream in;
    EXPECT_FALSE(in.IsOpen());
    EXPECT_FALSE(in.Close());
    WriteGz(PathOf("written.dat.gz"), "alpha\nbeta\n");
    ASSERT_TRUE(in.Open(PathOf("written.dat.gz")));
    EXPECT_FALSE(in.Open(PathOf("other.gz")));  // already open
    EXPECT_GT(in.compressedSize, 0);
    EXPECT_EQ(in.Read(nullptr, -1), 0);
    char head[6] = {};
    ASSERT_EQ(in.Read(head, 5), 5);
    EXPECT_STREQ(head, "alpha");
    std::unique_ptr<char[]> rest;
    std::uint32_t length = 99;
    ASSERT_TRUE(in.ReadAll(rest, length));
    EXPECT_EQ(std::string(rest.get(), length), "\nbeta\n");
    EXPECT_EQ(rest[length], '\0');
    EXPECT_TRUE(in.Close());
    EXPECT_FALSE(in.IsOpen());
}

TEST_F(CatalogFileTest, GzStreamOpenForReadingNeedsTheFile)
{
    GzFileStream in;
    EXPECT_FALSE(in.Open(PathOf("absent.gz")));
    EXPECT_FALSE(in.IsOpen());
    std::unique_ptr<char[]> buffer;
    std::uint32_t length = 7;
    EXPECT_FALSE(in.ReadAll(buffer, length));
    EXPECT_EQ(length, 0u);
    EXPECT_EQ(buffer, nullptr);
}

// ----- Size cap of decompressed catalogs -----

TEST_F(CatalogFileTest, GzStreamRefusesContentAboveItsCap)
{
    struct Case {
        std::size_t contentBytes;
        std::uint64_t cap;
        bool read;
    };
    // Below, at and above the cap; the cap also holds across the scratch buffer's size.
    const Case cases[] = {{999, 1000, true},
                          {1000, 1000, true},
                          {1001, 1000, false},
                          {GzFileStream::kScratchBytes * 3, GzFileStream::kScratchBytes * 3, true},
                          {GzFileStream::kScratchBytes * 3 + 1, GzFileStream::kScratchBytes * 3, false}};
    for (const Case& c : cases) {
        const std::string content(c.contentBytes, 'a');
        WriteGz(PathOf("capped.gz"), content);
        GzFileStream stream;
        ASSERT_TRUE(stream.Open(PathOf("capped.gz")));
        stream.maxLength = c.cap;
        std::unique_ptr<char[]> buffer;
        std::uint32_t length = 7;
        EXPECT_EQ(stream.ReadAll(buffer, length), c.read) << c.contentBytes << " bytes, cap " << c.cap;
        if (c.read) {
            ASSERT_EQ(length, c.contentBytes);
            EXPECT_EQ(std::string(buffer.get(), length), content);
            EXPECT_EQ(buffer[length], '\0');
        } else {
            EXPECT_EQ(length, 0u);
            EXPECT_EQ(buffer, nullptr);
        }
    }
}

TEST_F(CatalogFileTest, GzBombAboveSixtyFourMebibytesIsUnreadable)
{
    // 64 MiB and one byte of line ends compress to about 64 KiB.
    {
        gzFile f = gzopen(PathOf("bomb.dat.gz").c_str(), "wb9");
        ASSERT_NE(f, nullptr);
        const std::string block(1 << 20, '\n');
        for (int i = 0; i < 64; ++i)
            ASSERT_EQ(gzwrite(f, block.data(), static_cast<unsigned>(block.size())), int(block.size()));
        ASSERT_EQ(gzwrite(f, "x", 1), 1);
        gzclose(f);
    }
    CatalogFile file;
    EXPECT_FALSE(file.ReadLines(PathOf("bomb.dat")));
    EXPECT_EQ(file.LineCount(), 0u);
    EXPECT_EQ(file.Length(), 0u);
}

TEST_F(CatalogFileTest, PlainFileAboveSixtyFourMebibytesIsUnreadable)
{
    {
        std::FILE* f = std::fopen(PathOf("huge.dat").c_str(), "wb");
        ASSERT_NE(f, nullptr);
        // A sparse file: its size is what counts, not its blocks on disk.
        ASSERT_EQ(std::fseek(f, (64L << 20), SEEK_SET), 0);
        ASSERT_EQ(std::fputc('\n', f), '\n');
        std::fclose(f);
    }
    CatalogFile file;
    EXPECT_FALSE(file.ReadLines(PathOf("huge.dat")));
}

TEST_F(CatalogFileTest, GzReadsSayTheyAreCompressed)
{
    WriteGz(PathOf("packed.dat.gz"), "a\n");
    WriteText(PathOf("plain.dat"), "a\n");
    CatalogFile file;
    ASSERT_TRUE(file.ReadLines(PathOf("packed.dat")));
    EXPECT_TRUE(file.Compressed());
    ASSERT_TRUE(file.ReadLines(PathOf("plain.dat")));
    EXPECT_FALSE(file.Compressed());
}
