#include "base/LargeMemory.h"

#include <sys/mman.h>

#include <atomic>
#include <cstdlib>
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

}  // namespace

std::size_t SetLargeBlockLimit(std::size_t bytes) { return g_blockLimit.exchange(bytes); }

void* AllocateLarge(std::size_t bytes) {
    if (bytes > static_cast<std::size_t>(-1) - sizeof(Header) || bytes > g_blockLimit.load(std::memory_order_relaxed)) {
        throw std::bad_alloc();
    }
    const std::size_t total = bytes + sizeof(Header);
    Header* header = nullptr;
    if (!kSanitized && total >= kMapThreshold) {
        void* base = ::mmap(nullptr, total, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (base == MAP_FAILED) {
            throw std::bad_alloc();
        }
#ifdef MADV_HUGEPAGE
        ::madvise(base, total, MADV_HUGEPAGE);  // a hint: without it, plain pages
#endif
        header = static_cast<Header*>(base);
        header->mappedBytes = total;
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
        ::munmap(header, header->mappedBytes);
    } else {
        std::free(header);
    }
}
