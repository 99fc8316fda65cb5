#include "base/LargeMemory.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <mutex>
#include <new>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

constexpr std::size_t kMapThreshold = 4u << 20;

std::atomic<std::size_t> g_blockLimit{kNoLargeBlockLimit};

// Sits in front of the records and says where the memory came from.
struct alignas(alignof(std::max_align_t)) Header {
    std::size_t mappedBytes;  // 0: from malloc
};

// Mapped blocks freed lately, kept for the next blocks of about their size.
// A resampling frees a slot's records and asks for the same amount again at
// once; memory given back to the system costs a page fault and the zeroing
// of every page when it is touched again (on a virtual machine whose host
// has taken it back, 2 s a gigabyte), memory kept costs nothing. Three
// slots' worth and the picture's work memory fit in the blocks kept; a
// quarter of the machine's memory is the most they hold.
class KeptBlocks {
public:
    static constexpr std::size_t kMostBlocks = 4;

    // A kept block of at least `total` bytes and less than twice that, so
    // that a small block never holds on to a big one; null when none fits.
    Header* Take(std::size_t total) {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (std::size_t k = 0; k < m_count; ++k) {
            const std::size_t bytes = m_blocks[k]->mappedBytes;
            if (bytes >= total && bytes / 2 < total) return RemoveAt(k);
        }
        return nullptr;
    }

    // Keeps the block, giving back the oldest kept ones while there are too
    // many or they hold too much.
    void Keep(Header* block) {
        Header* evicted[kMostBlocks + 1] = {};
        std::size_t evictedCount = 0;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_blocks[m_count++] = block;
            m_bytes += block->mappedBytes;
            while (m_count > kMostBlocks || (m_count > 0 && m_bytes > MostKeptBytes())) {
                evicted[evictedCount++] = RemoveAt(0);
            }
        }
        Unmap(evicted, evictedCount);
    }

    // Gives every kept block back, for a mapping the system refused.
    void ReleaseAll() {
        Header* released[kMostBlocks + 1] = {};
        std::size_t releasedCount = 0;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            while (m_count > 0) released[releasedCount++] = RemoveAt(0);
        }
        Unmap(released, releasedCount);
    }

private:
    static std::size_t MostKeptBytes() {
        static const std::size_t most = [] {
            const long pages = ::sysconf(_SC_PHYS_PAGES), pageBytes = ::sysconf(_SC_PAGESIZE);
            constexpr std::size_t kUnknown = std::size_t{1} << 30;
            if (pages <= 0 || pageBytes <= 0) return kUnknown;
            return static_cast<std::size_t>(pages) / 4 * static_cast<std::size_t>(pageBytes);
        }();
        return most;
    }

    Header* RemoveAt(std::size_t k) {  // with the lock held; keeps the order
        Header* block = m_blocks[k];
        std::copy(m_blocks + k + 1, m_blocks + m_count, m_blocks + k);
        --m_count;
        m_bytes -= block->mappedBytes;
        return block;
    }

    static void Unmap(Header* const* blocks, std::size_t count) {
        for (std::size_t k = 0; k < count; ++k) ::munmap(blocks[k], blocks[k]->mappedBytes);
    }

    std::mutex m_mutex;
    Header* m_blocks[kMostBlocks + 1] = {};  // oldest first; one more while keeping
    std::size_t m_count = 0;
    std::size_t m_bytes = 0;
};

KeptBlocks& Kept() {
    static KeptBlocks* kept = new KeptBlocks;  // never destroyed: blocks may be freed during exit
    return *kept;
}

Header* MapBlock(std::size_t total) {
    if (Header* kept = Kept().Take(total)) return kept;
    void* base = ::mmap(nullptr, total, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (base == MAP_FAILED) {
        Kept().ReleaseAll();  // the room they hold may be what is missing
        base = ::mmap(nullptr, total, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    }
    if (base == MAP_FAILED) {
        throw std::bad_alloc();
    }
#ifdef MADV_HUGEPAGE
    ::madvise(base, total, MADV_HUGEPAGE);  // a hint: without it, plain pages
#endif
    Header* header = static_cast<Header*>(base);
    header->mappedBytes = total;
    return header;
}

}  // namespace

std::size_t SetLargeBlockLimit(std::size_t bytes) { return g_blockLimit.exchange(bytes); }

void* AllocateLarge(std::size_t bytes) {
    if (bytes > static_cast<std::size_t>(-1) - sizeof(Header) || bytes > g_blockLimit.load(std::memory_order_relaxed)) {
        throw std::bad_alloc();
    }
    const std::size_t total = bytes + sizeof(Header);
    Header* header = nullptr;
    if (!kSanitized && total >= kMapThreshold) {
        header = MapBlock(total);
    } else {
        header = static_cast<Header*>(std::malloc(total));
        if (!header) {
            throw std::bad_alloc();
        }
        header->mappedBytes = 0;
    }
    return header + 1;
}

void FreeLarge(void* memory) noexcept {
    if (!memory) {
        return;
    }
    Header* header = static_cast<Header*>(memory) - 1;
    if (header->mappedBytes != 0) {
        Kept().Keep(header);
    } else {
        std::free(header);
    }
}
