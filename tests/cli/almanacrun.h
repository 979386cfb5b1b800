#pragma once

#include "cli/almanaccommands.h"

#include <string>
#include <vector>

// One run of kosmira-almanac's commands as the program would make it.
struct AlmanacResult {
    int status = 0;
    std::string out;
    std::string err;
};

inline AlmanacResult Almanac(const std::vector<std::string>& args)
{
    AlmanacResult r;
    r.status = RunAlmanac(args, r.out, r.err);
    return r;
}
