#pragma once
// Memory for big arrays that are filled front to back: a surface's records
// (up to a few GB), the picture's sort keys. With 4 KiB pages filling such
// an array is dominated by page faults, so a block of 4 MiB or more gets
// its own anonymous mapping marked for transparent huge pages. Pages are
// still only taken when something is written to them, so room that is never
// used costs (almost) nothing. A freed block is kept for the next block of
// about its size (a resampling at the same step gets its old memory back,
// already in place) until newer ones push it out. Under AddressSanitizer
// every block comes from malloc, so overruns are still caught.

#include <cstddef>
#include <new>
#include <utility>

// std::bad_alloc when there is no memory.
void* AllocateLarge(std::size_t bytes);
void FreeLarge(void* memory) noexcept;

// For tests of what runs out of memory: from now on a block of more than
// `bytes` fails with std::bad_alloc as if the system had no room for it.
// Under AddressSanitizer an address-space limit cannot stand in for this.
// Returns the previous limit; the default is no limit.
std::size_t SetLargeBlockLimit(std::size_t bytes);
constexpr std::size_t kNoLargeBlockLimit = static_cast<std::size_t>(-1);

// For std::vector and the like.
template <class T>
struct LargeAllocator {
    using value_type = T;
    LargeAllocator() = default;
    template <class U>
    LargeAllocator(const LargeAllocator<U>&) noexcept {}
    T* allocate(std::size_t n) {
        if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
        return static_cast<T*>(AllocateLarge(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t) noexcept { FreeLarge(p); }
    // Growing leaves new elements uninitialised, as new T[n] would: an array
    // about to be written in full is not written twice.
    template <class U>
    void construct(U* p) noexcept {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
    template <class U>
    bool operator==(const LargeAllocator<U>&) const noexcept {
        return true;
    }
};
