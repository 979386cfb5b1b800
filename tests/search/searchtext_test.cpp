// Search keys: spaces, case and Greek spelling ignored; Korean initial consonants.
#include "search/searchtext.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using SearchText::Key;
using SearchText::ToUtf8;

TEST(SearchText, KeysDropSpacesPunctuationAndCase)
{
    const struct {
        const char* text;
        const char* key;
    } cases[] = {
        {"M 31", "m31"},
        {"m31", "m31"},
        {"NGC 7000", "ngc7000"},
        {"ngc7000", "ngc7000"},
        {"Rigil Kentaurus", "rigilkentaurus"},
        {"Bode's Galaxy", "bodesgalaxy"},
        {"Zubenel-genubi", "zubenelgenubi"},
        {"안드로메다 은하", "안드로메다은하"},
        {"  베텔게우스 ", "베텔게우스"},
        {"α Ori", "alfori"},
        {"Α ORI", "alfori"},      // capital alpha
        {"α¹ Cen", "alf1cen"},    // superscript digit
        {"Ｍ４２", "m42"},         // full-width letters and digits
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToUtf8(Key(c.text)), c.key) << c.text;
}

// Every Greek letter: the small and the capital letter give the catalogue abbreviation, and a
// Bayer name is indexed under the abbreviation and the full English name.
TEST(SearchText, AllTwentyFourGreekLettersInBothSpellings)
{
    // Unicode order of the small letters (final sigma skipped), with the abbreviations of
    // the Bright Star Catalogue and the letters' English names.
    const char* const expected[24][3] = {
        {"α", "alf", "alpha"}, {"β", "bet", "beta"},    {"γ", "gam", "gamma"},
        {"δ", "del", "delta"}, {"ε", "eps", "epsilon"}, {"ζ", "zet", "zeta"},
        {"η", "eta", "eta"},   {"θ", "tet", "theta"},   {"ι", "iot", "iota"},
        {"κ", "kap", "kappa"}, {"λ", "lam", "lambda"},  {"μ", "mu", "mu"},
        {"ν", "nu", "nu"},     {"ξ", "ksi", "xi"},      {"ο", "omi", "omicron"},
        {"π", "pi", "pi"},     {"ρ", "rho", "rho"},     {"σ", "sig", "sigma"},
        {"τ", "tau", "tau"},   {"υ", "ups", "upsilon"}, {"φ", "phi", "phi"},
        {"χ", "chi", "chi"},   {"ψ", "psi", "psi"},     {"ω", "ome", "omega"},
    };
    for (int i = 0; i < 24; ++i) {
        const std::string letter = expected[i][0];
        EXPECT_EQ(ToUtf8(Key(letter + " Ori")), std::string(expected[i][1]) + "ori") << letter;
        const auto keys = SearchText::NameKeys(letter + " Ori");
        const auto has = [&](const std::string& k) {
            for (const auto& key : keys)
                if (ToUtf8(key) == k)
                    return true;
            return false;
        };
        EXPECT_TRUE(has(std::string(expected[i][1]) + "ori")) << letter;
        EXPECT_TRUE(has(std::string(expected[i][2]) + "ori")) << letter;
    }
    // Capital letters map like the small ones; final sigma is sigma.
    EXPECT_EQ(ToUtf8(Key("Ω")), "ome");
    EXPECT_EQ(ToUtf8(Key("Σ")), "sig");
    EXPECT_EQ(ToUtf8(Key("ς")), "sig");
}

TEST(SearchText, InitialConsonantsStandForSyllables)
{
    const struct {
        const char* syllable;
        const char* initial;
    } cases[] = {{"가", "ㄱ"}, {"까", "ㄲ"}, {"베", "ㅂ"}, {"텔", "ㅌ"}, {"웅", "ㅇ"},
                 {"스", "ㅅ"}, {"힣", "ㅎ"}, {"짜", "ㅉ"}, {"뽀", "ㅃ"}};
    for (const auto& c : cases) {
        const std::u32string s = SearchText::Key(c.syllable);
        const std::u32string i = SearchText::Key(c.initial);
        ASSERT_EQ(s.size(), 1u);
        ASSERT_EQ(i.size(), 1u);
        EXPECT_EQ(SearchText::InitialConsonant(s[0]), i[0]) << c.syllable;
        EXPECT_TRUE(SearchText::Matches(i[0], s[0])) << c.syllable;
        EXPECT_FALSE(SearchText::Matches(s[0], i[0])) << c.syllable;  // not the other way
    }
    EXPECT_EQ(SearchText::InitialConsonant(U'a'), 0u);
}

TEST(SearchText, BrokenUtf8LosesNoByte)
{
    const std::string broken = std::string("M\xff") + "31\xc3";
    EXPECT_EQ(SearchText::Key(broken).size(), 5u);
}

}  // namespace
