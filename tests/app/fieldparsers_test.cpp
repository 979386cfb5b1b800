// The number readers shared by the time and location dialogs and their fuzz target.

#include "app/fieldparsers.h"
#include "astro/time/juliandate.h"
#include "fuzz/dialogfieldsfuzz.h"
#include "tests/corpusreplay.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

constexpr double kToleranceDays = 1e-9;

const char* Name(FieldReading r)
{
    switch (r) {
    case FieldReading::Valid: return "Valid";
    case FieldReading::Incomplete: return "Incomplete";
    default: return "Invalid";
    }
}

}  // namespace

TEST(FieldParsers, UnsignedFields)
{
    struct Case {
        const char* text;
        std::uint32_t limit;
        FieldReading reading;
        std::uint32_t value;
    };
    const Case cases[] = {
        {"2003", kMaxTimeField, FieldReading::Valid, 2003},
        {"  7 ", kMaxTimeField, FieldReading::Valid, 7},
        {"0", 59, FieldReading::Valid, 0},
        {"59", 59, FieldReading::Valid, 59},
        {"60", 59, FieldReading::Invalid, 0},
        {"999999999", kMaxTimeField, FieldReading::Valid, 999999999},
        {"1000000000", kMaxTimeField, FieldReading::Invalid, 0},
        {"4294967295", kMaxTimeField, FieldReading::Invalid, 0},
        {"4294967296", 4294967295u, FieldReading::Invalid, 0},
        {"4294967295", 4294967295u, FieldReading::Valid, 4294967295u},
        {"99999999999999999999999999999", 4294967295u, FieldReading::Invalid, 0},
        {"", 59, FieldReading::Incomplete, 0},
        {"   ", 59, FieldReading::Incomplete, 0},
        {"-1", 59, FieldReading::Invalid, 0},
        {"+1", 59, FieldReading::Invalid, 0},
        {"1.5", 59, FieldReading::Invalid, 0},
        {"1 2", 59, FieldReading::Invalid, 0},
        {"x", 59, FieldReading::Invalid, 0},
        {"٣", 59, FieldReading::Invalid, 0},  // an Arabic-Indic digit
    };
    for (const Case& c : cases) {
        std::uint32_t value = 0;
        const FieldReading r = ReadUnsignedField(c.text, c.limit, value);
        EXPECT_EQ(r, c.reading) << c.text << " read " << Name(r);
        if (c.reading == FieldReading::Valid)
            EXPECT_EQ(value, c.value) << c.text;
        else
            EXPECT_EQ(value, 0u) << c.text << ": a refused text stores nothing";
    }
}

TEST(FieldParsers, DecimalFields)
{
    struct Case {
        const char* text;
        FieldReading reading;
        double value;
    };
    // Julian dates: strictly between -1e9 and 1e9.
    const Case cases[] = {
        {"2452676.5", FieldReading::Valid, 2452676.5},
        {" -12.25 ", FieldReading::Valid, -12.25},
        {"+.5", FieldReading::Valid, 0.5},
        {"2.4e6", FieldReading::Valid, 2.4e6},
        {"999999999.9", FieldReading::Valid, 999999999.9},
        {"1e9", FieldReading::Invalid, 0},
        {"-1e9", FieldReading::Invalid, 0},
        {"1e308", FieldReading::Invalid, 0},
        {"1e999", FieldReading::Invalid, 0},
        {"", FieldReading::Incomplete, 0},
        {"-", FieldReading::Incomplete, 0},
        {".", FieldReading::Incomplete, 0},
        {"2452676.5e", FieldReading::Incomplete, 0},
        {"2452676.5e-", FieldReading::Incomplete, 0},
        {"inf", FieldReading::Invalid, 0},
        {"nan", FieldReading::Invalid, 0},
        {"0x10", FieldReading::Invalid, 0},
        {"1,5", FieldReading::Invalid, 0},
        {"e5", FieldReading::Invalid, 0},
        {"--1", FieldReading::Invalid, 0},
    };
    for (const Case& c : cases) {
        double value = 0.0;
        const FieldReading r = ReadJulianDateField(c.text, value);
        EXPECT_EQ(r, c.reading) << c.text << " read " << Name(r);
        EXPECT_EQ(value, c.reading == FieldReading::Valid ? c.value : 0.0) << c.text;
    }
}

TEST(FieldParsers, LocationFields)
{
    struct Case {
        int field;
        const char* text;
        FieldReading reading;
    };
    const Case cases[] = {
        {kFieldLonDegrees, "180", FieldReading::Valid}, {kFieldLonDegrees, "181", FieldReading::Invalid},
        {kFieldLatDegrees, "90", FieldReading::Valid},  {kFieldLatDegrees, "91", FieldReading::Invalid},
        {kFieldLonMinutes, "59", FieldReading::Valid},  {kFieldLatSeconds, "60", FieldReading::Invalid},
        {kFieldLonSeconds, "", FieldReading::Incomplete},
    };
    for (const Case& c : cases) {
        std::uint32_t value = 0;
        EXPECT_EQ(ReadLocationField(c.field, c.text, value), c.reading) << c.field << " " << c.text;
    }
    struct ZoneCase {
        const char* text;
        FieldReading reading;
    };
    for (const ZoneCase& c : {ZoneCase{"9", FieldReading::Valid}, ZoneCase{"5.5", FieldReading::Valid},
                              ZoneCase{"14", FieldReading::Valid}, ZoneCase{"14.01", FieldReading::Invalid},
                              ZoneCase{"-1", FieldReading::Invalid}, ZoneCase{"-1e9", FieldReading::Invalid},
                              ZoneCase{"nan", FieldReading::Invalid}, ZoneCase{"", FieldReading::Incomplete}}) {
        double hours = -1.0;
        EXPECT_EQ(ReadZoneHoursField(c.text, hours), c.reading) << c.text;
    }
    EXPECT_DOUBLE_EQ(DegreesOf(126, 58, 48), 126.98);
}

TEST(FieldParsers, InstantFromTimeFields)
{
    struct Case {
        std::uint32_t fields[kTimeFieldCount];
        bool representable;
        double julianDate;  // date + hours / 24, when representable
    };
    const Case cases[] = {
        // 2003-02-06 00:00 is JD 2452676.5 (the dialog's own worked example).
        {{2003, 2, 6, 0, 0, 0}, true, 2452676.5},
        // Out-of-range values are computed, not refused: month 13 of 2003 is January 2004
        // (2004-01-06 is JD 2453010.5, from the proleptic Gregorian day count).
        {{2003, 13, 6, 0, 0, 0}, true, 2453010.5},
        {{2003, 2, 6, 0, 90, 0}, true, 2452676.5 + 1.5 / 24.0},
        // The largest month that reaches the formula: far past the limit, refused.
        {{2003, 999999999, 6, 0, 0, 0}, false, 0.0},
        {{999999999, 1, 1, 0, 0, 0}, false, 0.0},
        {{2003, 2, 999999999, 0, 0, 0}, false, 0.0},
        // The largest time of day stays within range: about 42 million days later.
        {{2003, 2, 6, 999999999, 999999999, 999999999}, true,
         2452676.5 + (999999999.0 + 999999999.0 / 60.0 + 999999999.0 / 3600.0) / 24.0},
        // Beyond the fields' own cap, nothing is computed at all.
        {{2003, 4294967295u, 6, 0, 0, 0}, false, 0.0},
        {{2003, 2147483648u, 6, 0, 0, 0}, false, 0.0},
        // Year 0 (1 BC, a leap year) starts 366 days before 0001-01-01, JD 1721425.5.
        {{0, 1, 1, 0, 0, 0}, true, 1721425.5 - 366.0},
    };
    for (const Case& c : cases) {
        double date = -7.0;
        double hours = -7.0;
        const bool ok = InstantFromTimeFields(c.fields, date, hours);
        EXPECT_EQ(ok, c.representable) << c.fields[0] << "-" << c.fields[1] << "-" << c.fields[2];
        if (ok) {
            EXPECT_NEAR(date + hours / 24.0, c.julianDate, kToleranceDays) << c.fields[1];
        } else {
            EXPECT_EQ(date, -7.0);
            EXPECT_EQ(hours, -7.0);
        }
    }
    // The largest representable year, against the calendar conversion itself.
    const std::uint32_t lastYear[kTimeFieldCount] = {2733000, 1, 1, 0, 0, 0};
    double date = 0.0;
    double hours = 0.0;
    ASSERT_TRUE(InstantFromTimeFields(lastYear, date, hours));
    EXPECT_EQ(date, JulianDateFromCalendar(2733000, 1, 1).jd);
    EXPECT_LT(date, kJulianDateLimit);
}

TEST(CorpusReplay, DialogFieldSeedsAreReadSafely)
{
    const std::vector<CorpusSeed> seeds = ReadCorpus("fuzz_dialog_fields");
    ASSERT_FALSE(seeds.empty());
    EXPECT_GT(ReplayCorpus(seeds, FuzzDialogFields), seeds.size());
}
