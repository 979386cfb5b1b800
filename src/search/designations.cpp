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
        int hip = 0;
        double magnitude = 0.0;
        if (!ReadInt(f[1], 1, 999999999, hip) || f[2].empty() || !ReadMagnitude(f[6], magnitude))
            return false;
        into.stars.push_back({hip, f[2], f[3], f[4], f[5], magnitude});
        return true;
    }
    if (f[0] == "M" && f.size() == 6) {
        int number = 0;
        double magnitude = 0.0;
        if (!ReadInt(f[1], 1, 110, number) || !ReadMagnitude(f[5], magnitude))
            return false;
        into.messier.push_back({number, f[2], f[3], f[4], magnitude});
        return true;
    }
    if (f[0] == "N" && f.size() == 4) {
        int number = 0;
        if (!ReadInt(f[1], 1, 7840, number) || f[2].empty())
            return false;
        into.ngc.push_back({number, f[2], f[3]});
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
