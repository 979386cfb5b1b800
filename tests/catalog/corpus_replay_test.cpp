#include "fuzz/cataloglinesfuzz.h"
#include "tests/corpusreplay.h"

#include <gtest/gtest.h>

TEST(CorpusReplay, CatalogLineSeedsParseSafely)
{
    const std::vector<CorpusSeed> seeds = ReadCorpus("fuzz_catalog_lines");
    ASSERT_FALSE(seeds.empty());
    EXPECT_GT(ReplayCorpus(seeds, FuzzCatalogLines), seeds.size());
}
