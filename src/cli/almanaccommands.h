#pragma once

#include <string>
#include <vector>

// kosmira-almanac's commands: positions, events, month, lunar (see kUsage in the .cpp and
// `kosmira-almanac --help`). args are the words after the program name. The JSON result goes
// to out (one line), a message to err; the return value is the exit status: 0 done, 1 the
// command cannot answer (a date outside the lunar table), 2 a bad argument.
int RunAlmanac(const std::vector<std::string>& args, std::string& out, std::string& err);
