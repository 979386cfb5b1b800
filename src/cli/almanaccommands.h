#pragma once

#include <map>
#include <string>
#include <vector>

// kosmira-almanac's commands: positions, events, month, lunar (see kUsage in the .cpp and
// `kosmira-almanac --help`). args are the words after the program name. The JSON result goes
// to out (one line), a message to err; the return value is the exit status: 0 done, 1 the
// command cannot answer (a date outside the lunar table), 2 a bad argument.
int RunAlmanac(const std::vector<std::string>& args, std::string& out, std::string& err);

// For the commands kept in files of their own: --utc text "YYYY-MM-DDTHH:MM:SS[.s][Z]" (years
// 1000-3000) as a UT Julian date; --lat and --lon (degrees) as radians, false with a message.
bool ParseAlmanacUtc(const std::string& text, double& jdUT);
bool ParseAlmanacLatLon(const std::map<std::string, std::string>& options, double& latitude,
                        double& longitude, std::string& error);
// Both at once: --utc (required) as a UT Julian date, then --lat and --lon; false with the
// one-line message (ending in a line feed) in `error`.
bool ParseAlmanacUtcLatLon(const std::map<std::string, std::string>& options, double& jdUT,
                           double& latitude, double& longitude, std::string& error);
