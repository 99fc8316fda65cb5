#pragma once
// Work split into parts that run at the same time: the program's worker
// threads (one fewer than the processor's hardware threads, at most seven)
// and the calling thread share the parts. The threads start on first use
// and wait between jobs, so a job costs a wake-up, not a thread start.
//
// One job runs at a time; a job asked for while another runs (from another
// thread, or from inside a part) runs its parts on the asking thread.
//
// A part may throw (std::bad_alloc, say). The first exception of a job is
// kept, parts not yet begun are skipped, and once every thread is done with
// the job the exception is thrown again on the calling thread. Work that
// must not fail halfway should allocate what its parts need before the job.

#include <type_traits>

// How many parts can run at once: the worker threads plus the caller.
int ParallelWidth();

// Runs work(part) for every part in 0 .. parts-1 and returns when all are
// done. Which thread runs which part is not fixed; a part's results must
// not depend on it.
void RunParallelParts(int parts, void (*work)(void* context, int part), void* context);

template <class Work>
void ForEachPart(int parts, Work&& work) {
    using W = std::remove_reference_t<Work>;
    RunParallelParts(
        parts, [](void* context, int part) { (*static_cast<W*>(context))(part); },
        const_cast<void*>(static_cast<const void*>(&work)));
}
