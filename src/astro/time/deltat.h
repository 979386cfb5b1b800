#pragma once

// Delta T = TT - UT1 in seconds for a moment given as a decimal year (2026.5 is mid-2026).
// 1900.0-2025.0: the observed values at five-year steps published in the Astronomical
// Almanac (IERS/USNO determinations), interpolated linearly. Outside it: the polynomial
// expressions of Espenak & Meeus, "Five Millennium Canon of Solar Eclipses" (NASA
// TP-2006-214141, section 2.6), with the 2005-2050 expression shifted so that it starts
// from the last observed value in 2025 and meets the next expression unshifted in 2050.
// Finite for every finite year; NaN for NaN.
double DeltaTSeconds(double decimalYear);

// The decimal year of a Julian date: 2000.0 + (jd - 2451545.0) / 365.25.
double DecimalYear(double julianDate);
