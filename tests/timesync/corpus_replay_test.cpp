#include "fuzz/sntpreplyfuzz.h"
#include "tests/corpusreplay.h"

#include <gtest/gtest.h>

// Every seed of the SNTP reply fuzzer goes through the reply check once more.
TEST(CorpusReplay, SntpReplySeedsAreHandled)
{
    const std::vector<CorpusSeed> seeds = ReadCorpus("fuzz_sntp_reply");
    ASSERT_FALSE(seeds.empty());
    // The well-formed seeds are taken (once as sent, once with the originate patched).
    EXPECT_GT(ReplayCorpus(seeds, FuzzSntpReplies), 0u);
}
