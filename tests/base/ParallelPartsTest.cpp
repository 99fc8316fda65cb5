// Jobs split into parts: every part runs once, whoever asks.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

#include "base/ParallelParts.h"

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

// A part that throws, on a worker or on the caller: the job still ends
// with no part running, the first exception reaches the caller, and the
// next job runs whole. Many rounds, to meet the races between the threads.
TEST(ParallelParts, AnExceptionOfAPartIsThrownOnTheCallerAfterEveryPartHasEnded) {
    const std::thread::id caller = std::this_thread::get_id();
    for (int round = 0; round < 300; ++round) {
        for (const bool onCaller : {false, true}) {
            std::atomic<int> running{0};
            std::atomic<bool> thrown{false};
            auto part = [&](int) {
                ++running;
                std::this_thread::sleep_for(std::chrono::microseconds(50));  // long enough for both threads to join
                const bool mine = (std::this_thread::get_id() == caller) == onCaller;
                if (mine && !thrown.exchange(true)) {
                    --running;
                    throw std::runtime_error("part failed");
                }
                --running;
            };
            bool caught = false;
            try {
                ForEachPart(8, part);
            } catch (const std::runtime_error& e) {
                caught = true;
                EXPECT_STREQ(e.what(), "part failed");
            }
            // A worker may have had no part in a round; then nothing threw.
            EXPECT_EQ(caught, thrown.load()) << "round " << round;
            EXPECT_EQ(running.load(), 0) << "a part still ran when the job returned, round " << round;
            ASSERT_EQ(RunCounted(16), std::vector<int>(16, 1)) << "round " << round;
        }
    }
}

}  // namespace
