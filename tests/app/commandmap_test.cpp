#include "app/commandmap.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandMap, UnknownCommandsAreNotHandled)
{
    CommandMap map;
    CommandState state{true, true};
    EXPECT_FALSE(map.Run(1));
    EXPECT_FALSE(map.Update(1, state));
    EXPECT_TRUE(state.enabled);  // left alone
    EXPECT_TRUE(state.checked);
    EXPECT_FALSE(map.Contains(1));
}

TEST(CommandMap, HandlerRunsAndDefaultStateIsEnabledUnchecked)
{
    CommandMap map;
    int runs = 0;
    map.Add(7, [&] { ++runs; });
    EXPECT_TRUE(map.Contains(7));
    EXPECT_TRUE(map.Run(7));
    EXPECT_EQ(runs, 1);
    CommandState state{false, true};
    EXPECT_TRUE(map.Update(7, state));
    EXPECT_TRUE(state.enabled);
    EXPECT_FALSE(state.checked);
}

TEST(CommandMap, UpdaterSetsCheckAndEnable)
{
    CommandMap map;
    bool flag = true;
    map.Add(9, [&] { flag = !flag; }, [&](CommandState& s) {
        s.checked = flag;
        s.enabled = !flag;
    });
    CommandState state;
    map.Update(9, state);
    EXPECT_TRUE(state.checked);
    EXPECT_FALSE(state.enabled);
    map.Run(9);
    map.Update(9, state);
    EXPECT_FALSE(state.checked);
    EXPECT_TRUE(state.enabled);
}

TEST(CommandMap, ReplaceAndRemove)
{
    CommandMap map;
    int which = 0;
    map.Add(3, [&] { which = 1; });
    map.Add(3, [&] { which = 2; });
    map.Run(3);
    EXPECT_EQ(which, 2);
    map.Remove(3);
    EXPECT_FALSE(map.Run(3));
}

TEST(CommandMap, HandlerMayRemoveItself)
{
    CommandMap map;
    int runs = 0;
    map.Add(5, [&] {
        ++runs;
        map.Remove(5);
    });
    EXPECT_TRUE(map.Run(5));
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(map.Contains(5));
}

}  // namespace
