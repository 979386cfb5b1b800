#pragma once

#include <string>
#include <vector>

// How names are compared by the object search. Every name and every query is reduced to a
// search key: UTF-8 decoded to code points, spaces, dots, hyphens, apostrophes and other
// punctuation dropped, ASCII letters lower-cased, and each Greek letter written as its
// three-letter Latin abbreviation ("α" -> "alf", "β" -> "bet", ... "ω" -> "ome"), so that
// "α Ori", "alf Ori" and "ALF ori" share the key "alfori". A Bayer name is indexed under its
// full spelling too ("alphaori"), see BayerSpellings.

namespace SearchText {

// The 24 Greek letters in order: the small letter (UTF-8), the three-letter abbreviation of
// the star catalogues and the full English name.
struct GreekLetter {
    const char* letter;
    const char* abbreviation;
    const char* name;
};
extern const GreekLetter kGreekLetters[24];

// The search key of a text (see above), as code points.
std::u32string Key(const std::string& utf8);

// A name's keys: Key(name), and for a name that starts with a Greek letter (a Bayer
// designation, "α1 Cen") also the spellings with the letter's full name and without the
// superscript digit ("alpha1cen", "alfcen", "alphacen"). No duplicates.
std::vector<std::u32string> NameKeys(const std::string& utf8);

// Whether a code point is a Hangul syllable, a Hangul compatibility consonant (ㄱ .. ㅎ).
bool IsHangulSyllable(char32_t c);
bool IsHangulConsonant(char32_t c);
// The initial consonant of a syllable as a compatibility consonant ("베" -> "ㅂ").
char32_t InitialConsonant(char32_t syllable);

// Whether a query character stands for a name character: equal, or a consonant that is
// the syllable's initial (so "ㅂㅌㄱㅇㅅ" and "베텔ㄱ" both stand for "베텔게우스").
inline bool Matches(char32_t query, char32_t name)
{
    return query == name ||
           (IsHangulConsonant(query) && IsHangulSyllable(name) && InitialConsonant(name) == query);
}

// UTF-8 of code points (for messages and tests).
std::string ToUtf8(const std::u32string& text);

}  // namespace SearchText
