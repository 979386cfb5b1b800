#include "search/designations.h"

#include "catalog/catalogfile.h"
#include "catalog/catalogparser.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

const char* const kDesignationDataUnreadable = "천체 이름 데이터를 읽을 수 없습니다.";

namespace {

std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        std::string field = line.substr(start, tab == std::string::npos ? std::string::npos
                                                                         : tab - start);
        if (field.size() > kMaxNameBytes)
            field.resize(kMaxNameBytes);
        fields.push_back(std::move(field));
        if (tab == std::string::npos)
            return fields;
        start = tab + 1;
    }
}

bool ReadInt(const std::string& text, int low, int high, int& value)
{
    if (text.empty() || text.size() > 9)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    value = std::atoi(text.c_str());
    return value >= low && value <= high;
}

// An empty field is unknown (NaN); otherwise a finite magnitude in [-30, 30].
bool ReadMagnitude(const std::string& text, double& value)
{
    if (text.empty()) {
        value = std::nan("");
        return true;
    }
    value = ReadNumber(text.c_str());
    return std::isfinite(value) && value >= -30.0 && value <= 30.0;
}

}  // namespace

bool ParseDesignationLine(const std::string& line, Designations& into)
{
    std::string text = line;
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
    const std::vector<std::string> f = SplitTabs(text);
    if (f[0] == "C" && f.size() == 4 && !f[1].empty()) {
        into.constellations.push_back({f[1], f[2], f[3]});
        return true;
    }
    if (f[0] == "S" && f.size() == 7) {
        StarDesignation s;
        if (!ReadInt(f[1], 1, 999999999, s.hip) || f[2].empty() ||
            !ReadMagnitude(f[6], s.magnitude))
            return false;
        s.korean = f[2];
        s.proper = f[3];
        s.bayer = f[4];
        s.flamsteed = f[5];
        into.stars.push_back(std::move(s));
        return true;
    }
    if (f[0] == "M" && f.size() == 6) {
        MessierDesignation m;
        if (!ReadInt(f[1], 1, 110, m.number) || !ReadMagnitude(f[5], m.magnitude))
            return false;
        m.korean = f[2];
        m.english = f[3];
        m.ngc = f[4];
        into.messier.push_back(std::move(m));
        return true;
    }
    if (f[0] == "N" && f.size() == 4) {
        NgcDesignation n;
        if (!ReadInt(f[1], 1, 7840, n.number) || f[2].empty())
            return false;
        n.name = f[2];
        n.english = f[3];
        into.ngc.push_back(std::move(n));
        return true;
    }
    return false;
}

bool ReadDesignations(const std::string& path, Designations& into)
{
    CatalogFile file;
    if (!file.ReadLines(path))
        return false;
    for (std::size_t i = 0; i < file.LineCount(); ++i) {
        const std::string line = file.Line(i);
        if (line.empty())
            continue;
        if (!ParseDesignationLine(line, into))
            ++into.skippedLines;
    }
    return true;
}
