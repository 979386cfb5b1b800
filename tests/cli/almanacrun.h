#pragma once

// Running kosmira-almanac's commands in the tests.
#include "cli/almanaccommands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct AlmanacResult {
    int status = 0;
    std::string out;
    std::string err;
};

using Result = AlmanacResult;

inline AlmanacResult Almanac(const std::vector<std::string>& args)
{
    AlmanacResult r;
    r.status = RunAlmanac(args, r.out, r.err);
    return r;
}

// Each bad call: exit status 2, nothing on standard output, one line on standard error.
inline void ExpectBadCalls(const std::vector<std::vector<std::string>>& cases)
{
    for (const auto& args : cases) {
        const AlmanacResult r = Almanac(args);
        std::string call;
        for (const auto& a : args)
            call += a + " ";
        EXPECT_EQ(r.status, 2) << call;
        EXPECT_TRUE(r.out.empty()) << call;
        ASSERT_FALSE(r.err.empty()) << call;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << call << r.err;
    }
}
