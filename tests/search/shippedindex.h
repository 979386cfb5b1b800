#pragma once

// The index of the shipped catalog files, built once for all the tests of a program.
#include "catalog/deepstarindex.h"
#include "image/messagesink.h"
#include "search/skyindex.h"

#include <string>
#include <vector>

inline const SkySources& ShippedSources()
{
    static const SkySources sources = [] {
        SkySources s;
        std::vector<std::string> messages;
        ReadSkySources(KOSMIRA_SOURCE_DIR, s, messages);
        return s;
    }();
    return sources;
}

inline const SkyIndex& ShippedIndex()
{
    static const SkyIndex index(ShippedSources());
    return index;
}

// The shipped deep list (data/deepstar.dat.gz), read once.
inline const std::vector<DeepStar>& ShippedDeepStars()
{
    static const std::vector<DeepStar> stars = [] {
        std::vector<DeepStar> out;
        SilentMessageSink sink;
        LoadDeepStars(KOSMIRA_SOURCE_DIR, sink, out);
        return out;
    }();
    return stars;
}

// The shipped index joined with the deep list, as the program has it once the list loaded.
inline const SkyIndex& ShippedIndexWithDeepStars()
{
    static const SkyIndex index = [] {
        SkyIndex i(ShippedSources());
        i.AddStars(HipStarsOf(ShippedDeepStars()));
        return i;
    }();
    return index;
}

// The shown name of the first hit, "" when nothing matches.
inline std::string FirstName(const std::string& query)
{
    const auto hits = ShippedIndex().Find(query, 5);
    if (hits.empty())
        return {};
    return ShippedIndex().Object(hits.front().object).names.front();
}
