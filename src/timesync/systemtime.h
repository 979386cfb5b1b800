#pragma once

#include <string>

// A UTC calendar instant split into fields, as the clock reads and sets it.
struct SystemTime {
    int year = 0;
    int month = 0;      // 1..12
    int dayOfWeek = 0;  // 0 = Sunday
    int day = 0;        // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int milliseconds = 0;
};

// The computer's clock read as UTC, to the millisecond.
SystemTime CurrentSystemTime();

// "2003년 02월 06일 12시 34분 56.789초": how the clock dialog shows an exchange timestamp.
std::string FormatSystemTime(const SystemTime& t);
