#include "search/searchtext.h"

#include <algorithm>
#include <cstdint>

namespace SearchText {

const GreekLetter kGreekLetters[24] = {
    {"α", "alf", "alpha"},   {"β", "bet", "beta"},    {"γ", "gam", "gamma"},
    {"δ", "del", "delta"},   {"ε", "eps", "epsilon"}, {"ζ", "zet", "zeta"},
    {"η", "eta", "eta"},     {"θ", "tet", "theta"},   {"ι", "iot", "iota"},
    {"κ", "kap", "kappa"},   {"λ", "lam", "lambda"},  {"μ", "mu", "mu"},
    {"ν", "nu", "nu"},       {"ξ", "ksi", "xi"},      {"ο", "omi", "omicron"},
    {"π", "pi", "pi"},       {"ρ", "rho", "rho"},     {"σ", "sig", "sigma"},
    {"τ", "tau", "tau"},     {"υ", "ups", "upsilon"}, {"φ", "phi", "phi"},
    {"χ", "chi", "chi"},     {"ψ", "psi", "psi"},     {"ω", "ome", "omega"},
};

namespace {

// Decodes UTF-8; a byte that does not start a valid sequence stands for itself (Latin-1),
// so no input is lost.
std::u32string Decode(const std::string& s)
{
    std::u32string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        int extra = b >= 0xF0 && b < 0xF8 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
        if (b >= 0xF8 || (b >= 0x80 && b < 0xC0))
            extra = 0;
        char32_t c = extra == 3 ? b & 0x07 : extra == 2 ? b & 0x0F : extra == 1 ? b & 0x1F : b;
        bool ok = true;
        for (int k = 1; ok && k <= extra; ++k) {
            if (i + k >= s.size()) {
                ok = false;
                break;
            }
            const auto cont = static_cast<unsigned char>(s[i + k]);
            ok = (cont & 0xC0) == 0x80;
            c = (c << 6) | (cont & 0x3F);
        }
        if (!ok) {
            out.push_back(b);
            ++i;
            continue;
        }
        out.push_back(c);
        i += 1 + extra;
    }
    return out;
}

// Greek small (and capital) letters to their index in kGreekLetters, -1 for others. Final
// sigma counts as sigma.
int GreekIndex(char32_t c)
{
    if (c >= U'Α' && c <= U'Ω' && c != 0x03A2)
        c += 0x20;
    if (c == U'ς')
        c = U'σ';
    if (c < U'α' || c > U'ω')
        return -1;
    const int i = static_cast<int>(c - U'α');
    return i > 17 ? i - 1 : i;  // U+03C2 (final sigma) lies between rho and sigma
}

bool Dropped(char32_t c)
{
    if (c < 0x80)
        return !((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'));
    // General punctuation, middle dots, no-break and thin spaces, prime marks.
    return c == 0xA0 || c == 0xB7 || (c >= 0x2000 && c <= 0x206F) || c == 0x3000 ||
           c == 0x30FB || c == 0xB4;
}

void AppendAscii(std::u32string& out, const char* text)
{
    for (; *text; ++text)
        out.push_back(static_cast<char32_t>(*text));
}

}  // namespace

bool IsHangulSyllable(char32_t c)
{
    return c >= 0xAC00 && c <= 0xD7A3;
}

bool IsHangulConsonant(char32_t c)
{
    return c >= 0x3131 && c <= 0x314E;
}

char32_t InitialConsonant(char32_t syllable)
{
    // The 19 initials in the order of the syllable block, as compatibility jamo.
    static const char32_t kInitials[19] = {0x3131, 0x3132, 0x3134, 0x3137, 0x3138,
                                           0x3139, 0x3141, 0x3142, 0x3143, 0x3145,
                                           0x3146, 0x3147, 0x3148, 0x3149, 0x314A,
                                           0x314B, 0x314C, 0x314D, 0x314E};
    if (!IsHangulSyllable(syllable))
        return 0;
    return kInitials[(syllable - 0xAC00) / 588];
}

std::u32string Key(const std::string& utf8)
{
    std::u32string out;
    for (char32_t c : Decode(utf8)) {
        if (Dropped(c))
            continue;
        const int greek = GreekIndex(c);
        if (greek >= 0) {
            AppendAscii(out, kGreekLetters[greek].abbreviation);
            continue;
        }
        if (c >= 'A' && c <= 'Z')
            c += 'a' - 'A';
        if (c >= 0xFF21 && c <= 0xFF3A)  // full-width Latin capitals
            c += 0x20;
        if (c >= 0xFF10 && c <= 0xFF5A)  // full-width digits and small letters
            c -= 0xFEE0;
        // Superscript digits as digits ("α¹" is "α1").
        if (c == 0xB9)
            c = '1';
        else if (c == 0xB2 || c == 0xB3)
            c = '0' + (c - 0xB0);
        out.push_back(c);
    }
    return out;
}

std::vector<std::u32string> NameKeys(const std::string& utf8)
{
    std::vector<std::u32string> keys{Key(utf8)};
    const std::u32string decoded = Decode(utf8);
    if (decoded.empty() || GreekIndex(decoded[0]) < 0)
        return keys;
    const GreekLetter& g = kGreekLetters[GreekIndex(decoded[0])];
    const std::u32string rest = Key(ToUtf8(decoded.substr(1)));
    std::u32string withoutDigit = rest;
    while (!withoutDigit.empty() && withoutDigit[0] >= '0' && withoutDigit[0] <= '9')
        withoutDigit.erase(0, 1);
    for (const char* spelling : {g.abbreviation, g.name}) {
        for (const std::u32string* tail : {&rest, static_cast<const std::u32string*>(&withoutDigit)}) {
            std::u32string k;
            AppendAscii(k, spelling);
            k += *tail;
            if (std::find(keys.begin(), keys.end(), k) == keys.end())
                keys.push_back(k);
        }
    }
    return keys;
}

std::string ToUtf8(const std::u32string& text)
{
    std::string out;
    for (char32_t c : text) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

}  // namespace SearchText
