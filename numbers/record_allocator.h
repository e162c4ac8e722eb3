#pragma once
// Allocator of the record arrays. Two things matter for lists of millions
// of numbers: a fresh array is not zero-filled a second time when every
// byte is about to be written anyway (Resize zeroes explicitly), and a large
// array is backed by huge pages, so filling it costs a few dozen page faults
// instead of tens of thousands.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <vector>

#include <sys/mman.h>

namespace vesk {

template <typename T>
class RecordAllocator {
public:
    using value_type = T;

    RecordAllocator() = default;
    template <typename U>
    RecordAllocator(const RecordAllocator<U>&) noexcept
    {
    }

    T* allocate(std::size_t n)
    {
        const std::size_t bytes = n * sizeof(T);
        // Both kinds come from the C allocator, so one free releases either.
        void* memory = bytes < kHugeThreshold ? std::malloc(bytes) : std::aligned_alloc(kHugePage, RoundUp(bytes));
        if (memory == nullptr)
            throw std::bad_alloc();
        if (bytes >= kHugeThreshold)
            ::madvise(memory, RoundUp(bytes), MADV_HUGEPAGE); // a hint; failure is harmless
        return static_cast<T*>(memory);
    }

    void deallocate(T* memory, std::size_t) noexcept { std::free(memory); }

    // Default-initialise: no zero fill on resize.
    template <typename U>
    void construct(U* p) noexcept
    {
        ::new (static_cast<void*>(p)) U;
    }
    template <typename U, typename... Args>
    void construct(U* p, Args&&... args)
    {
        ::new (static_cast<void*>(p)) U(static_cast<Args&&>(args)...);
    }

    template <typename U>
    bool operator==(const RecordAllocator<U>&) const noexcept
    {
        return true;
    }

private:
    static constexpr std::size_t kHugePage = std::size_t(2) << 20;
    static constexpr std::size_t kHugeThreshold = std::size_t(4) << 20;
    static std::size_t RoundUp(std::size_t bytes) { return (bytes + kHugePage - 1) / kHugePage * kHugePage; }
};

// The bytes of a list's records.
using RecordBuffer = std::vector<std::uint8_t, RecordAllocator<std::uint8_t>>;

} // namespace vesk
