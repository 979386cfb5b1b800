#pragma once

#include "astro/sky/model.h"
#include "astro/sky/observer.h"

#include <string>

struct ShownSky;

// kosmira-almanac's PDF pages. The drawing needs Qt's fonts, so the first call starts a
// QGuiApplication on the offscreen platform (none when the program already has one); the
// other commands never start it and need no display.

// printed: "YYYY-MM-DD" for the footer, empty for today. Exit status 0 with {"pdf": path}
// on out, 1 with a Korean message on err when the file cannot be written.
int WriteMonthPdf(int year, int month, const Observer& site, Model model,
                  const std::string& printed, const std::string& path, std::string& out,
                  std::string& err);
// The printed sky chart of the view centred on azimuth, altitude with the vertical field of
// view (degrees), default layers, the catalogs beside the executable.
int WriteChartPdf(const ShownSky& sky, double azimuthDeg, double altitudeDeg, double fovDeg,
                  const std::string& printed, const std::string& path, std::string& out,
                  std::string& err);
// Whether text is a date "YYYY-MM-DD" a footer can carry.
bool ValidPrintedDate(const std::string& text);
// Ends the application object the PDF commands started, if any (before main returns).
void EndPrintSupport();
