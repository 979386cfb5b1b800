#include "image/displaytext.h"

#include <gtest/gtest.h>

// "시리우스" and "북극성" in code page 949, as iconv -t CP949 writes them.
const std::string kSiriusCp949 = "\xbd\xc3\xb8\xae\xbf\xec\xbd\xba";
const std::string kPolarisCp949 = "\xba\xcf\xb1\xd8\xbc\xba";

TEST(DisplayText, Utf8IsTakenAsIs)
{
    EXPECT_EQ(DisplayText("시리우스"), QString::fromUtf8("시리우스"));
    EXPECT_EQ(DisplayText("Polaris"), QStringLiteral("Polaris"));
    EXPECT_EQ(DisplayText(""), QString());
}

TEST(DisplayText, Cp949IsDecoded)
{
    EXPECT_EQ(DisplayText(kSiriusCp949), QString::fromUtf8("시리우스"));
    EXPECT_EQ(DisplayText(kPolarisCp949 + " A"), QString::fromUtf8("북극성 A"));
}

TEST(DisplayText, UndecodableBytesBecomeReplacementCharacters)
{
    // 0xff is neither UTF-8 nor a code page 949 lead byte; a lone lead byte at the end is
    // truncated.
    const QString text = DisplayText("A\xff" "B\xbd");
    EXPECT_EQ(text, QString::fromUtf8("A\xef\xbf\xbd" "B\xef\xbf\xbd"));
}

TEST(DisplayText, Cp949LengthCountsTwoBytesPerSyllable)
{
    EXPECT_EQ(Cp949Length("시리우스"), 8u);
    EXPECT_EQ(Cp949Length(kSiriusCp949), 8u);
    EXPECT_EQ(Cp949Length("M31"), 3u);
    EXPECT_EQ(Cp949Length("알파 Cen"), 8u);
    EXPECT_EQ(Cp949Length(""), 0u);
    // No code page 949 code: counted as one double-byte cell.
    EXPECT_EQ(Cp949Length("\xf0\x9f\x8c\x8c"), 2u);
}

TEST(DisplayText, Utf8Validation)
{
    EXPECT_TRUE(IsValidUtf8("북극성"));
    EXPECT_TRUE(IsValidUtf8("plain"));
    EXPECT_FALSE(IsValidUtf8(kSiriusCp949));
    EXPECT_FALSE(IsValidUtf8("\xc0\xaf"));          // overlong '/'
    EXPECT_FALSE(IsValidUtf8("\xed\xa0\x80"));      // surrogate
    EXPECT_FALSE(IsValidUtf8("\xf4\x90\x80\x80"));  // past U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\xe2\x82"));          // truncated
}
