#pragma once


// A time of day split into whole hours, minutes and seconds.
struct HMS {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Splits hours into hour, minute and second, each truncated toward zero (23.999 h is
// 23:59:56). A value less than 1e-6 h (3.6 ms) below a whole second counts as that second,
// so that the noise of a Julian-date round trip (15.99999999627 h) reads as 16:00:00.
// Negative values give all three fields negated; a non-finite value gives zeros.
HMS HoursToHMS(double hours);
