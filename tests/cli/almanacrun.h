#pragma once

// Running kosmira-almanac's commands in the tests.
#include "cli/almanaccommands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
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

// The number after "key": in a one-line JSON object; NaN when the key is absent.
inline double NumberAfter(const std::string& json, const std::string& key)
{
    const std::size_t at = json.find("\"" + key + "\":");
    if (at == std::string::npos)
        return NAN;
    return std::strtod(json.c_str() + at + key.size() + 3, nullptr);
}

// The string after "key": in a one-line JSON object; empty when the key is absent.
inline std::string StringAfter(const std::string& json, const std::string& key)
{
    const std::size_t at = json.find("\"" + key + "\":\"");
    if (at == std::string::npos)
        return {};
    const std::size_t from = at + key.size() + 4;
    return json.substr(from, json.find('"', from) - from);
}
