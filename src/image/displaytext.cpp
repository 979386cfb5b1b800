#include "image/displaytext.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <vector>

namespace {

// One conversion descriptor per call: iconv descriptors are not shareable between threads
// and the loader renders labels on a worker thread.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (Ok())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t Get() const { return cd_; }

private:
    iconv_t cd_;
};

// Number of bytes of the UTF-8 sequence starting with lead byte c (1 for a stray byte).
std::size_t Utf8SequenceLength(unsigned char c)
{
    if (c >= 0xf0)
        return 4;
    if (c >= 0xe0)
        return 3;
    if (c >= 0xc0)
        return 2;
    return 1;
}

}  // namespace

bool IsValidUtf8(const std::string& bytes)
{
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t extra;
        char32_t value;
        char32_t minimum;
        if (c >= 0xc2 && c <= 0xdf) {
            extra = 1;
            value = c & 0x1f;
            minimum = 0x80;
        } else if (c >= 0xe0 && c <= 0xef) {
            extra = 2;
            value = c & 0x0f;
            minimum = 0x800;
        } else if (c >= 0xf0 && c <= 0xf4) {
            extra = 3;
            value = c & 0x07;
            minimum = 0x10000;
        } else {
            return false;
        }
        if (n - i - 1 < extra)
            return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const unsigned char t = s[i + k];
            if ((t & 0xc0) != 0x80)
                return false;
            value = (value << 6) | (t & 0x3f);
        }
        if (value < minimum || value > 0x10ffff || (value >= 0xd800 && value <= 0xdfff))
            return false;
        i += extra + 1;
    }
    return true;
}

QString DisplayText(const std::string& bytes)
{
    if (IsValidUtf8(bytes))
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));

    Converter converter("UTF-8", "CP949");
    if (!converter.Ok())
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));

    std::vector<char> in(bytes.begin(), bytes.end());
    // Every code page 949 byte becomes at most three UTF-8 bytes (U+FFFD included).
    std::vector<char> out(in.size() * 3 + 4);
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    static const char kReplacement[] = "\xef\xbf\xbd";
    while (inLeft > 0) {
        if (iconv(converter.Get(), &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1))
            break;
        if (errno == E2BIG || outLeft < 3)
            break;
        // An invalid or truncated sequence: show one replacement character and go on
        // after its first byte.
        for (int k = 0; k < 3; ++k)
            *outPtr++ = kReplacement[k];
        outLeft -= 3;
        ++inPtr;
        --inLeft;
        iconv(converter.Get(), nullptr, nullptr, nullptr, nullptr);
    }
    return QString::fromUtf8(out.data(), static_cast<qsizetype>(outPtr - out.data()));
}

std::size_t Cp949Length(const std::string& bytes)
{
    if (!IsValidUtf8(bytes))
        return bytes.size();

    bool ascii = true;
    for (unsigned char c : bytes)
        ascii = ascii && c < 0x80;
    if (ascii)
        return bytes.size();

    Converter converter("CP949", "UTF-8");
    std::vector<char> in(bytes.begin(), bytes.end());
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    std::size_t total = 0;
    char buffer[256];
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        std::size_t result = static_cast<std::size_t>(-1);
        if (converter.Ok())
            result = iconv(converter.Get(), &inPtr, &inLeft, &outPtr, &outLeft);
        total += sizeof buffer - outLeft;
        if (result != static_cast<std::size_t>(-1))
            break;
        if (converter.Ok() && errno == E2BIG)
            continue;
        // A character code page 949 has no code for: count it as one double-byte cell.
        const std::size_t skip = std::min(Utf8SequenceLength(static_cast<unsigned char>(*inPtr)), inLeft);
        total += static_cast<unsigned char>(*inPtr) < 0x80 ? 1 : 2;
        inPtr += skip;
        inLeft -= skip;
        if (converter.Ok())
            iconv(converter.Get(), nullptr, nullptr, nullptr, nullptr);
    }
    return total;
}
