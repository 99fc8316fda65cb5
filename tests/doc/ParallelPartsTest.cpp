// Jobs split into parts: every part runs once, whoever asks.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "doc/ParallelParts.h"

namespace {

std::vector<int> RunCounted(int parts) {
    std::vector<std::atomic<int>> runs(static_cast<size_t>(parts));
    ForEachPart(parts, [&](int p) { ++runs[static_cast<size_t>(p)]; });
    std::vector<int> out;
    for (auto& r : runs) out.push_back(r.load());
    return out;
}

TEST(ParallelParts, EveryPartRunsExactlyOnce) {
    EXPECT_GE(ParallelWidth(), 1);
    for (int parts : {0, 1, 2, 3, 64, 1000}) {
        const std::vector<int> runs = RunCounted(parts);
        EXPECT_EQ(runs, std::vector<int>(static_cast<size_t>(parts), 1)) << parts << " parts";
    }
}

TEST(ParallelParts, AJobInsideAPartAndJobsFromTwoThreadsAllFinish) {
    std::atomic<int> inner{0};
    ForEachPart(4, [&](int) { ForEachPart(8, [&](int) { ++inner; }); });
    EXPECT_EQ(inner.load(), 32);

    std::atomic<int> total{0};
    auto job = [&] {
        for (int round = 0; round < 200; ++round) ForEachPart(5, [&](int) { ++total; });
    };
    std::thread other(job);
    job();
    other.join();
    EXPECT_EQ(total.load(), 2 * 200 * 5);
}

}  // namespace
