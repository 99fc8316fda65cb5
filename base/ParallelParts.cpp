#include "base/ParallelParts.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "base/VectorState.h"

namespace {

class WorkerPool {
public:
    WorkerPool() {
        const unsigned hardware = std::thread::hardware_concurrency();
        const int workers = std::clamp(static_cast<int>(hardware) - 1, 0, 7);
        // A thread the system will not give (no memory for its stack, a
        // process limit) only means fewer workers; none at all still works.
        try {
            for (int k = 0; k < workers; ++k) m_threads.emplace_back([this] { Serve(); });
        } catch (const std::exception&) {
        }
    }

    ~WorkerPool() {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stopping = true;
        }
        m_wake.notify_all();
        for (std::thread& t : m_threads) t.join();
    }

    int Width() const { return static_cast<int>(m_threads.size()) + 1; }

    void Run(int parts, void (*work)(void*, int), void* context) {
        std::unique_lock<std::mutex> job(m_jobMutex, std::try_to_lock);
        if (!job.owns_lock() || m_threads.empty() || parts <= 1) {
            for (int p = 0; p < parts; ++p) work(context, p);
            return;
        }
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_work = work;
            m_context = context;
            m_parts = parts;
            m_next.store(0);
            m_failed.store(false);
            m_error = nullptr;
            m_busy = static_cast<int>(m_threads.size());
            ++m_generation;
        }
        m_wake.notify_all();
        TakeParts(work, context, parts);
        // The job's context lives in the caller's frame: leave only once
        // no worker touches it any more, whatever a part threw.
        SpinWhile([this] { return m_busy.load(std::memory_order_acquire) != 0; });
        std::exception_ptr error;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_done.wait(lock, [this] { return m_busy == 0; });
            error = std::exchange(m_error, nullptr);
        }
        if (error) std::rethrow_exception(error);
    }

private:
    void TakeParts(void (*work)(void*, int), void* context, int parts) {
        for (int p = m_next.fetch_add(1); p < parts; p = m_next.fetch_add(1)) {
            if (m_failed.load(std::memory_order_relaxed)) continue;  // the job has failed: skip the rest
            try {
                work(context, p);
            } catch (...) {
                std::lock_guard<std::mutex> lock(m_mutex);
                if (!m_error) m_error = std::current_exception();
                m_failed.store(true, std::memory_order_relaxed);
            }
        }
    }

    // Jobs come in quick succession while a picture is drawn (one per batch
    // of lines): a thread that waits a little by spinning before it sleeps
    // is back at work without a wake-up through the kernel. The wait is
    // bounded in time, not in turns, so an idle program stops spending
    // processor time within a few milliseconds of its last job whatever the
    // machine's speed.
    template <class Condition>
    static void SpinWhile(Condition condition) {
        const auto deadline = std::chrono::steady_clock::now() + kSpinTime;
        while (condition() && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
    }

    void Serve() {
        unsigned seen = 0;
        for (;;) {
            void (*work)(void*, int);
            void* context;
            int parts;
            SpinWhile([&] { return m_generation.load(std::memory_order_acquire) == seen; });
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_wake.wait(lock, [&] { return m_stopping || m_generation != seen; });
                if (m_stopping) return;
                seen = m_generation;
                work = m_work;
                context = m_context;
                parts = m_parts;
            }
            // The thread may have run code that left the vector state dirty
            // (see VectorState.h); a part's maths runs at full speed.
            ClearUpperVectorState();
            TakeParts(work, context, parts);
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_busy.fetch_sub(1) == 1) m_done.notify_one();
        }
    }

    std::vector<std::thread> m_threads;
    std::mutex m_jobMutex;  // held by the thread whose job runs
    std::mutex m_mutex;     // guards what follows
    std::condition_variable m_wake, m_done;
    static constexpr std::chrono::milliseconds kSpinTime{2};
    bool m_stopping = false;
    std::atomic<unsigned> m_generation{0};
    void (*m_work)(void*, int) = nullptr;
    void* m_context = nullptr;
    int m_parts = 0;
    std::atomic<int> m_busy{0};
    std::atomic<int> m_next{0};
    std::atomic<bool> m_failed{false};  // some part of the job threw
    std::exception_ptr m_error;         // the first exception of the job
};

WorkerPool& Pool() {
    static WorkerPool pool;
    return pool;
}

}  // namespace

int ParallelWidth() { return Pool().Width(); }

void RunParallelParts(int parts, void (*work)(void* context, int part), void* context) {
    Pool().Run(parts, work, context);
}
