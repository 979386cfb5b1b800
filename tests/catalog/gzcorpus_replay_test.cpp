#include "fuzz/gzcatalogfuzz.h"
#include "tests/corpusreplay.h"

#include <gtest/gtest.h>

// Every seed of the gz catalog fuzzer is read back through the catalog reader and every
// parser once more.
TEST(CorpusReplay, GzCatalogSeedsAreReadSafely)
{
    const std::vector<CorpusSeed> seeds = ReadCorpus("fuzz_gz_catalog");
    ASSERT_FALSE(seeds.empty());
    std::size_t refused = 0;
    const std::size_t lines = ReplayCorpus(seeds, [&](const std::uint8_t* data, std::size_t size) {
        const std::size_t n = FuzzGzCatalog(data, size);
        refused += n == 0 ? 1 : 0;
        return n;
    });
    // Only the cut-off stream is refused.
    EXPECT_EQ(refused, 1u);
    EXPECT_GT(lines, seeds.size());
}
