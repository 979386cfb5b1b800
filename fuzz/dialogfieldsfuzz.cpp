#include "fuzz/dialogfieldsfuzz.h"

#include "app/fieldparsers.h"
#include "timesync/ctimeserverclient.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

std::size_t FuzzDialogFields(const std::uint8_t* data, std::size_t size)
{
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> texts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= all.size(); ++i) {
        if (i == all.size() || all[i] == '\n') {
            texts.push_back(all.substr(start, i - start));
            start = i + 1;
        }
    }

    std::size_t valid = 0;
    std::uint32_t fields[kTimeFieldCount] = {};
    std::size_t filled = 0;
    for (const std::string_view text : texts) {
        std::uint32_t u = 0;
        if (ReadTimeField(text, u) == FieldReading::Valid) {
            if (u > kMaxTimeField)
                std::abort();
            ++valid;
        }
        fields[filled++ % kTimeFieldCount] = u;
        if (filled % kTimeFieldCount == 0) {
            double date = 0.0;
            double hours = 0.0;
            if (InstantFromTimeFields(fields, date, hours) &&
                !(std::fabs(date + hours / 24.0) < kJulianDateLimit))
                std::abort();
        }

        double jd = 0.0;
        if (ReadJulianDateField(text, jd) == FieldReading::Valid) {
            if (!(std::fabs(jd) < kJulianDateLimit))
                std::abort();
            ++valid;
        }
        for (int f = 0; f < kFieldZoneHours; ++f) {
            std::uint32_t v = 0;
            if (ReadLocationField(f, text, v) == FieldReading::Valid && v > LocationFieldLimit(f))
                std::abort();
        }
        double zone = 0.0;
        if (ReadZoneHoursField(text, zone) == FieldReading::Valid && !(zone >= 0.0 && zone <= kMaxZoneHours))
            std::abort();
        if (IsServerAddress(std::string(text)) && (text.empty() || text.size() > kMaxServerAddressBytes))
            std::abort();
    }
    return valid;
}
