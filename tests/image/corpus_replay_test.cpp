#include "fuzz/dibimagefuzz.h"
#include "tests/corpusreplay.h"

#include <gtest/gtest.h>

TEST(CorpusReplay, DibImageSeedsDecodeSafely)
{
    const std::vector<CorpusSeed> seeds = ReadCorpus("fuzz_dib_image");
    ASSERT_FALSE(seeds.empty());
    // The seeds include well-formed bitmaps of every depth.
    EXPECT_GE(ReplayCorpus(seeds, FuzzDibImage), 6u);
}
