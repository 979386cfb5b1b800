#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// The seed corpus of one fuzz target (tests/corpus/<target>/), each file's bytes in name
// order, replayed by the unit tests through the same harness the fuzzer runs.
struct CorpusSeed {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

inline std::vector<CorpusSeed> ReadCorpus(const std::string& target)
{
    std::vector<CorpusSeed> seeds;
    const std::filesystem::path dir = std::filesystem::path(KOSMIRA_SOURCE_DIR) / "tests" / "corpus" / target;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream f(entry.path(), std::ios::binary);
        seeds.push_back({entry.path().filename().string(),
                         std::vector<std::uint8_t>((std::istreambuf_iterator<char>(f)),
                                                   std::istreambuf_iterator<char>())});
    }
    std::sort(seeds.begin(), seeds.end(), [](const CorpusSeed& a, const CorpusSeed& b) { return a.name < b.name; });
    return seeds;
}

// Runs every seed through harness (data, size) -> count and adds the counts up.
template <typename Harness>
std::size_t ReplayCorpus(const std::vector<CorpusSeed>& seeds, Harness harness)
{
    std::size_t total = 0;
    for (const CorpusSeed& seed : seeds)
        total += static_cast<std::size_t>(harness(seed.bytes.data(), seed.bytes.size()));
    return total;
}
