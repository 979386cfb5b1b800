#include "fuzz/sntpreplyfuzz.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Every seed of the SNTP reply fuzzer goes through the reply check once more.
TEST(CorpusReplay, SntpReplySeedsAreHandled)
{
    const std::string dir = KOSMIRA_SOURCE_DIR "/tests/corpus/fuzz_sntp_reply";
    DIR* d = opendir(dir.c_str());
    ASSERT_NE(d, nullptr) << dir;
    std::vector<std::string> names;
    while (const dirent* entry = readdir(d)) {
        if (entry->d_name[0] != '.')
            names.emplace_back(entry->d_name);
    }
    closedir(d);
    ASSERT_FALSE(names.empty());
    std::size_t accepted = 0;
    for (const std::string& name : names) {
        std::ifstream f(dir + "/" + name, std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        accepted += FuzzSntpReplies(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    // The well-formed seeds are taken (once as sent, once with the originate patched).
    EXPECT_GT(accepted, 0u);
}
