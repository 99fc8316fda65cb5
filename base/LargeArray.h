#pragma once
// An owned array of plain records in the memory of LargeMemory.h, for arrays
// that may be big and are filled front to back (a slot's records).
// Allocated once at its final size; the records start unwritten, so room
// that nothing reaches is never touched. Moves like std::unique_ptr<T[]>.

#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>

#include "base/LargeMemory.h"

template <class T>
class LargeArray {
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>,
                  "records are neither constructed nor destroyed one by one");

public:
    LargeArray() = default;
    LargeArray(LargeArray&& other) noexcept : m_pItems(std::exchange(other.m_pItems, nullptr)) {}
    LargeArray& operator=(LargeArray&& other) noexcept {
        if (this != &other) {
            reset();
            m_pItems = std::exchange(other.m_pItems, nullptr);
        }
        return *this;
    }
    LargeArray(const LargeArray&) = delete;
    LargeArray& operator=(const LargeArray&) = delete;
    ~LargeArray() { reset(); }

    // `count` unwritten records; std::bad_alloc when there is no room or the
    // size in bytes would overflow.
    static LargeArray Allocate(std::size_t count) {
        if (count > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
        LargeArray array;
        array.m_pItems = static_cast<T*>(AllocateLarge(count * sizeof(T)));
        return array;
    }

    T* get() const noexcept { return m_pItems; }
    T& operator[](std::size_t index) const noexcept { return m_pItems[index]; }
    explicit operator bool() const noexcept { return m_pItems != nullptr; }
    void reset() noexcept { FreeLarge(std::exchange(m_pItems, nullptr)); }
    friend bool operator==(const LargeArray& array, std::nullptr_t) noexcept { return !array; }

private:
    T* m_pItems = nullptr;
};
