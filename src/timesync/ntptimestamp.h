#pragma once

#include <cstdint>

#include "timesync/systemtime.h"

// Seconds since 1900-01-01 00:00:00 UTC (era 0) with a fraction in units of 2^-32 s.
struct NtpTimestamp {
    uint32_t fraction = 0;
    uint32_t seconds = 0;

    // The 64-bit value: seconds in the high word, fraction in the low word.
    uint64_t Value() const { return (uint64_t{seconds} << 32) | fraction; }
    static NtpTimestamp FromValue(uint64_t v)
    {
        return NtpTimestamp{static_cast<uint32_t>(v), static_cast<uint32_t>(v >> 32)};
    }

    // Wire order: seconds big-endian, then fraction big-endian (8 bytes).
    void ToWire(unsigned char* out) const;
    static NtpTimestamp FromWire(const unsigned char* in);

    bool operator==(const NtpTimestamp& o) const { return Value() == o.Value(); }
    bool operator!=(const NtpTimestamp& o) const { return !(*this == o); }
};

// Timestamp of a UTC calendar time. Day number by the integer Julian day formula,
// seconds modulo 2^32, milliseconds through a table of round(ms * 2^32 / 1000).
NtpTimestamp TimestampFromSystemTime(const SystemTime& t);

// Timestamp of the computer's clock (UTC) now.
NtpTimestamp TimestampFromSystemTime();

// UTC calendar time of a timestamp of era 0. Milliseconds are the fraction rounded; a
// fraction that rounds to 1000 ms is carried into the next second.
SystemTime SystemTimeFromTimestamp(NtpTimestamp t);

// a - b in seconds; the fraction counts in units of 1 / (2^32 - 1) s.
double SecondsBetween(NtpTimestamp a, NtpTimestamp b);

// t moved by x seconds (either sign), fraction scaled by 2^32 - 1, modulo 2^64.
NtpTimestamp AddSeconds(NtpTimestamp t, double x);
